#include "ui/main/OptionsFile.h"

#include "lexicon/TextCodec.h"

#include <QFile>
#include <QStringList>

namespace OptionsFile {

QString path(const QString &appDir)
{
    return appDir + QStringLiteral("Option.ret");
}

std::optional<AppPreferences> readPreferences(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Only the first lines matter; a huge file is not read whole.
    const QString text = TextCodec::fromWindows1252(file.read(64 * 1024));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!text.contains(QStringLiteral("\r\n")))
        lines = text.split(QLatin1Char('\n'));
    int values[6] = {};
    for (int i = 0; i < 6; ++i) {
        // A line counts only when something follows it (the file is read
        // line by line: the sixth line may end the file without CR LF).
        if (i >= lines.size() || lines[i].isEmpty())
            return std::nullopt;
        const QChar last = lines[i].back();
        if (last < QLatin1Char('0') || last > QLatin1Char('9'))
            return std::nullopt;
        values[i] = last.digitValue();
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

} // namespace OptionsFile
