#pragma once

// rimes --scander: the poem read from a file or standard input, and the
// report of its scansion, as text or as JSON.
#include "verse/VerseTypes.h"

#include <QByteArray>
#include <QString>

struct PoemFileRead {
    QString text;
    QString error;   // French; empty when the poem was read
    bool ok() const { return error.isEmpty(); }
};

// "-" reads standard input. A missing file, a folder, a file that is not
// UTF-8 text (a NUL byte, an invalid sequence) is an error, never a poem.
PoemFileRead ReadPoemFile(const QString &path);
// The same checks on bytes already read; name is used in the messages.
PoemFileRead PoemFromBytes(const QByteArray &bytes, const QString &name);

QByteArray ScansionText(const QList<PoemLine> &lines);
QByteArray ScansionJson(const QList<PoemLine> &lines);
