#pragma once

// "Option.ret" beside the program: sixteen lines, Windows-1252, CR LF, then
// keyed lines of later options. Lines 1 to 6 hold the preferences (read at
// start-up), lines 11 to 16 the search options of the main window, the line
// "Genre rime:" the rhyme-genre filter; the whole file is written at the exit.
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
std::optional<AppPreferences> readPreferences(const QString &filePath);

// The message shown when the preferences cannot be read.
QString unreadableMessage();

// Lines 11 to 16. Lines 11 to 13 ending in 0 clear their search type; when
// all three are cleared the rich rhymes come back, so that a search remains
// possible. Lines 14 and 15 must name an item of their list. The genre is
// the first line after them that starts with GenreKey, wherever it stands,
// when it names an item of the genre list.
SavedSearchOptions readSearchOptions(const QString &filePath);

// The whole file as it is written.
QByteArray compose(const AppPreferences &preferences, const SearchOptions &search);

// Writes the file through a temporary file renamed over the old one, so that
// a failed write (read-only directory, full disk) leaves the old file whole.
bool write(const QString &filePath, const AppPreferences &preferences, const SearchOptions &search);
} // namespace OptionsFile
