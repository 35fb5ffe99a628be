#pragma once

// The candidates of the synonyms page: the dictionary lines whose beginning
// matches the word being typed, rebuilt at each change of the word. The
// slots are never cleared: those after the last match keep the lines of
// earlier, longer searches, and the exact search may still find a word there.
#include "synonyms/BlockFolds.h"
#include "synonyms/SynonymList.h"

#include <QString>
#include <QStringList>

class CandidateLines {
public:
    static constexpr int Capacity = 3000;
    // A search stops collecting once every slot is taken.
    static constexpr int ShortestWord = 2;

    CandidateLines() : m_slots(Capacity) {}

    // Slot n of the candidates is lines()[n - 1].
    const QStringList &lines() const { return m_slots; }

    // Rebuilds the candidates for the lower-case word and returns their
    // headwords in block order. A word shorter than two characters, or one
    // whose first character selects no block, gives no headword and leaves
    // the slots as they were.
    QStringList candidateSearch(const SynonymList &list, const QString &word);
    // The same over one block, for a known fold.
    QStringList candidateSearch(const QStringList &block, const BlockFold &fold, const QString &word);
    QStringList candidateSearch(const SynonymBlock &block, const BlockFold &fold, const QString &word);

private:
    // lineAt(n, length): line n of the block, at least its first length
    // characters; the whole line when it is taken.
    template<typename LineAt>
    QStringList collect(qsizetype lineCount, LineAt lineAt, const BlockFold &fold, const QString &word);

    QStringList m_slots;
};

// True when the line's first characters, folded and lower-cased, equal the
// key; the whole line counts, "@" and synonyms included.
bool lineStartsWithKey(QStringView line, const BlockFold &fold, QStringView key);
