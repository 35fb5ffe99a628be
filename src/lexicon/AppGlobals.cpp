#include "lexicon/AppGlobals.h"

AppGlobals &AppGlobals::instance()
{
    static AppGlobals globals;
    return globals;
}
