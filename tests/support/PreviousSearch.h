#pragma once

// The search as it was made before the scans read the stored bytes: every
// comparison on the decoded text of the word list. Tests run it beside
// SearchRun and expect the same three lists, line for line.
#include "search/ResultAssembly.h"
#include "search/SearchParameters.h"

#include <QStringList>
#include <array>

class WordList;

struct PreviousSearchResult {
    QString exactSound;
    QString approxSound;
    QString endingKey;
    std::array<QStringList, ResultKindCount> lines;
};

PreviousSearchResult RunPreviousSearch(const WordList &words, const SearchParameters &parameters);
