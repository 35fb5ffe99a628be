#pragma once

// "Option.ret" beside the program: Windows-1252, CR LF. Lines 1 to 6 hold the
// preferences (read at start-up), lines 11 to 16 the search options of the
// main window. Later choices (the rhyme genre, the order, the window size)
// follow as lines found by their key ("Ordre alpha:1"), so that a file
// written before they existed still reads (each missing line gives its
// default) and lines of any order or number may follow the sixteenth. The whole file is written at the exit.
#include "lexicon/AppGlobals.h"

#include <QString>
#include <QStringList>
#include <optional>

// The six search options as the main window's controls hold them.
struct SearchOptions {
    bool richRhymes = true;
    bool approxRhymes = true;
    bool wordEndings = true;
    QString syllableFilter = QStringLiteral("Toutes");
    QString categoryFilter = QStringLiteral("Toutes");
    bool excludeConjugated = false;
    // "Toutes", "Masculine" or "Féminine".
    QString genreFilter = QStringLiteral("Toutes");

    bool operator==(const SearchOptions &) const = default;
};

// The search options found in the file, in file order. Reading stops at the
// first bad line: the values read before it are kept, the others stay empty.
struct SavedSearchOptions {
    std::optional<bool> richRhymes;
    std::optional<bool> approxRhymes;
    std::optional<bool> wordEndings;
    std::optional<QString> syllableFilter;
    std::optional<QString> categoryFilter;
    std::optional<bool> excludeConjugated;
    // Its own keyed line after the sixteen; a file written before the genre
    // list existed has none, and the list stays at "Toutes".
    std::optional<QString> genreFilter;

    // True when every one of the sixteen lines could be read.
    bool complete() const { return excludeConjugated.has_value(); }
};

// The main window's size as the user left it; an empty size means the
// design size.
struct MainWindowSize {
    int width = 0;
    int height = 0;
    bool maximised = false;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool operator==(const MainWindowSize &) const = default;
};

namespace OptionsFile {
QString path(const QString &appDir);

// The items of the syllable and category lists, in their order.
const QStringList &syllableItems();
const QStringList &categoryItems();
const QStringList &genreItems();
// The key of the genre line, written after line 16.
inline const QString GenreKey = QStringLiteral("Genre rime:");

// The six preferences, each the last character of its line as a digit;
// nothing when the file is missing, too short or holds a non-digit there.
// The keyed preferences after line 16 are taken when present and valid.
std::optional<AppPreferences> readPreferences(const QString &filePath);

// The message shown when the preferences cannot be read.
QString unreadableMessage();

// Lines 11 to 16. Lines 11 to 13 ending in 0 clear their search type; when
// all three are cleared the rich rhymes come back, so that a search remains
// possible. Lines 14 and 15 must name an item of their list. The genre is
// the first line after them that starts with GenreKey, wherever it stands,
// when it names an item of the genre list.
SavedSearchOptions readSearchOptions(const QString &filePath);

// The keyed window size lines; the design size when missing or bad.
MainWindowSize readWindowSize(const QString &filePath);

// The whole file as it is written.
QByteArray compose(const AppPreferences &preferences, const SearchOptions &search,
                   const MainWindowSize &windowSize = {});

// Writes the file through a temporary file renamed over the old one, so that
// a failed write (read-only directory, full disk) leaves the old file whole.
bool write(const QString &filePath, const AppPreferences &preferences, const SearchOptions &search,
           const MainWindowSize &windowSize = {});
} // namespace OptionsFile
