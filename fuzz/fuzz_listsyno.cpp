// listsyno.ret: the five reading stages, then the lookup as the user types.
#include "FuzzInput.h"
#include "synonyms/CandidateLines.h"
#include "synonyms/ExactSearch.h"
#include "synonyms/SynonymList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SynonymList list;
    list.openBytes(FuzzInput::bytes(data, size), QStringLiteral("listsyno.ret"));
    for (const auto &[first, last] : {std::pair {'A', 'C'}, {'D', 'E'}, {'F', 'L'}, {'M', 'Q'}, {'R', 'Z'}})
        list.readBlocks(first, last);
    list.close();
    CandidateLines candidates;
    for (const char *word : {"amot1", "hmot", "ab", "unanimité"}) {
        candidates.candidateSearch(list, QString::fromUtf8(word));
        ExactSearch::search(QString::fromUtf8(word), candidates.lines());
    }
    return 0;
}
