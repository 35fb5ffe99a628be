#pragma once

// The genre of a rhyme, as classical verse alternates them: a feminine rhyme
// ends with a mute e (-e, -es, the silent -ent of verbs), every other rhyme
// is masculine. Computed from the headword and its line of the word list.
#include <QString>
#include <QStringView>
#include <optional>

class WordList;

enum class RhymeGenre { Masculine, Feminine };

// The genre of a headword whose line gives exactSound and categories. An
// expression takes the genre of its last word. A final -ent is silent when
// the line's sound does not end with a nasal vowel ('aiment' /ɛm/ against
// 'vent' /vɑ̃/ and 'vient' /vjɛ̃/); after an n ('donnent', 'éminent') and
// with no sound to go by, when the line is a verb. The -aient of the imperfect and conditional and 'soient' rhyme as
// masculine, as verse has always counted them; so do the little words whose
// only vowel is the e ('le', 'les', 'des').
RhymeGenre RhymeGenreOf(QStringView headword, QStringView exactSound, QStringView categories);
RhymeGenre RhymeGenreOf(const WordList &words, int index);

// The captions of the genre filter, in the order the list shows them.
inline const QString GenreAll = QStringLiteral("Toutes");
inline const QString GenreMasculineCaption = QStringLiteral("Masculine");
inline const QString GenreFeminineCaption = QStringLiteral("F\u00E9minine");

// "masculine" or "féminine", as the word details show it.
QString GenreName(RhymeGenre genre);
// The plain-letter value of the command line and of its JSON and export:
// "masculine" or "feminine".
QString GenreKeyword(RhymeGenre genre);
// The genre a filter caption asks for; nothing for "Toutes" or an unknown text.
std::optional<RhymeGenre> GenreForCaption(const QString &caption);
