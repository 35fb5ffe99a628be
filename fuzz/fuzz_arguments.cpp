// The rimes command line: arguments separated by zero bytes.
#include "FuzzInput.h"
#include "cli/RimesCommand.h"
#include "search/QueryPreparation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const RimesParse parse = ParseRimesArguments(FuzzInput::arguments(data, size));
    if (parse.ok() && parse.request.action == RimesRequest::Action::Search
        && parse.request.parameters.typedText.size() > InputMaxLength)
        __builtin_trap();
    return 0;
}
