#pragma once

// What happens to the typed word before a search: the input box keeps only
// the program's alphabet, and a search turns the text into a search key in
// the spelling of the word list's written tails.
#include <QString>

// The 83 characters the input box accepts: letters, the accented letters
// "éèçàùâêîôûäëïöü" in small and capital forms (a word that opens a line of
// verse has its capital: 'Été', 'Âme') and the hyphen.
const QString &AllowedInputCharacters();
bool IsAllowedInputCharacter(QChar c);

// The input box holds at most this many characters, room for the longest
// words and for expressions (the key reads only their end); a search needs
// at least MinimumSearchLength of them, so that 'or', 'an', 'eu' rhyme too.
inline constexpr int InputMaxLength = 40;
inline constexpr int MinimumSearchLength = 2;

// The input filter: every character outside the alphabet removed. The
// ligatures are spelled out first ("œ" as "oe", "æ" as "ae", "Œ" as "Oe",
// "Æ" as "Ae"), as the word list writes them, so that 'cœur' stays a word.
// A text holding an apostrophe (' or ’) keeps only its last word, the one
// after the last apostrophe: 'l'eau' rhymes as 'eau', 'aujourd'hui' as 'hui'.
// The text is not shortened; the input box cuts it to InputMaxLength.
QString FilterInputText(const QString &text);

// The last word of a text holding an apostrophe, or the whole text.
QString LastWordAfterApostrophe(const QString &text);

// The text with its accents composed and its ligatures written out as the
// word list writes them ("cœur" is "coeur"): nothing removed yet.
QString SpellOutLigatures(const QString &text);

// The input box's own filter: the alphabet and the apostrophe (the
// typographic one made plain), so that the poet sees "l'eau" or
// "aujourd'hui" as typed; FilterInputText of it is the word searched.
QString FilterInputBoxText(const QString &text);

// The search key: the text in lower case (the word list is, and 'Lune' at
// the start of a line rhymes as 'lune'), endings sounding like "é" and "o"
// rewritten, the last seven characters kept, accents folded as in the
// written tails, hyphens turned into blanks. A pure function of the text as
// typed.
QString PrepareSearchKey(const QString &typedText);
