#include "synonyms/SynonymSource.h"

#include <QHashFunctions>

std::shared_ptr<SynonymSource> SynonymSource::open(const QString &path, qint64 size)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly) || file->size() != size)
        return nullptr;
    return std::shared_ptr<SynonymSource>(new SynonymSource(std::move(file)));
}

size_t SynonymSource::checksumOf(QByteArrayView bytes)
{
    // A fixed seed: the figure must not depend on the process's hash seed.
    return qHashBits(bytes.data(), size_t(bytes.size()), 0);
}

const QByteArray &SynonymSource::blockBytes(int block, qint64 offset, qint64 count, size_t checksum) const
{
    if (m_cachedBlock == block)
        return m_cached;
    m_cachedBlock = block;
    m_cached.clear();
    QByteArray bytes;
    if (m_file->seek(offset))
        bytes = m_file->read(count);
    if (bytes.size() == count && checksumOf(bytes) == checksum)
        m_cached = bytes;
    return m_cached;
}
