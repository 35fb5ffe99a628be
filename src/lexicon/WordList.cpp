#include "lexicon/WordList.h"

#include "lexicon/TextCodec.h"
#include "lexicon/WordCipher.h"

WordList::WordList()
    : m_lines(Capacity), m_records(Capacity)
{
}

QStringView WordList::field(int i, Field f) const
{
    if (!inRange(i))
        return {};
    const Span span = m_records[i].fields[f];
    return QStringView(m_text).mid(span.start, span.length);
}

QStringView WordList::line(int i) const
{
    if (!inRange(i))
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
    m_text = TextCodec::fromWindows1252(*item);
    // Commas of the headwords are stored as "£"; the replacement keeps every
    // length, so it can run over the whole text at once.
    m_text.replace(QChar(0x00A3), QLatin1Char(','));

    const QStringView text(m_text);
    const QLatin1StringView crlf("\r\n");
    int count = 0;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(crlf, from); at >= 0; at = text.indexOf(crlf, from)) {
        if (count < Capacity)
            m_lines[count] = {quint32(from), quint32(at - from)};
        ++count;
        from = at + 2;
    }
    m_wordCount = count;
    m_recordCount = 0;
    if (count > Capacity)
        return RuntimeError::outOfRange();
    return std::nullopt;
}

std::optional<WordList::Record> WordList::cutLine(Span lineSpan, RuntimeError &error) const
{
    const QStringView line = QStringView(m_text).mid(lineSpan.start, lineSpan.length);
    Record record;
    qsizetype from = 0;
    QStringView numbers[2];
    for (int f = 0; f < 6; ++f) {
        const qsizetype at = line.indexOf(QLatin1Char('@'), from);
        if (at < 0) {
            error = RuntimeError::invalidCall();
            return std::nullopt;
        }
        const Span span {quint32(lineSpan.start + from), quint32(at - from)};
        if (f < 4)
            record.fields[f] = span;
        else
            numbers[f - 4] = line.mid(from, at - from);
        from = at + 1;
    }
    record.fields[Categories] = {quint32(lineSpan.start + from), quint32(line.size() - from)};

    bool conjugatedOk = false;
    bool syllablesOk = false;
    record.isConjugated = numbers[0].trimmed().toInt(&conjugatedOk);
    record.syllableCount = numbers[1].trimmed().toInt(&syllablesOk);
    if (!conjugatedOk || !syllablesOk) {
        error = RuntimeError::typeMismatch();
        return std::nullopt;
    }
    return record;
}

std::optional<RuntimeError> WordList::cutLines()
{
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
