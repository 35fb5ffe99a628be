#pragma once

// What verse needs of the word list, looked up by written form: the verse
// syllables, the rhyme sounds, the categories and the genre. It holds an
// index of the list's lines by written form and reads a line's fields when
// they are asked for; words the list lacks are counted from their spelling.
#include "search/RhymeGenre.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

#include <vector>

class WordList;

struct VerseEntry {
    int syllables = 0;        // as the word counts at the end of a line
    QString exactSound;
    QString approxSound;
    QString categories;
    bool conjugated = false;
    RhymeGenre genre = RhymeGenre::Masculine;
};

class VerseLexicon {
public:
    // The word list must outlive the lexicon.
    explicit VerseLexicon(const WordList &words);
    // The lexicon of the program's word list, built on first use.
    static const VerseLexicon &shipped();

    // The lines of a form (lower case), empty when the list lacks it.
    QList<VerseEntry> entries(const QString &form) const;
    bool contains(const QString &form) const { return firstLineOf(form) >= 0; }
    // Words whose h is aspirated ("haine", "héros"): no elision before them.
    bool hasAspiratedH(const QString &form) const;

private:
    // The first line of a form and the next line of the same form, -1 when
    // there is none.
    int firstLineOf(const QString &form) const;
    int nextLineOf(const QString &form, int line) const;
    bool lineIsOf(int line, const QString &form) const;

    const WordList &m_words;
    // Lines by the hash of their form: the first line of each hash, and for
    // each line the next one of its hash, in list order.
    QHash<quint64, int> m_firstLine;
    std::vector<int> m_nextLine;
    QSet<QString> m_aspirated;
    QSet<QString> m_aspiratedStems;   // "hant" of hanter: "hantait", "hantent"
};
