#pragma once

// What the rimes command is asked to do, read from its arguments. Option
// names and messages are French, like the rest of the program.
#include "search/SearchParameters.h"

#include <QString>
#include <QStringList>

struct RimesRequest {
    enum class Action { Search, Export, Help, Version, Scan };
    Action action = Action::Search;
    SearchParameters parameters;   // typedText holds the word as filtered
    QString givenWord;             // the word as given, before filtering
    bool json = false;
    QString scanFile;              // --scander: the poem to scan, "-" for stdin
    // Notes for stderr: the word changed by the filter or cut to the box's length.
    QStringList notes;
};

struct RimesParse {
    RimesRequest request;
    QString error;   // French message; empty when the arguments are good
    bool ok() const { return error.isEmpty(); }
};

// Exit statuses of the command.
namespace RimesExit {
inline constexpr int Results = 0;
inline constexpr int NothingFound = 1;
inline constexpr int BadArguments = 2;
inline constexpr int DataUnreadable = 3;
inline constexpr int OutputFailed = 4;
} // namespace RimesExit

// arguments without the program name.
RimesParse ParseRimesArguments(const QStringList &arguments);

QString RimesHelpText();
