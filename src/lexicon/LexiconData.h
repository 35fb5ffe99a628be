#pragma once

// Every store the loading stages fill: the word list, the two sound lists,
// the synonyms and the homonyms. Filled once at start-up, then only read.
#include "lexicon/SoundList.h"
#include "lexicon/WordList.h"
#include "synonyms/HomonymList.h"
#include "synonyms/SynonymList.h"

struct LexiconData {
    WordList words;
    SoundList exactSounds {SoundList::ExactCapacity};
    SoundList approxSounds {SoundList::ApproxCapacity};
    SynonymList synonyms;
    HomonymList homonyms;

    // The program's stores.
    static LexiconData &instance();
};
