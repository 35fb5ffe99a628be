#pragma once

// Reading a data or options file without ever waiting on it: only a regular
// file is read. A named pipe, a device or a directory in its place would
// block the program before any window appears, or give nothing; those are
// reported as unreadable instead.
#include <QByteArray>
#include <QString>

struct RegularFileRead {
    enum class Outcome { Read, Missing, Unreadable };
    Outcome outcome = Outcome::Missing;
    QByteArray bytes;
    // Why the file could not be read, in French; empty when it was read.
    QString reason;

    bool ok() const { return outcome == Outcome::Read; }
};

// Reads at most limit bytes (all of them when limit is negative).
RegularFileRead ReadRegularFile(const QString &path, qint64 limit = -1);
