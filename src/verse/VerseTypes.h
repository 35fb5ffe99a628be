#pragma once

// What the scansion of a poem gives for each line: the words and their
// syllables, the line's count, its rhyme and the classical warnings. Plain
// values, filled by PoemScanner and read by the poem window and rimes.
#include "search/RhymeGenre.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// The classical checks the poet may switch off one by one.
struct VerseOptions {
    bool genreAlternation = true;   // two successive rhymes of the same genre
    bool singularPlural = true;     // -s, -x, -z rhyming with a bare ending
    bool selfRhyme = true;          // a word rhyming with itself
    bool hiatus = true;             // a spoken final vowel before a vowel
    bool offMetre = true;           // a line whose count is not the metre
    bool caesura = true;            // no word end at the 6th (12) or 4th (10)
};

enum class VerseWarningCode { GenreAlternation, SingularPlural, SelfRhyme, Hiatus, OffMetre, Caesura };

struct VerseWarning {
    VerseWarningCode code = VerseWarningCode::OffMetre;
    int word = -1;     // the word the warning is about, -1 for the whole line
    QString text;      // French, for a tooltip or a status line
};

// Plain-letter key of a warning code: "alternance", "singulier-pluriel",
// "rime-du-meme-mot", "hiatus", "hors-metre", "cesure".
QString VerseWarningKey(VerseWarningCode code);

enum class RhymeQuality { Poor, Sufficient, Rich };
// "pauvre", "suffisante", "riche".
QString RhymeQualityKeyword(RhymeQuality quality);

// One word of a line, as the scansion counted it.
struct ScannedWord {
    QString text;          // as written, without the punctuation around it
    int start = 0;         // position of text in the line
    QList<int> counts;     // the readings this word allows here, preferred first
    int chosen = 0;        // the count the poem pass kept (an override wins)
    bool elided = false;   // its final mute e is elided before the next word
    bool known = false;    // found in the word list (otherwise counted by spelling)
    bool muteCounted = false;  // its last counted syllable is a mute e
    bool ambiguous() const { return counts.size() > 1; }
};

// The scansion of one line, on its own (no metre, no rhyme partner yet).
struct LineScan {
    QString text;
    QList<ScannedWord> words;
    QList<int> possibleCounts;   // every total the readings allow, ascending
    int syllables = 0;           // total of the chosen readings
    int caesuraWordEnd = 0;      // syllables up to the word end nearest the middle
    // The rhyme of the line: its last word (and the clitic after it).
    QString rhymeWord;
    QString exactSound;
    QString approxSound;
    QString lastVowel;           // the last spoken vowel, in the sound notation
    QStringList soundPhonemes;   // exactSound read back as phonemes
    QString rhymeKey;            // what a partner must share (last vowel on, genre)
    QString categories;          // the word list's categories of the rhyme word
    RhymeGenre genre = RhymeGenre::Masculine;
    bool plural = false;         // written ending in s, x or z
    QList<int> hiatusAt;         // words whose end meets the next word's vowel
    bool blank() const { return words.isEmpty(); }
};

// A line in its poem: the line scan plus what the poem pass adds.
struct PoemLine {
    LineScan scan;
    int stanza = 0;               // 0-based; blank lines belong to no stanza
    int metre = 0;                // the count the line is judged against, 0 when none
    QString rhymeLetter;          // "A", "B", … or empty when the line has no partner
    int partner = -1;             // the line it rhymes with, -1 when none
    std::optional<RhymeQuality> quality;
    QList<VerseWarning> warnings;
};

// The poet's choice of a word's count, keyed by (line, word index).
using VerseOverrides = QMap<std::pair<int, int>, int>;
