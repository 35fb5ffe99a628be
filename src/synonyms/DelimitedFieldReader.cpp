#include "synonyms/DelimitedFieldReader.h"

#include "lexicon/TextCodec.h"

DelimitedFieldReader::DelimitedFieldReader(QByteArray bytes, QString fileName)
    : m_bytes(std::move(bytes)), m_fileName(std::move(fileName))
{
}

std::optional<QString> DelimitedFieldReader::next(RuntimeError &error)
{
    if (atEnd()) {
        error = RuntimeError::readPastEnd(m_fileName);
        return std::nullopt;
    }
    const qsizetype size = m_bytes.size();
    while (m_pos < size && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t'))
        ++m_pos;

    QByteArray field;
    if (m_pos < size && m_bytes[m_pos] == '"') {
        const qsizetype close = m_bytes.indexOf('"', m_pos + 1);
        const qsizetype end = close < 0 ? size : close;
        field = m_bytes.mid(m_pos + 1, end - m_pos - 1);
        m_pos = close < 0 ? size : close + 1;
        // Whatever follows the closing quote up to the delimiter is dropped.
        while (m_pos < size && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\r' && m_bytes[m_pos] != '\n')
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < size && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\r' && m_bytes[m_pos] != '\n')
            ++m_pos;
        field = m_bytes.mid(start, m_pos - start);
    }

    if (m_pos < size && m_bytes[m_pos] == ',') {
        ++m_pos;
    } else {
        if (m_pos < size && m_bytes[m_pos] == '\r')
            ++m_pos;
        if (m_pos < size && m_bytes[m_pos] == '\n')
            ++m_pos;
    }
    return TextCodec::fromWindows1252(field);
}
