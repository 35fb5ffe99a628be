#include "lexicon/WordList.h"

#include "lexicon/TextCodec.h"
#include "lexicon/WordCipher.h"

#include <algorithm>
#include <cstring>

WordList::WordList() = default;

const std::array<char16_t, 256> &WordList::charTable()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> chars {};
        for (int b = 0; b < 256; ++b)
            chars[b] = TextCodec::windows1252Char(static_cast<unsigned char>(b)).unicode();
        chars[0xA3] = u',';
        return chars;
    }();
    return table;
}

QString WordList::decoded(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    const auto &chars = charTable();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(chars[static_cast<unsigned char>(bytes[i])]);
    return text;
}

WordList::Span WordList::fieldSpan(int i, Field f) const
{
    if (!inRange(i) || std::size_t(i) >= m_records.size())
        return {};
    const Record &record = m_records[i];
    if (f == Categories)
        return {record.start + record.categoriesOffset, record.categoriesLength};
    quint32 start = record.start;
    for (int before = 0; before < f; ++before)
        start += record.length[before] + 1;
    return {start, record.length[f]};
}

QByteArrayView WordList::fieldBytes(int i, Field f) const
{
    const Span span = fieldSpan(i, f);
    if (span.length == 0)
        return {};
    return QByteArrayView(m_bytes.constData() + span.start, span.length);
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
int numberField(QByteArrayView bytes, QString (*decode)(QByteArrayView), bool *ok)
{
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

std::optional<WordList::Record> WordList::cutLine(Span lineSpan, RuntimeError &error) const
{
    // One pass over the line for its six "@".
    const char *line = m_bytes.constData() + lineSpan.start;
    const quint32 length = lineSpan.length;
    quint32 at[6];
    int found = 0;
    for (const char *c = line, *end = line + length; found < 6;) {
        c = static_cast<const char *>(std::memchr(c, '@', std::size_t(end - c)));
        if (!c)
            break;
        at[found++] = quint32(c - line);
        ++c;
    }
    if (found < 6) {
        error = RuntimeError::invalidCall();
        return std::nullopt;
    }
    Record record;
    record.start = lineSpan.start;
    quint32 from = 0;
    for (int f = 0; f < 4; ++f) {
        record.length[f] = at[f] - from;
        from = at[f] + 1;
    }
    record.categoriesOffset = at[5] + 1;
    record.categoriesLength = length - at[5] - 1;

    auto number = [&](int f, bool *ok) {
        const quint32 begin = at[f - 1] + 1;
        return numberField(QByteArrayView(line + begin, qsizetype(at[f] - begin)), &WordList::decoded, ok);
    };
    bool conjugatedOk = false;
    bool syllablesOk = false;
    record.isConjugated = number(4, &conjugatedOk);
    record.syllableCount = number(5, &syllablesOk);
    if (!conjugatedOk || !syllablesOk) {
        error = RuntimeError::typeMismatch();
        return std::nullopt;
    }
    return record;
}

std::optional<RuntimeError> WordList::cutLines()
{
    // Lines after a bad one stay without fields, as before any cutting.
    m_records.assign(m_lines.size(), Record {});
    for (int i = 0; i < m_wordCount; ++i) {
        if (i >= Capacity)
            return RuntimeError::outOfRange();
        RuntimeError error;
        const std::optional<Record> record = cutLine(m_lines[i], error);
        if (!record)
            return error;
        m_records[i] = *record;
        m_recordCount = i + 1;
    }
    return std::nullopt;
}
