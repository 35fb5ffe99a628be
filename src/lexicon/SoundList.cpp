#include "lexicon/SoundList.h"

#include "lexicon/TextCodec.h"

#include <limits>

std::optional<RuntimeError> SoundList::load(const std::optional<QByteArray> &item, const QString &type, int id)
{
    if (!item)
        return RuntimeError::itemNotFound(type, id);
    const QStringList pieces = TextCodec::fromWindows1252(*item).split(QStringLiteral("\r\n"));
    const qsizetype n = pieces.size() - 1;
    if (n > std::numeric_limits<qint16>::max())
        return RuntimeError::overflow();
    m_count = int(n);
    m_entries = pieces.mid(0, m_capacity);
    if (pieces.size() > m_capacity)
        return RuntimeError::outOfRange();
    return std::nullopt;
}
