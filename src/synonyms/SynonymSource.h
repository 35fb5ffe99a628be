#pragma once

// The synonyms file as the blocks read it back once the loading is over:
// the loading reads the file whole, then the blocks keep only where their
// lines are, and a block's bytes are read again from the file when it is
// asked for. One block's bytes are kept at a time; a lookup goes through one
// block. The file stays open, so a file replaced by a newer copy (a package
// upgrade) is still read as loaded; once the open file itself has changed
// (its size or modification time), the blocks read as empty.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

class SynonymSource {
public:
    // The file at path, open for reading; nullptr when it cannot be opened
    // or does not hold size bytes (it changed since it was read).
    static std::shared_ptr<SynonymSource> open(const QString &path, qint64 size);

    // Bytes offset..offset+count of the file, as they were when it was
    // read; empty when it has changed since or cannot be read. Valid until
    // the next call.
    const QByteArray &blockBytes(int block, qint64 offset, qint64 count) const;

private:
    // What tells the open file's changes: its size and modification time.
    struct Stamp {
        qint64 size = -1;
        qint64 seconds = 0;
        qint64 nanoseconds = 0;
        bool operator==(const Stamp &) const = default;
    };
    static Stamp stampOf(const QFile &file);

    SynonymSource(std::unique_ptr<QFile> file, Stamp stamp) : m_file(std::move(file)), m_stamp(stamp) {}

    std::unique_ptr<QFile> m_file;
    Stamp m_stamp;
    mutable int m_cachedBlock = -1;
    mutable QByteArray m_cached;
};
