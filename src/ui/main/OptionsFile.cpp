#include "ui/main/OptionsFile.h"

#include "lexicon/RegularFile.h"
#include "lexicon/TextCodec.h"
#include "search/RhymeGenre.h"

#include <QRegularExpression>
#include <QSaveFile>

namespace {
// Only the first lines matter; a huge file is not read whole.
constexpr qint64 kReadLimit = 64 * 1024;

std::optional<QStringList> readLines(const QString &filePath)
{
    // Anything but a regular file (a pipe would hold the start for ever)
    // counts as unreadable, and the defaults apply.
    const RegularFileRead file = ReadRegularFile(filePath, kReadLimit);
    if (!file.ok())
        return std::nullopt;
    const QString text = TextCodec::fromWindows1252(file.bytes);
    if (text.contains(QStringLiteral("\r\n")))
        return text.split(QStringLiteral("\r\n"));
    return text.split(QLatin1Char('\n'));
}

// The last character of a line as a digit; nothing for an empty line or a
// last character that is not a digit.
std::optional<int> lastDigit(const QString &line)
{
    if (line.isEmpty())
        return std::nullopt;
    const QChar last = line.back();
    if (last < QLatin1Char('0') || last > QLatin1Char('9'))
        return std::nullopt;
    return last.digitValue();
}

// The text after the first ":" when it is an item of the list.
std::optional<QString> listItem(const QString &line, const QStringList &items)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const QString value = line.mid(colon + 1);
    if (!items.contains(value))
        return std::nullopt;
    return value;
}

// The lines after the sixteenth carry their key; the first line starting
// with the key gives the text after it.
constexpr int kFixedLines = 16;
const QString kAlphabeticalKey = QStringLiteral("Ordre alpha:");
const QString kAtOnceKey = QStringLiteral("Sans attente:");
const QString kDesktopLookKey = QStringLiteral("Apparence bureau:");
const QString kAtelierWarningsKey = QStringLiteral("Alertes atelier:");
const QString kRecentPoemsKey = QStringLiteral("Po\u00E8mes r\u00E9cents:");
constexpr int kRecentPoemsKept = 5;
const QChar kPathSeparator = u'\t';
const QString kWindowSizeKey = QStringLiteral("Taille fen\u00EAtre:");
const QString kMaximisedKey = QStringLiteral("Fen\u00EAtre agrandie:");

std::optional<QString> keyedValue(const QStringList &lines, const QString &key)
{
    for (qsizetype i = kFixedLines; i < lines.size(); ++i) {
        if (lines[i].startsWith(key))
            return lines[i].mid(key.size());
    }
    return std::nullopt;
}

// A keyed flag: "0" or "1", else the default.
int keyedFlag(const QStringList &lines, const QString &key, int defaultValue)
{
    const auto value = keyedValue(lines, key);
    if (value == QStringLiteral("0"))
        return 0;
    if (value == QStringLiteral("1"))
        return 1;
    return defaultValue;
}

// Six "0"/"1" characters, else every check on.
QString keyedWarningFlags(const QStringList &lines, const QString &key, const QString &defaultValue)
{
    static const QRegularExpression sixFlags(QStringLiteral("^[01]{6}$"));
    const auto value = keyedValue(lines, key);
    if (value && sixFlags.match(*value).hasMatch())
        return *value;
    return defaultValue;
}

// A path goes in the file only when the file's encoding keeps it whole and
// nothing in it could be taken for the separator or a line end.
bool writablePath(const QString &path)
{
    if (path.isEmpty())
        return false;
    for (const QChar c : path) {
        if (c == kPathSeparator || c == u'\r' || c == u'\n' || TextCodec::windows1252Code(c) < 0)
            return false;
    }
    return true;
}

QStringList recentPoems(const QStringList &lines)
{
    QStringList paths;
    const auto value = keyedValue(lines, kRecentPoemsKey);
    if (!value)
        return paths;
    for (const QString &path : value->split(kPathSeparator, Qt::SkipEmptyParts)) {
        if (!paths.contains(path))
            paths << path;
    }
    return paths.mid(0, kRecentPoemsKept);
}

QString recentPoemsValue(const QStringList &paths)
{
    QStringList kept;
    for (const QString &path : paths) {
        if (writablePath(path) && !kept.contains(path))
            kept << path;
    }
    return kept.mid(0, kRecentPoemsKept).join(kPathSeparator);
}

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

namespace OptionsFile {

QString path(const QString &appDir)
{
    return appDir + QStringLiteral("Option.ret");
}

const QStringList &syllableItems()
{
    static const QStringList items {QStringLiteral("Toutes"), QStringLiteral("1"), QStringLiteral("2"),
                                    QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                                    QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"),
                                    QStringLiteral("9")};
    return items;
}

const QStringList &categoryItems()
{
    static const QStringList items {QStringLiteral("Toutes"), QStringLiteral("Adjectif"), QStringLiteral("Nom"),
                                    QStringLiteral("Verbe")};
    return items;
}

const QStringList &genreItems()
{
    static const QStringList items {GenreAll, GenreMasculineCaption, GenreFeminineCaption};
    return items;
}

std::optional<AppPreferences> readPreferences(const QString &filePath)
{
    const auto lines = readLines(filePath);
    if (!lines)
        return std::nullopt;
    int values[6] = {};
    for (int i = 0; i < 6; ++i) {
        // A line counts only when something follows it (the file is read
        // line by line: the sixth line may end the file without CR LF).
        if (i >= lines->size())
            return std::nullopt;
        const auto digit = lastDigit(lines->at(i));
        if (!digit)
            return std::nullopt;
        values[i] = *digit;
    }
    AppPreferences preferences;
    preferences.theme = values[0];
    preferences.saveSearchOptions = values[1];
    preferences.showDuplicates = values[2];
    preferences.showSecondaryMessages = values[3];
    preferences.spellCheckOn = values[4];
    preferences.spellPlusMinusOne = values[5];
    preferences.alphabeticalOrder = keyedFlag(*lines, kAlphabeticalKey, preferences.alphabeticalOrder);
    preferences.resultsAtOnce = keyedFlag(*lines, kAtOnceKey, preferences.resultsAtOnce);
    preferences.desktopLook = keyedFlag(*lines, kDesktopLookKey, preferences.desktopLook);
    preferences.atelierWarnings = keyedWarningFlags(*lines, kAtelierWarningsKey, preferences.atelierWarnings);
    preferences.recentPoems = recentPoems(*lines);
    return preferences;
}

QString unreadableMessage()
{
    return QStringLiteral("Erreur : impossible d'ouvrir le fichier des options      \r\ndu programme.");
}

SavedSearchOptions readSearchOptions(const QString &filePath)
{
    SavedSearchOptions saved;
    const auto lines = readLines(filePath);
    if (!lines)
        return saved;
    // The genre's keyed line stands on its own: a bad line above it does not
    // lose it.
    if (const auto genre = keyedValue(*lines, GenreKey); genre && genreItems().contains(*genre))
        saved.genreFilter = *genre;
    // Lines 11 to 16 are indexes 10 to 15.
    const auto line = [&](int number) -> std::optional<QString> {
        if (number - 1 >= lines->size())
            return std::nullopt;
        return lines->at(number - 1);
    };

    std::optional<bool> *const types[3] = {&saved.richRhymes, &saved.approxRhymes, &saved.wordEndings};
    for (int i = 0; i < 3; ++i) {
        const auto text = line(11 + i);
        const auto digit = text ? lastDigit(*text) : std::nullopt;
        if (!digit)
            return saved;
        *types[i] = *digit != 0;
    }
    if (!*saved.richRhymes && !*saved.approxRhymes && !*saved.wordEndings)
        saved.richRhymes = true;

    const auto syllables = line(14);
    saved.syllableFilter = syllables ? listItem(*syllables, syllableItems()) : std::nullopt;
    if (!saved.syllableFilter)
        return saved;
    const auto category = line(15);
    saved.categoryFilter = category ? listItem(*category, categoryItems()) : std::nullopt;
    if (!saved.categoryFilter)
        return saved;

    const auto conjugated = line(16);
    const auto digit = conjugated ? lastDigit(*conjugated) : std::nullopt;
    if (digit)
        saved.excludeConjugated = *digit == 1;
    return saved;
}

MainWindowSize readWindowSize(const QString &filePath)
{
    MainWindowSize size;
    const auto lines = readLines(filePath);
    if (!lines)
        return size;
    // "<width>x<height>", both between 1 and a size no screen has.
    if (const auto text = keyedValue(*lines, kWindowSizeKey)) {
        const QStringList parts = text->split(QLatin1Char('x'));
        bool widthOk = false, heightOk = false;
        const int width = parts.size() == 2 ? parts[0].toInt(&widthOk) : 0;
        const int height = parts.size() == 2 ? parts[1].toInt(&heightOk) : 0;
        constexpr int kLargest = 20000;
        if (widthOk && heightOk && width > 0 && height > 0 && width <= kLargest && height <= kLargest) {
            size.width = width;
            size.height = height;
        }
    }
    size.maximised = keyedFlag(*lines, kMaximisedKey, 0) == 1;
    return size;
}

QByteArray compose(const AppPreferences &preferences, const SearchOptions &search, const MainWindowSize &windowSize)
{
    const QStringList lines {
        QStringLiteral("Theme:") + QString::number(preferences.theme),
        QStringLiteral("Enreg opt:") + QString::number(preferences.saveSearchOptions),
        QStringLiteral("Doublons:") + QString::number(preferences.showDuplicates),
        QStringLiteral("AffichMess:") + QString::number(preferences.showSecondaryMessages),
        QStringLiteral("OrthoON:") + QString::number(preferences.spellCheckOn),
        QStringLiteral("LettrePM:") + QString::number(preferences.spellPlusMinusOne),
        QStringLiteral("??????"),
        QStringLiteral("??????"),
        QStringLiteral("??????"),
        QStringLiteral("Options par défaut"),
        QStringLiteral("Rimes exactes:") + flag(search.richRhymes),
        QStringLiteral("Rimes approch:") + flag(search.approxRhymes),
        QStringLiteral("Terminai mots:") + flag(search.wordEndings),
        QStringLiteral("Nombre sylabb:") + search.syllableFilter,
        QStringLiteral("Types de  mot:") + search.categoryFilter,
        QStringLiteral("Verb conjugué:") + flag(search.excludeConjugated),
        GenreKey + (genreItems().contains(search.genreFilter) ? search.genreFilter : genreItems().first()),
        kAlphabeticalKey + QString::number(preferences.alphabeticalOrder),
        kAtOnceKey + QString::number(preferences.resultsAtOnce),
        kDesktopLookKey + QString::number(preferences.desktopLook),
        kAtelierWarningsKey + preferences.atelierWarnings,
        kRecentPoemsKey + recentPoemsValue(preferences.recentPoems),
    };
    QStringList all = lines;
    if (!windowSize.isEmpty())
        all.append(kWindowSizeKey + QStringLiteral("%1x%2").arg(windowSize.width).arg(windowSize.height));
    all.append(kMaximisedKey + flag(windowSize.maximised));
    return TextCodec::toWindows1252(all.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

bool write(const QString &filePath, const AppPreferences &preferences, const SearchOptions &search,
           const MainWindowSize &windowSize)
{
    QSaveFile file(filePath);
    // Unbuffered, so that a short write (full disk) shows in the count
    // written instead of passing unnoticed at the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = compose(preferences, search, windowSize);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace OptionsFile
