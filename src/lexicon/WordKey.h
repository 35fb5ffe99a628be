#pragma once

// The key the headwords of the word list and of synonym blocks H, Q and U are
// enciphered with. The data build (tools/lexicon) reads this line to encipher
// the shipped data, so the key lives here and nowhere else.
inline constexpr char kWordKey[] = "MOISSONS";
