// A per-letter spelling list, then a spelling check against it.
#include "FuzzInput.h"
#include "spelling/LetterDictionary.h"
#include "spelling/SpellCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList list = LetterDictionary::parseList(FuzzInput::bytes(data, size));
    SpellCheck(QStringLiteral("maison"), list, true, DefaultMinRate);
    if (!list.isEmpty())
        SpellCheck(list.first(), list, false, 0.0);
    return 0;
}
