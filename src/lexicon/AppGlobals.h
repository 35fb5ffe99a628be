#pragma once

// Values shared by the whole program: where it finds its files, the title of
// its message boxes, its version, the preferences read at start-up and the
// few values that pass between windows.
#include <QString>
#include <QStringList>

struct AppPreferences {
    int theme = 1;
    int saveSearchOptions = 1;
    int showDuplicates = 0;
    int showSecondaryMessages = 1;
    int spellCheckOn = 0;
    int spellPlusMinusOne = 1;
    // Read from keyed lines after the sixteenth; an older file has none and
    // keeps these defaults: lists by commonness, stages with their pauses.
    int alphabeticalOrder = 0;
    int resultsAtOnce = 0;
    // The desktop's window frames and palette instead of the program's own
    // dress; taken at start-up.
    int desktopLook = 0;
    // The poem workbench's classical checks, one "0"/"1" each in this order:
    // genre alternation, singular and plural, self rhyme, hiatus, off the
    // metre, caesura. All on unless the poet switched some off.
    QString atelierWarnings = QStringLiteral("111111");
    // The poems last opened or saved in the workbench, the latest first.
    QStringList recentPoems {};

    bool operator==(const AppPreferences &) const = default;
};

struct AppGlobals {
    static constexpr const char *MessageTitle = "Versalune";
    static constexpr const char *AppVersion = "2.52";
    static constexpr const char *PublisherWebAddress = "https://www.versalune.fr";

    // The directory of the executable, with a trailing "/".
    QString appDir;
    // The folder of the options file and the first-start marker, set at
    // start-up (AppPaths); left empty, they are kept in appDir.
    QString settingsDir;
    QString settingsFolder() const { return settingsDir.isEmpty() ? appDir : settingsDir; }
    AppPreferences preferences;

    // Hand-offs between windows.
    int messageAnswer = 0;
    QString wordToCheck;
    bool spellingDone = false;
    QString synonymQueryWord;
    bool synonymQueryPending = false;

    static AppGlobals &instance();
    static QString messageTitle() { return QString::fromLatin1(MessageTitle); }
    static QString appVersion() { return QString::fromLatin1(AppVersion); }
};
