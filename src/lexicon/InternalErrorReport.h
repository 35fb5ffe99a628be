#pragma once

// The one way a failure of the loading stages (and of the synonym lookup) is
// recorded: the internal code of the place, the error number and its text.
// The last report stays until the next one overwrites it.
#include "lexicon/RuntimeError.h"

#include <QString>

struct InternalErrorReport {
    QString errorCode;
    int errorNumber = 0;
    QString errorText;
    // Set when the synonyms or homonyms file could not be read; the synonyms
    // window then says so and leaves its homonym list empty.
    bool dataLoadFailed = false;
    // Set when the synonyms file itself could not be read; the synonyms
    // window then keeps its search buttons off. A homonyms file that fails
    // alone leaves the synonym search working.
    bool synonymsLoadFailed = false;

    void record(const RuntimeError &error, const QString &code);

    static InternalErrorReport &instance();
};

namespace ErrorTexts {
// The report shown in the error window.
QString errorWindowText(const InternalErrorReport &report);
// True when the code names a loading stage (101 to 109): the loading window
// then offers its emergency stop.
bool stopsLoading(const QString &errorCode);

enum class DataFile { Synonyms, Homonyms };
// The message box of a missing or truncated synonyms or homonyms file.
QString fileErrorMessage(const InternalErrorReport &report, DataFile file);
// The message box of a failure in the synonyms window (code "017").
QString synonymErrorMessage(const InternalErrorReport &report);
} // namespace ErrorTexts
