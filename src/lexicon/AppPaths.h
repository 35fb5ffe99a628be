#pragma once

// Where the program's files live. The data files (synonyms, homonyms, the
// help pages, the default options file) are looked for beside the program
// first, so that the build tree and a portable copy work as they are, then in
// the installed data folder, "share/versalune" under the install prefix,
// found from the program's own folder. The options file and the first-start
// marker stay beside the program when that folder is writable and already
// holds the options file (portable use); otherwise they live in the user's
// configuration folder, "versalune" under $XDG_CONFIG_HOME (~/.config).
// Every folder is given with a trailing "/".
#include <QString>

namespace AppPaths {

inline constexpr char OptionsFileName[] = "Option.ret";

// The installed data folder of a program installed in appDir.
QString installedDataDir(const QString &appDir);

// The file `name` (it may hold a subfolder, "help/index.html") beside the
// program, else in the installed data folder. When it is in neither, the
// path beside the program, so that the failure names the first place looked.
QString dataFile(const QString &appDir, const QString &name);

// The user's configuration folder for the program.
QString userConfigDir();

// True when the options are kept beside the program.
bool isPortable(const QString &appDir);

// The folder of the options file and the first-start marker.
QString settingsDir(const QString &appDir, const QString &configDir = userConfigDir());

// The options file to read at start-up: the one in the settings folder, or,
// until the program first writes it there, the default shipped with the data.
QString optionsFileToRead(const QString &appDir, const QString &settingsDir);

// Creates the settings folder when missing; false when it cannot be made.
bool makeSettingsDir(const QString &settingsDir);

} // namespace AppPaths
