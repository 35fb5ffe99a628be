#include "lexicon/LexiconData.h"

LexiconData &LexiconData::instance()
{
    static LexiconData data;
    return data;
}
