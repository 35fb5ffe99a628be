#include "lexicon/WordList.h"

#include "lexicon/TextCodec.h"
#include "lexicon/WordCipher.h"

#include <algorithm>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

WordList::WordList() = default;

const std::array<char16_t, 256> WordList::s_storedChars = [] {
    std::array<char16_t, 256> chars {};
    for (int b = 0; b < 256; ++b)
        chars[b] = TextCodec::windows1252Char(static_cast<unsigned char>(b)).unicode();
    chars[0xA3] = u',';
    return chars;
}();

QString WordList::decoded(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    const auto &chars = s_storedChars;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(chars[static_cast<unsigned char>(bytes[i])]);
    return text;
}

const QString &WordList::text() const
{
    if (!m_textMade) {
        m_text = decoded(m_bytes);
        m_textMade = true;
    }
    return m_text;
}

QStringView WordList::field(int i, Field f) const
{
    if (!inRange(i) || std::size_t(i) >= m_records.size())
        return {};
    const Span span = fieldSpan(i, f);
    return QStringView(text()).mid(span.start, span.length);
}

QStringView WordList::line(int i) const
{
    if (!inRange(i) || std::size_t(i) >= m_lines.size())
        return {};
    return QStringView(text()).mid(m_lines[i].start, m_lines[i].length);
}

QString WordList::headword(int i) const
{
    return WordCipher(decoded(fieldBytes(i, Headword)));
}

std::optional<RuntimeError> WordList::readLines(const std::optional<QByteArray> &item)
{
    m_text.clear();
    m_textMade = false;
    if (!item)
        return RuntimeError::itemNotFound(QStringLiteral("3_LISTE_DES_MOTS"), 103);
    // A built-in item is shared, not copied.
    m_bytes = *item;

    // Lines end at CR LF; a lone CR or LF is part of its line. The store
    // takes only as many lines as the item has, up to Capacity.
    const char *bytes = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    m_lines.clear();
    m_lines.reserve(std::min<qsizetype>(Capacity, size / 24 + 1));
    m_records.clear();
    int count = 0;
    qsizetype from = 0;
    for (qsizetype cr = 0; cr < size; ++cr) {
        const void *found = std::memchr(bytes + cr, '\r', std::size_t(size - cr));
        if (!found)
            break;
        cr = static_cast<const char *>(found) - bytes;
        if (cr + 1 >= size || bytes[cr + 1] != '\n')
            continue;
        if (count < Capacity)
            m_lines.push_back({quint32(from), quint32(cr - from)});
        ++count;
        from = cr + 2;
    }
    m_wordCount = count;
    m_recordCount = 0;
    if (count > Capacity)
        return RuntimeError::outOfRange();
    return std::nullopt;
}

namespace {
// A number field as the cutting reads it: surrounding blanks allowed, then an
// integer. Plain digits, the usual case, are read here; anything else goes
// to Qt's reading of an integer.
inline int numberField(QByteArrayView bytes, QString (*decode)(QByteArrayView), bool *ok)
{
    if (bytes.size() == 1 && bytes[0] >= '0' && bytes[0] <= '9') {
        *ok = true;
        return bytes[0] - '0';
    }
    if (!bytes.isEmpty() && bytes.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (const char c : bytes) {
            if (c < '0' || c > '9') {
                digits = false;
                break;
            }
            value = value * 10 + (c - '0');
        }
        if (digits) {
            *ok = true;
            return value;
        }
    }
    return decode(bytes).trimmed().toInt(ok);
}
} // namespace

bool WordList::cutLine(Span lineSpan, Record &record, RuntimeError &error) const
{
    // One pass over the line for its six "@".
    const char *line = m_bytes.constData() + lineSpan.start;
    const quint32 length = lineSpan.length;
    int found = 0;
    quint32 i = 0;
#ifdef __SSE2__
    // Sixteen bytes at a time while the item goes on that far; the bits of
    // bytes past the line are dropped.
    const __m128i atSign = _mm_set1_epi8('@');
    const qsizetype available = m_bytes.size() - qsizetype(lineSpan.start);
    for (; i < length && found < 6 && qsizetype(i) + 16 <= available; i += 16) {
        auto mask = unsigned(_mm_movemask_epi8(
            _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(line + i)), atSign)));
        if (length - i < 16)
            mask &= (1u << (length - i)) - 1;
        for (; mask && found < 6; mask &= mask - 1)
            record.at[found++] = i + quint32(__builtin_ctz(mask));
    }
#endif
    for (; i < length && found < 6; ++i) {
        if (line[i] == '@')
            record.at[found++] = i;
    }
    if (found < 6) {
        error = RuntimeError::invalidCall();
        return false;
    }
    record.start = lineSpan.start;
    record.length = length;

    auto number = [&](int f, bool *ok) {
        const quint32 begin = record.at[f - 1] + 1;
        return numberField(QByteArrayView(line + begin, qsizetype(record.at[f] - begin)), &WordList::decoded, ok);
    };
    bool conjugatedOk = false;
    bool syllablesOk = false;
    record.isConjugated = number(4, &conjugatedOk);
    record.syllableCount = number(5, &syllablesOk);
    if (!conjugatedOk || !syllablesOk) {
        error = RuntimeError::typeMismatch();
        return false;
    }
    return true;
}

std::optional<RuntimeError> WordList::cutLines()
{
    // Lines after a bad one stay without fields, as before any cutting.
    m_records.assign(m_lines.size(), Record {});
    for (int i = 0; i < m_wordCount; ++i) {
        if (i >= Capacity)
            return RuntimeError::outOfRange();
        Record record;
        if (RuntimeError error; !cutLine(m_lines[i], record, error))
            return error;
        m_records[i] = record;
        m_recordCount = i + 1;
    }
    return std::nullopt;
}
