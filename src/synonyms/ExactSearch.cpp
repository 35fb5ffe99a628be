#include "synonyms/ExactSearch.h"

#include "synonyms/SynonymEntry.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");

QString sentenceFor(int count, const QString &headword)
{
    if (count == 1)
        return QStringLiteral("Un synonyme trouvé pour ''") + headword + QStringLiteral("''.");
    return QString::number(count) + QStringLiteral(" synonymes trouvés pour ''") + headword + QStringLiteral("''.");
}
} // namespace

QString ExactSearchResult::summary() const
{
    return sentence.left(ExactSearch::SentenceWidth);
}

QString ExactSearchResult::oneShotMessage() const
{
    QString head = sentence;
    if (head.endsWith(QLatin1Char('.')))
        head.chop(1);
    QString text = head.left(ExactSearch::SentenceWidth) + QStringLiteral(":      ") + kCrLf;
    if (synonyms.size() <= ExactSearch::OneALineMax) {
        for (const QString &synonym : synonyms)
            text += kCrLf + QStringLiteral("   ") + synonym;
        return text;
    }
    QString line;
    for (qsizetype i = 0; i < synonyms.size(); ++i) {
        const QString item = synonyms[i] + (i + 1 < synonyms.size() ? QStringLiteral(",") : QString());
        if (!line.isEmpty() && line.size() + 1 + item.size() > ExactSearch::SharedLineWidth) {
            text += kCrLf + QStringLiteral("   ") + line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + item;
    }
    text += kCrLf + QStringLiteral("   ") + line;
    return text;
}

namespace ExactSearch {

ExactSearchResult resultForLine(const QString &line)
{
    ExactSearchResult result;
    result.found = true;
    result.headword = SynonymEntry::headwordOf(line).toString().toLower();
    const QStringView words = SynonymEntry::wordsOf(line);
    if (!words.contains(SynonymEntry::WordSeparator)) {
        result.synonyms.append(words.toString());
    } else {
        for (const QStringView part : words.split(SynonymEntry::WordSeparator))
            result.synonyms.append(part.toString());
    }
    result.sentence = sentenceFor(int(result.synonyms.size()), result.headword);
    return result;
}

ExactSearchResult search(const QString &key, const QStringList &candidateSlots)
{
    const qsizetype reach = std::min<qsizetype>(Reach, candidateSlots.size());
    for (qsizetype i = 0; i < reach; ++i) {
        const QString &line = candidateSlots[i];
        if (!SynonymEntry::hasSeparator(line))
            break;
        if (SynonymEntry::headwordOf(line).toString().toLower() == key)
            return resultForLine(line);
    }
    return {};
}

} // namespace ExactSearch
