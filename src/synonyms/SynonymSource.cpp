#include "synonyms/SynonymSource.h"

#include <sys/stat.h>

SynonymSource::Stamp SynonymSource::stampOf(const QFile &file)
{
    struct stat status {};
    if (::fstat(file.handle(), &status) != 0)
        return {};
    return {qint64(status.st_size), qint64(status.st_mtim.tv_sec), qint64(status.st_mtim.tv_nsec)};
}

std::shared_ptr<SynonymSource> SynonymSource::open(const QString &path, qint64 size)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return nullptr;
    const Stamp stamp = stampOf(*file);
    if (stamp.size != size)
        return nullptr;
    return std::shared_ptr<SynonymSource>(new SynonymSource(std::move(file), stamp));
}

const QByteArray &SynonymSource::blockBytes(int block, qint64 offset, qint64 count) const
{
    if (m_cachedBlock == block)
        return m_cached;
    m_cachedBlock = block;
    m_cached.clear();
    if (!(stampOf(*m_file) == m_stamp) || !m_file->seek(offset))
        return m_cached;
    QByteArray bytes = m_file->read(count);
    if (bytes.size() == count)
        m_cached = bytes;
    return m_cached;
}
