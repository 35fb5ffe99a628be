#pragma once

// The shipped word list, loaded once for the verse tests.
#include "lexicon/DataItems.h"
#include "lexicon/LexiconData.h"
#include "verse/VerseLexicon.h"

inline bool LoadShippedWords()
{
    WordList &words = LexiconData::instance().words;
    if (words.recordCount() > 0)
        return true;
    if (words.readLines(DataItems::read(DataItems::WordListType, DataItems::WordListId)))
        return false;
    return !words.cutLines();
}
