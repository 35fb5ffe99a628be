#include "lexicon/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef VERSALUNE_DATA_FROM_BIN
#define VERSALUNE_DATA_FROM_BIN "../share/versalune"
#endif

namespace {
QString withSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}
} // namespace

namespace AppPaths {

QString installedDataDir(const QString &appDir)
{
    // Relative to the program, so that an installed tree can be moved whole.
    return withSlash(QDir::cleanPath(appDir + QStringLiteral(VERSALUNE_DATA_FROM_BIN)));
}

QString dataFile(const QString &appDir, const QString &name)
{
    const QString beside = appDir + name;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = installedDataDir(appDir) + name;
    if (QFileInfo::exists(installed))
        return installed;
    return beside;
}

QString userConfigDir()
{
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                     + QStringLiteral("/versalune"));
}

bool isPortable(const QString &appDir)
{
    // An installed program's folder may be writable (root, a home prefix):
    // only a copy that already keeps its options there is portable.
    const QFileInfo folder(appDir);
    return folder.isDir() && folder.isWritable()
           && QFileInfo::exists(appDir + QLatin1String(OptionsFileName));
}

QString settingsDir(const QString &appDir, const QString &configDir)
{
    return isPortable(appDir) ? appDir : withSlash(configDir);
}

QString optionsFileToRead(const QString &appDir, const QString &settingsDir)
{
    const QString own = settingsDir + QLatin1String(OptionsFileName);
    if (QFileInfo::exists(own))
        return own;
    // Beside a read-only copy, or in the installed data folder.
    const QString shipped = dataFile(appDir, QLatin1String(OptionsFileName));
    return QFileInfo::exists(shipped) ? shipped : own;
}

bool makeSettingsDir(const QString &settingsDir)
{
    return QDir().mkpath(settingsDir);
}

} // namespace AppPaths
