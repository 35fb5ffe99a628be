#include "synonyms/HomonymPage.h"

#include "lexicon/TextReplace.h"
#include "synonyms/SynonymEntry.h"

QString HomonymResult::countSentence() const
{
    return QString::number(count) + (count == 1 ? QStringLiteral(" homonyme.") : QStringLiteral(" homonymes."));
}

namespace HomonymPage {

QStringList fillHomonymHeadwords(const HomonymList &list)
{
    QStringList headwords;
    const QStringList &entries = list.entries();
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        if (SynonymEntry::hasSeparator(*it))
            headwords.append(SynonymEntry::headwordOf(*it).toString());
    }
    return headwords;
}

HomonymResult showHomonyms(const HomonymList &list, const QString &clickedItem)
{
    HomonymResult result;
    const QString word = clickedItem.toLower();
    for (const QString &line : list.entries()) {
        if (!SynonymEntry::hasSeparator(line) || SynonymEntry::headwordOf(line) != word)
            continue;
        result.text = sChangeCaractere(SynonymEntry::wordsOf(line).toString(), QStringLiteral("\\"),
                                       QStringLiteral("\r\n"), &result.count);
    }
    return result;
}

} // namespace HomonymPage
