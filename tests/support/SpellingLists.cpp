#include "support/SpellingLists.h"

#include "lexicon/TextCodec.h"

namespace TestSupport {

QByteArray spellingListItem(const QStringList &words, int padding)
{
    QByteArray item;
    for (const QString &word : words)
        item += TextCodec::toLatin1(word) + "\r\n";
    return item + QByteArray(padding, '\0');
}

DataItemReader SpellingLists::reader()
{
    return [this](const QString &type, int id) -> std::optional<QByteArray> {
        ++reads;
        lastType = type;
        lastId = id;
        const auto found = lists.constFind(type);
        if (found == lists.constEnd())
            return std::nullopt;
        return spellingListItem(*found, 3);
    };
}

} // namespace TestSupport
