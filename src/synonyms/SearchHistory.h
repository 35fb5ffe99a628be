#pragma once

// The words searched since the synonyms window opened, no word twice, kept
// sorted for the drop-down list of the word box. It holds a fixed number of
// words; when it is full, the word searched longest ago leaves for the new one.
#include <QString>
#include <QStringList>
#include <QStringView>

class SearchHistory {
public:
    static constexpr int Capacity = 1000;

    enum class Outcome {
        First, // the history was empty: the word is its only entry
        Known, // already there: nothing changed
        Added  // added and sorted again
    };

    Outcome add(const QString &word);

    // Sorted by TriAlpha.
    const QStringList &words() const { return m_sorted; }
    int searchCount() const { return int(m_sorted.size()); }

private:
    QStringList m_sorted;
    QStringList m_byAge; // oldest first
};

// Order of the history: character by character on Windows-1252 codes, so
// capitals come before lower case and accented letters after "z"; a word
// that begins another comes first.
bool windows1252Less(QStringView a, QStringView b);
void TriAlpha(QStringList &words);
