#include "synonyms/DelimitedFieldReader.h"

#include "lexicon/TextCodec.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

DelimitedFieldReader::DelimitedFieldReader(QByteArray bytes, QString fileName)
    : m_bytes(std::move(bytes)), m_fileName(std::move(fileName))
{
}

std::optional<QString> DelimitedFieldReader::next(RuntimeError &error)
{
    const std::optional<QByteArrayView> field = nextBytes(error);
    if (!field)
        return std::nullopt;
    return TextCodec::fromWindows1252(*field);
}

std::optional<QByteArrayView> DelimitedFieldReader::nextBytes(RuntimeError &error)
{
    if (atEnd()) {
        error = RuntimeError::readPastEnd(m_fileName);
        return std::nullopt;
    }
    // Read only: the bytes are shared with the synonyms blocks.
    const qsizetype size = m_bytes.size();
    const char *bytes = m_bytes.constData();
    while (m_pos < size && (bytes[m_pos] == ' ' || bytes[m_pos] == '\t'))
        ++m_pos;

    auto endOfField = [&](qsizetype from) {
#ifdef __SSE2__
        // Sixteen bytes at a time while the file goes on that far.
        const __m128i comma = _mm_set1_epi8(',');
        const __m128i cr = _mm_set1_epi8('\r');
        const __m128i lf = _mm_set1_epi8('\n');
        for (; from + 16 <= size; from += 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + from));
            const __m128i ends = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, comma), _mm_cmpeq_epi8(chunk, cr)),
                                              _mm_cmpeq_epi8(chunk, lf));
            if (const auto mask = unsigned(_mm_movemask_epi8(ends)))
                return from + __builtin_ctz(mask);
        }
#endif
        while (from < size && bytes[from] != ',' && bytes[from] != '\r' && bytes[from] != '\n')
            ++from;
        return from;
    };
    QByteArrayView field;
    if (m_pos < size && bytes[m_pos] == '"') {
        const qsizetype close = m_bytes.indexOf('"', m_pos + 1);
        const qsizetype end = close < 0 ? size : close;
        field = QByteArrayView(bytes + m_pos + 1, end - m_pos - 1);
        // Whatever follows the closing quote up to the delimiter is dropped.
        m_pos = endOfField(close < 0 ? size : close + 1);
    } else {
        const qsizetype start = m_pos;
        m_pos = endOfField(m_pos);
        field = QByteArrayView(bytes + start, m_pos - start);
    }

    if (m_pos < size && bytes[m_pos] == ',') {
        ++m_pos;
    } else {
        if (m_pos < size && bytes[m_pos] == '\r')
            ++m_pos;
        if (m_pos < size && bytes[m_pos] == '\n')
            ++m_pos;
    }
    return field;
}
