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

template<typename LineAt>
QStringList CandidateLines::collect(qsizetype lineCount, LineAt lineAt, const BlockFold &fold, const QString &word)
{
    if (word.size() < ShortestWord)
        return {};
    const QString key = fold.apply(word);
    QStringList headwords;
    int k = 0;
    for (qsizetype n = 0; n < lineCount; ++n) {
        if (k == Capacity)
            break;
        if (!lineStartsWithKey(lineAt(n, key.size()), fold, key))
            continue;
        const QString line = lineAt(n, -1);
        m_slots[k++] = line;
        headwords.append(SynonymEntry::headwordOf(line).toString());
    }
    return headwords;
}

QStringList CandidateLines::candidateSearch(const QStringList &block, const BlockFold &fold, const QString &word)
{
    return collect(block.size(), [&](qsizetype n, qsizetype) { return block[n]; }, fold, word);
}

QStringList CandidateLines::candidateSearch(const SynonymBlock &block, const BlockFold &fold, const QString &word)
{
    // Only the first characters of a line are decoded to compare it.
    return collect(block.size(), [&](qsizetype n, qsizetype length) { return block.start(n, length); }, fold,
                   word);
}
