#include "synonyms/CandidateLines.h"

#include "synonyms/SynonymEntry.h"

bool lineStartsWithKey(QStringView line, const BlockFold &fold, QStringView key)
{
    if (line.size() < key.size())
        return false;
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (fold.apply(line[i]).toLower() != key[i])
            return false;
    }
    return true;
}

QStringList CandidateLines::candidateSearch(const SynonymList &list, const QString &word)
{
    if (word.size() < ShortestWord)
        return {};
    const std::optional<BlockFold> fold = blockFoldFor(word.front());
    if (!fold)
        return {};
    return candidateSearch(list.block(fold->blockIndex), *fold, word);
}

QStringList CandidateLines::candidateSearch(const QStringList &block, const BlockFold &fold, const QString &word)
{
    if (word.size() < ShortestWord)
        return {};
    const QString key = fold.apply(word);
    QStringList headwords;
    int k = 0;
    for (const QString &line : block) {
        if (k == Capacity)
            break;
        if (!lineStartsWithKey(line, fold, key))
            continue;
        m_slots[k++] = line;
        headwords.append(SynonymEntry::headwordOf(line).toString());
    }
    return headwords;
}
