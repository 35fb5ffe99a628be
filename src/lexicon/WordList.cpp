#include "lexicon/WordList.h"

#include "lexicon/TextCodec.h"
#include "lexicon/WordCipher.h"

#include <algorithm>

WordList::WordList() = default;

QStringView WordList::field(int i, Field f) const
{
    if (!inRange(i) || std::size_t(i) >= m_records.size())
        return {};
    const Span span = m_records[i].fields[f];
    return QStringView(m_text).mid(span.start, span.length);
}

QStringView WordList::line(int i) const
{
    if (!inRange(i) || std::size_t(i) >= m_lines.size())
        return {};
    return QStringView(m_text).mid(m_lines[i].start, m_lines[i].length);
}

QString WordList::headword(int i) const
{
    return WordCipher(cipheredHeadword(i));
}

std::optional<RuntimeError> WordList::readLines(const std::optional<QByteArray> &item)
{
    if (!item)
        return RuntimeError::itemNotFound(QStringLiteral("3_LISTE_DES_MOTS"), 103);
    // Commas of the headwords are stored as "£"; the replacement keeps every
    // length, so it is made while the text is decoded.
    m_text = QString::fromLatin1(item->constData(), item->size());
    const auto *bytes = reinterpret_cast<const unsigned char *>(item->constData());
    QChar *decoded = nullptr;
    for (qsizetype i = 0; i < item->size(); ++i) {
        const unsigned char b = bytes[i];
        if ((b & 0xE0) == 0x80 || b == 0xA3) {
            if (!decoded)
                decoded = m_text.data();
            decoded[i] = b == 0xA3 ? QLatin1Char(',') : TextCodec::windows1252Char(b);
        }
    }

    // Lines end at CR LF; a lone CR or LF is part of its line. The store
    // takes only as many lines as the item has, up to Capacity.
    const QStringView text(m_text);
    m_lines.clear();
    m_lines.reserve(std::min<qsizetype>(Capacity, text.size() / 24 + 1));
    m_records.clear();
    int count = 0;
    qsizetype from = 0;
    for (qsizetype cr = text.indexOf(QLatin1Char('\r'), from); cr >= 0; cr = text.indexOf(QLatin1Char('\r'), cr + 1)) {
        if (cr + 1 >= text.size() || text[cr + 1] != QLatin1Char('\n'))
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
int numberField(QStringView text, bool *ok)
{
    if (!text.isEmpty() && text.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u < u'0' || u > u'9') {
                digits = false;
                break;
            }
            value = value * 10 + (u - u'0');
        }
        if (digits) {
            *ok = true;
            return value;
        }
    }
    return text.trimmed().toInt(ok);
}
} // namespace

std::optional<WordList::Record> WordList::cutLine(Span lineSpan, RuntimeError &error) const
{
    // One pass over the line for its six "@".
    const char16_t *line = reinterpret_cast<const char16_t *>(m_text.constData()) + lineSpan.start;
    const quint32 length = lineSpan.length;
    quint32 at[6];
    int found = 0;
    for (quint32 i = 0; i < length && found < 6; ++i) {
        if (line[i] == u'@')
            at[found++] = i;
    }
    if (found < 6) {
        error = RuntimeError::invalidCall();
        return std::nullopt;
    }
    Record record;
    quint32 from = 0;
    for (int f = 0; f < 4; ++f) {
        record.fields[f] = {lineSpan.start + from, at[f] - from};
        from = at[f] + 1;
    }
    record.fields[Categories] = {lineSpan.start + at[5] + 1, length - at[5] - 1};

    auto number = [&](int f, bool *ok) {
        const quint32 begin = at[f - 1] + 1;
        return numberField(QStringView(line + begin, qsizetype(at[f] - begin)), ok);
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
