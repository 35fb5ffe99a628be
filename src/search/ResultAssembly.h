#pragma once

// The treatment every listed line shares: the filters, the padded headword
// and the fixed column layout of a result line, and the captions shown when
// a search ends.
#include "search/SearchParameters.h"

#include <QString>
#include <array>

class WordList;

// Syllable, category, conjugation and rhyme-genre filters, in this order.
bool PassesFilters(const WordList &words, int index, const SearchParameters &parameters);

inline constexpr int PaddedHeadwordWidth = 23;
// The headword with blanks up to 23 characters; a longer one is unchanged.
QString PaddedHeadword(const QString &headword);
// What two headwords share when they pad to the same text: the headword
// without its trailing blanks when it is padded, else the whole of it.
QStringView PaddingKey(QStringView headword);
// The deciphered headword of line index, padded.
QString PaddedHeadword(const WordList &words, int index);
// Padded headword, syllable count, 10 blanks, categories.
QString FormatResultLine(const WordList &words, int index, const QString &paddedHeadword);

// The three result lists, in the order the window shows them.
enum class ResultKind { Rich = 0, Approx = 1, Ending = 2 };
inline constexpr int ResultKindCount = 3;

// Captions of the end of a search, indexed by ResultKind: the count label
// above each list, its "Syllabes" column heading, and the sound line of the
// information panel. Count and heading stay empty for a kind not searched.
struct SearchSummary {
    std::array<QString, ResultKindCount> countLabel;
    std::array<QString, ResultKindCount> syllableLabel;
    std::array<QString, ResultKindCount> soundLabel;
};

SearchSummary Summary(const SearchParameters &parameters, const QString &queryExactSound,
                      const QString &queryApproxSound, const QString &endingKey,
                      int exactCount, int approxCount, int endingCount);

// "Aucune rime trouvée.", "Une rime trouvée." or "<n> rimes trouvées.".
QString CountCaption(int count);
// " <sound> ", or " Pas de rime. " for an empty sound.
QString SoundCaption(const QString &sound);
