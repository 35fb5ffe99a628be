#include "spelling/LetterDictionary.h"

#include "lexicon/TextCodec.h"

namespace LetterDictionary {

QChar baseLetter(QChar c)
{
    QChar lower = c.toLower();
    if (lower == QChar(0x0153))
        return QLatin1Char('o');
    if (lower == QChar(0x00E6))
        return QLatin1Char('a');
    // An accented letter decomposes into its base letter and the accent.
    const QString decomposed = lower.decomposition();
    if (!decomposed.isEmpty() && lower.decompositionTag() == QChar::Canonical)
        lower = decomposed.front();
    if (lower < QLatin1Char('a') || lower > QLatin1Char('z'))
        return {};
    return lower;
}

QString itemTypeForWord(QStringView word)
{
    if (word.isEmpty())
        return {};
    const QChar initial = baseLetter(word.front());
    if (initial.isNull())
        return {};
    return QStringLiteral("DICO") + initial.toUpper();
}

int itemIdForType(QStringView type)
{
    return FirstItemId + (type.back().unicode() - 'A');
}

QStringList parseList(QByteArrayView bytes)
{
    // Cut on the bytes, then decode each word: the largest list has tens of
    // thousands of words and is read at every check.
    QStringList words;
    words.reserve(bytes.count('\n'));
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf("\r\n"); end >= 0; end = bytes.indexOf("\r\n", start)) {
        words.append(TextCodec::fromLatin1(bytes.sliced(start, end - start)));
        start = end + 2;
    }
    return words;
}

std::optional<QStringList> listForWord(QStringView word, const DataItemReader &readItem)
{
    const QString type = itemTypeForWord(word);
    if (type.isEmpty())
        return QStringList();
    const std::optional<QByteArray> item = readItem(type, itemIdForType(type));
    if (!item)
        return std::nullopt;
    return parseList(*item);
}

} // namespace LetterDictionary
