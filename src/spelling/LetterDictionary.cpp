#include "spelling/LetterDictionary.h"

#include "lexicon/TextCodec.h"

namespace LetterDictionary {

QString itemTypeForWord(QStringView word)
{
    if (word.isEmpty())
        return {};
    const QChar initial = word.front().toLower();
    if (initial < QLatin1Char('a') || initial > QLatin1Char('z'))
        return {};
    return QStringLiteral("DICO") + initial.toUpper();
}

int itemIdForType(QStringView type)
{
    return FirstItemId + (type.back().unicode() - 'A');
}

QStringList parseList(QByteArrayView bytes)
{
    const QString text = TextCodec::fromLatin1(bytes);
    const QLatin1StringView crlf("\r\n");
    QStringList words;
    words.reserve(int(bytes.size() / 10));
    qsizetype start = 0;
    for (qsizetype end = text.indexOf(crlf); end >= 0; end = text.indexOf(crlf, start)) {
        words.append(text.mid(start, end - start));
        start = end + crlf.size();
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
