#pragma once

// Poems are plain UTF-8 text files. A file that is not text (NUL bytes,
// invalid UTF-8) is refused whole rather than shown garbled.
#include <QString>

namespace PoemFile {
struct ReadResult {
    bool ok = false;
    QString text;
    QString error; // French, for the poet
};

ReadResult read(const QString &path);
// Decodes bytes already read; the file name only words the message.
ReadResult decode(const QByteArray &bytes, const QString &fileName);
// Written whole or not at all: the old file stays until the new one is complete.
bool save(const QString &path, const QString &text, QString *error);
} // namespace PoemFile
