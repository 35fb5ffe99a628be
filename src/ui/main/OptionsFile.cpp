#include "ui/main/OptionsFile.h"

#include "lexicon/RegularFile.h"
#include "lexicon/TextCodec.h"

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

QByteArray compose(const AppPreferences &preferences, const SearchOptions &search)
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
    };
    return TextCodec::toWindows1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

bool write(const QString &filePath, const AppPreferences &preferences, const SearchOptions &search)
{
    QSaveFile file(filePath);
    // Unbuffered, so that a short write (full disk) shows in the count
    // written instead of passing unnoticed at the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = compose(preferences, search);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace OptionsFile
