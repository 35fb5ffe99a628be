// The word list item: both loading stages, every field of every record,
// then a whole search over what was loaded.
#include "FuzzInput.h"
#include "lexicon/WordList.h"
#include "search/SearchRun.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    WordList words;
    words.readLines(FuzzInput::bytes(data, size));
    words.cutLines();
    for (int i = 0; i < words.wordCount(); ++i) {
        (void)words.headword(i);
        (void)words.line(i);
        (void)words.categories(i);
    }
    for (const char *typed : {"porte", "mer", "abaisse"}) {
        SearchParameters parameters;
        parameters.typedText = QString::fromLatin1(typed);
        SearchRun run(words, parameters);
        run.runAll();
        (void)run.summary();
    }
    return 0;
}
