// listhomo.ret: the homonyms stage, then the homonyms page.
#include "FuzzInput.h"
#include "synonyms/HomonymList.h"
#include "synonyms/HomonymPage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    HomonymList list;
    list.loadBytes(FuzzInput::bytes(data, size), QStringLiteral("listhomo.ret"));
    const QStringList headwords = HomonymPage::fillHomonymHeadwords(list);
    for (qsizetype i = 0; i < headwords.size() && i < 8; ++i)
        HomonymPage::showHomonyms(list, headwords[i]);
    return 0;
}
