#pragma once

// Spellings a typing slip away from a word: the same letters but for their
// accents, or one letter changed, added, dropped or two neighbours swapped,
// with "y" read as "i" ("poésy" for "poésie"). The similarity rate alone
// misses them when the slip changes the word's length or falls at its end,
// and lets far words through ahead of them; the automatic check puts them
// first.
#include "spelling/SpellCheck.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// Upper case without accents, "Œ" and "Æ" spelt out, "Y" read as "I".
QString SpellingSkeleton(QStringView word);

// Whether two skeletons are at most one slip apart (change, addition,
// removal, or swap of two neighbours).
bool OneSlipApart(QStringView a, QStringView b);

// The elements of the list a slip away from the word, those differing only
// by accents first, each group in list order; the word itself (but for its
// capitals) is never among them.
QStringList NearSpellings(const QString &word, const QStringList &list);

// SpellCheck, with the near spellings put ahead of the rated suggestions
// (each once, at most MaxSuggestions in all); a word with no rated
// suggestion but a near spelling is WordIncorrect.
SpellCheckResult SpellCheckWithNearSpellings(const QString &word, const QStringList &list, bool oneLetterOff,
                                             double minRate);
