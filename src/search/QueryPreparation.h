#pragma once

// What happens to the typed word before a search: the input box keeps only
// the program's alphabet, and a search turns the text into a search key in
// the spelling of the word list's written tails.
#include <QString>

// The 68 characters the input box accepts: letters, the accented small
// letters "éèçàùâêîôûäëïöü" and the hyphen.
const QString &AllowedInputCharacters();
bool IsAllowedInputCharacter(QChar c);

// The input box holds at most this many characters; a search needs at least
// MinimumSearchLength of them.
inline constexpr int InputMaxLength = 16;
inline constexpr int MinimumSearchLength = 3;

// The input filter: every character outside the alphabet removed. The
// ligatures are spelled out first ("œ" as "oe", "æ" as "ae", "Œ" as "Oe",
// "Æ" as "Ae"), as the word list writes them, so that 'cœur' stays a word.
// The text is not shortened; the input box cuts it to InputMaxLength.
QString FilterInputText(const QString &text);

// The search key: endings sounding like "é" and "o" rewritten, the last
// seven characters kept, accents folded as in the written tails, hyphens
// turned into blanks. A pure function of the text as typed.
QString PrepareSearchKey(const QString &typedText);
