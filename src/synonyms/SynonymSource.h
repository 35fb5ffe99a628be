#pragma once

// The synonyms file as the blocks read it back once the loading is over:
// the loading reads the file whole, then the blocks keep only where their
// lines are, and a block's bytes are read again from the file when it is
// asked for. One block's bytes are kept at a time; a lookup goes through one
// block. The file stays open, so a file replaced by a newer copy (a package
// upgrade) is still read as loaded; a file changed in place gives blocks
// whose bytes no longer agree, which then read as empty.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

class SynonymSource {
public:
    // The file at path, open for reading; nullptr when it cannot be opened
    // or does not hold size bytes (it changed since it was read).
    static std::shared_ptr<SynonymSource> open(const QString &path, qint64 size);

    // Bytes offset..offset+count of the file, as they were when the block
    // that asks was read (checksum of those bytes); empty when they changed
    // or cannot be read. Valid until the next call.
    const QByteArray &blockBytes(int block, qint64 offset, qint64 count, size_t checksum) const;

    static size_t checksumOf(QByteArrayView bytes);

private:
    explicit SynonymSource(std::unique_ptr<QFile> file) : m_file(std::move(file)) {}

    std::unique_ptr<QFile> m_file;
    mutable int m_cachedBlock = -1;
    mutable QByteArray m_cached;
};
