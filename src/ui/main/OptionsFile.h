#pragma once

// "Option.ret" beside the program: sixteen lines, Windows-1252, CR LF. Lines
// 1 to 6 hold the preferences (read at start-up), lines 11 to 16 the search
// options of the main window; the whole file is written at the exit.
#include "lexicon/AppGlobals.h"

#include <QString>
#include <optional>

namespace OptionsFile {
QString path(const QString &appDir);

// The six preferences, each the last character of its line as a digit;
// nothing when the file is missing, too short or holds a non-digit there.
std::optional<AppPreferences> readPreferences(const QString &filePath);

// The message shown when the preferences cannot be read.
QString unreadableMessage();
} // namespace OptionsFile
