#include "synonyms/WordGameLists.h"

#include "lexicon/DataItems.h"
#include "lexicon/DataSizes.h"
#include "lexicon/TextCodec.h"

namespace WordGameLists {

QStringList itemsOf(const std::optional<QByteArray> &bytes)
{
    QStringList items;
    if (!bytes)
        return items;
    for (QByteArray line : bytes->split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            items.append(TextCodec::fromWindows1252(line));
    }
    return items;
}

QStringList anacyclics()
{
    return itemsOf(DataItems::readNamed(QStringLiteral("anacycliques.txt")));
}

QStringList palindromes()
{
    return itemsOf(DataItems::readNamed(QStringLiteral("palindromes.txt")));
}

QString anacyclicCaption()
{
    return QString::number(DataSizes::kAnacyclicCount) + QStringLiteral(" anacycliques.");
}

QString palindromeCaption()
{
    return QString::number(DataSizes::kPalindromeCount) + QStringLiteral(" Palindromes.");
}

} // namespace WordGameLists
