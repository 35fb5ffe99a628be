#pragma once

// What the spelling of a word tells verse when the word list lacks it (proper
// names, rare forms): its syllables and the sound of its ending. Also the
// spelling facts every word needs in a line: its mute ending, its first
// letter, the readings a diérèse allows.
#include <QString>

// The mute ending of a written word, which counts inside a line only.
enum class MuteEnding {
    None,
    E,      // -e: counts before a consonant, elides before a vowel
    Es,     // -es: counts inside the line, before a vowel too
    Ent,    // silent -ent of a plural verb: counts inside the line
};

bool IsVowelLetter(QChar c);
// The mute ending of a word written in lower case; verb says whether a final
// -ent may be the silent verb ending. A mute e after a vowel ("vie", "joies")
// never counts, so it is None.
MuteEnding MuteEndingOf(const QString &word, bool verb);
// Syllables of a word at the end of a line, from its spelling.
int SpellingSyllables(const QString &word, bool verb);
// Glide spots where a diérèse adds a syllable ("lion", "nuées", "hier").
int DiaeresisSpots(const QString &word);
// Whether the diérèse is the classical reading: "-ion", "-ieux" after a
// consonant, "ruine", "lion", "hier".
bool DiaeresisPreferred(const QString &word);
// The exact and approximate rhyme sounds of a word's ending, in the
// program's notation, guessed from its spelling.
struct SpelledSound {
    QString exact;
    QString approx;
};
SpelledSound SpellingSound(const QString &word);
