#pragma once

// The five "Plus d'info" texts of the main window's search options: rich
// rhyme, poor and sufficient rhymes, word endings, number of last letters,
// excluded conjugations. Lines are joined by CR LF.
#include <QString>

namespace HelpTexts {
constexpr int Count = 5;
// Text 0 to 4; an empty text outside that range.
QString text(int index);
} // namespace HelpTexts
