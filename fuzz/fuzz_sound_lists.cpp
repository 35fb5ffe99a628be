// The two rhyme-sound items, at their real capacities and at a tiny one.
#include "FuzzInput.h"
#include "lexicon/SoundList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray item = FuzzInput::bytes(data, size);
    SoundList exact(SoundList::ExactCapacity);
    exact.load(item, QStringLiteral("1_SONORES_EXACTES"), 101);
    SoundList approx(SoundList::ApproxCapacity);
    approx.load(item, QStringLiteral("2_SONORES_APP"), 102);
    SoundList tiny(3);
    tiny.load(item, QStringLiteral("2_SONORES_APP"), 102);
    if (tiny.entries().size() > 3)
        __builtin_trap();
    return 0;
}
