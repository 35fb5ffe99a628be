#include "synonyms/SynonymBlock.h"

#include "lexicon/TextCodec.h"
#include "synonyms/SynonymSource.h"

#include <algorithm>

QString SynonymBlock::at(qsizetype slot) const
{
    return start(slot, -1);
}

QString SynonymBlock::start(qsizetype slot, qsizetype length) const
{
    if (slot < 0 || slot >= size())
        return {};
    const Slot &s = m_slots[std::size_t(slot)];
    if (s.length < 0) {
        const QString &text = m_texts[-qsizetype(s.length) - 1];
        return length < 0 ? text : text.left(length);
    }
    if (s.length == 0)
        return TextCodec::fromWindows1252({});
    qsizetype count = s.length;
    if (length >= 0 && length < count)
        count = length;
    const QByteArrayView all = bytes();
    if (qsizetype(s.start) + s.length > all.size())
        return {};
    return TextCodec::fromWindows1252(all.sliced(s.start, count));
}

bool SynonymBlock::contains(QStringView text) const
{
    for (qsizetype slot = 0; slot < size(); ++slot) {
        if (at(slot) == text)
            return true;
    }
    return false;
}

void SynonymBlock::setBytes(qsizetype slot, const QByteArray &bytes, QByteArrayView field)
{
    if (slot < 0 || slot >= size())
        return;
    if (m_bytes.constData() != bytes.constData())
        m_bytes = bytes;
    const auto start = field.data() - bytes.constData();
    m_slots[std::size_t(slot)] = {quint32(start), qint32(field.size())};
}

QByteArrayView SynonymBlock::bytes() const
{
    if (!m_source)
        return m_bytes;
    return m_source->blockBytes(m_block, m_fileOffset, m_byteCount);
}

void SynonymBlock::leaveBytesToFile(std::shared_ptr<const SynonymSource> source, int block)
{
    if (!source || m_source || m_bytes.isNull())
        return;
    // The block's bytes run from its first slot's to its last's.
    qint64 first = m_bytes.size();
    qint64 end = 0;
    for (const Slot &s : m_slots) {
        if (s.length <= 0)
            continue;
        first = std::min<qint64>(first, s.start);
        end = std::max<qint64>(end, qint64(s.start) + s.length);
    }
    if (end < first)
        first = end = 0;
    for (Slot &s : m_slots) {
        if (s.length > 0)
            s.start -= quint32(first);
    }
    m_fileOffset = first;
    m_byteCount = end - first;
    m_block = block;
    m_source = std::move(source);
    m_bytes = QByteArray();
}

void SynonymBlock::setText(qsizetype slot, const QString &text)
{
    if (slot < 0 || slot >= size())
        return;
    m_texts.append(text);
    m_slots[std::size_t(slot)] = {0, -qint32(m_texts.size())};
}
