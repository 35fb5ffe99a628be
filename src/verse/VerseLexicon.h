#pragma once

// What verse needs of the word list, looked up by written form: the verse
// syllables, the rhyme sounds, the categories and the genre. Built once from
// the word list; words it lacks are counted from their spelling.
#include "search/RhymeGenre.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

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
    explicit VerseLexicon(const WordList &words);
    // The lexicon of the program's word list, built on first use.
    static const VerseLexicon &shipped();

    // The lines of a form (lower case), empty when the list lacks it.
    QList<VerseEntry> entries(const QString &form) const { return m_entries.value(form); }
    bool contains(const QString &form) const { return m_entries.contains(form); }
    // Words whose h is aspirated ("haine", "héros"): no elision before them.
    bool hasAspiratedH(const QString &form) const;

private:
    QHash<QString, QList<VerseEntry>> m_entries;
    QSet<QString> m_aspirated;
    QSet<QString> m_aspiratedStems;   // "hant" of hanter: "hantait", "hantent"
};
