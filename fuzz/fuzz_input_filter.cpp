// What the user types: the input box's filter, the search key made from it
// (and from unfiltered text too), and the spelling window's filter.
#include "FuzzInput.h"
#include "search/QueryPreparation.h"
#include "spelling/SpellingInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = FuzzInput::text(data, size);
    const QString filtered = FilterInputText(typed);
    for (const QChar c : filtered) {
        if (!IsAllowedInputCharacter(c))
            __builtin_trap();
    }
    PrepareSearchKey(filtered.left(InputMaxLength));
    PrepareSearchKey(typed);
    SpellingInput::filter(typed);
    return 0;
}
