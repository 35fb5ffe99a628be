// The comma-delimited field reader of the synonyms and homonyms files: read
// until it reports the end; every field must move it on.
#include "FuzzInput.h"
#include "synonyms/DelimitedFieldReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DelimitedFieldReader reader(FuzzInput::bytes(data, size), QStringLiteral("fuzz.ret"));
    RuntimeError error;
    size_t fields = 0;
    while (reader.next(error)) {
        if (++fields > size + 1)
            __builtin_trap();
    }
    return 0;
}
