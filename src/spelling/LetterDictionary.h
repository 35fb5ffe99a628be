#pragma once

// The spelling lexicon: one word list per initial letter, built into the
// program as the data items "DICOA" (201) to "DICOZ" (226). A list is read
// afresh from its item at every check and belongs to the caller; nothing is
// kept between checks.
#include "lexicon/DataItems.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

namespace LetterDictionary {

inline constexpr int FirstItemId = 201;

// The item holding the words that start with the word's first character,
// lower-cased and without its accent, as the lists file their words:
// "DICOM" for 'maison' and 'Maison', "DICOE" for 'été' and 'Été', "DICOO"
// for 'œil'. Empty when that letter is not one of "a" to "z" (empty word,
// digit, hyphen...).
QString itemTypeForWord(QStringView word);
// The letter "a" to "z" a character is filed under: its base letter in
// lower case ("É" and "é" give "e", "œ" gives "o", "æ" "a"); a null
// character for anything else.
QChar baseLetter(QChar c);
// The numeric identifier that goes with an item type ("DICOA" is 201).
int itemIdForType(QStringView type);

// The words of one item: Latin-1 text, each word followed by CR LF. Whatever
// follows the last CR LF (nothing, or the zero bytes that pad the item) is
// not a word.
QStringList parseList(QByteArrayView bytes);

// The words a spelling check compares the word with. An empty list when no
// list goes with the word's initial; no value when the item cannot be read.
std::optional<QStringList> listForWord(QStringView word, const DataItemReader &readItem = DataItems::read);

} // namespace LetterDictionary
