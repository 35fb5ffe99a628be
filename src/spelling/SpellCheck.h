#pragma once

// The spelling verdict on one word, with the close spellings of its letter
// list as suggestions. Plain values in, plain values out: both spelling
// windows call it on the list they have just read.
#include <QString>
#include <QStringList>
#include <optional>

enum class SpellVerdict {
    WordValid,     // the word is in the list
    WordIncorrect, // it is not, and there are suggestions
    NoSuggestion,  // it is not, and nothing came close enough
};

struct SpellCheckResult {
    SpellVerdict verdict = SpellVerdict::NoSuggestion;
    // In list order; empty unless the verdict is WordIncorrect.
    QStringList suggestions;
};

// The rate, in percent, a word must reach to be suggested.
inline constexpr double DefaultMinRate = 80.0;
// Suggestions beyond this many are not collected (the scan goes on, so a
// later identical word still makes the word valid).
inline constexpr int MaxSuggestions = 100;

// One pass over the list: an element identical to the word but for its
// capitals (accents count) ends it with WordValid; otherwise the elements of the
// word's length, and with oneLetterOff those one character shorter or
// longer, whose rounded rate reaches minRate become suggestions.
SpellCheckResult SpellCheck(const QString &word, const QStringList &list, bool oneLetterOff, double minRate);

// The number at the start of a text, as the rate fields hold it ("80",
// "80.5 %"); 0 when the text does not start with one.
double LeadingNumber(QStringView text);

// The minimum rate a rate field asks for: its leading number, when it lies
// between 0 and 100. Nothing for a text that does not open with a number
// (a negative one included), nor for a larger number, however many digits it has
// (a number too long to read would otherwise come back as 0 and let every
// word of the length through).
std::optional<double> MinRateFromText(QStringView text);
