#include "synonyms/SynonymBlock.h"

#include "lexicon/TextCodec.h"

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
    qsizetype bytes = s.length;
    if (length >= 0 && length < bytes)
        bytes = length;
    return TextCodec::fromWindows1252(QByteArrayView(m_bytes.constData() + s.start, bytes));
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

void SynonymBlock::setText(qsizetype slot, const QString &text)
{
    if (slot < 0 || slot >= size())
        return;
    m_texts.append(text);
    m_slots[std::size_t(slot)] = {0, -qint32(m_texts.size())};
}
