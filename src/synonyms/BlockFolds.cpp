#include "synonyms/BlockFolds.h"

namespace {
BlockFold fold(char block, std::initializer_list<std::pair<char16_t, char16_t>> replacements = {})
{
    BlockFold result;
    result.blockIndex = block - 'a';
    for (const auto &[from, to] : replacements)
        result.replacements[result.replacementCount++] = {QChar(from), QChar(to)};
    return result;
}
} // namespace

QString BlockFold::apply(QStringView text) const
{
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = apply(text[i]);
    return result;
}

std::optional<BlockFold> blockFoldFor(QChar firstCharacter)
{
    switch (firstCharacter.unicode()) {
    case u'a': case u'à': case u'â':
        return fold('a', {{u'à', u'a'}, {u'â', u'a'}});
    case u'c': case u'ç':
        return fold('c', {{u'ç', u'c'}});
    case u'e': case u'é': case u'è': case u'ê':
        return fold('e', {{u'ê', u'e'}, {u'é', u'e'}, {u'è', u'e'}});
    case u'i':
        return fold('i', {{u'î', u'i'}});
    case u'o': case u'ô':
        return fold('o', {{u'ô', u'o'}});
    default:
        break;
    }
    const char16_t c = firstCharacter.unicode();
    if (c >= u'b' && c <= u'z')
        return fold(char(c));
    return std::nullopt;
}
