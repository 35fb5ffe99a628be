#include "verse/PoemRecovery.h"

#include "verse/PoemFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

PoemRecovery::PoemRecovery(const QString &folder) : m_folder(folder) {}

QString PoemRecovery::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/versalune");
}

QString PoemRecovery::copyPath() const
{
    return m_folder + QStringLiteral("/poeme-non-enregistre.txt");
}

// The poem's own file name, beside the copy, so that it is offered back under it.
QString PoemRecovery::pathNotePath() const
{
    return m_folder + QStringLiteral("/poeme-non-enregistre.chemin");
}

bool PoemRecovery::write(const QString &text, const QString &originalPath, QString *error)
{
    if (!QDir().mkpath(m_folder)) {
        if (error)
            *error = QStringLiteral("Copie de secours impossible : le dossier %1 ne peut être créé.").arg(m_folder);
        return false;
    }
    QString failure;
    if (!PoemFile::save(copyPath(), text, &failure) || !PoemFile::save(pathNotePath(), originalPath, &failure)) {
        if (error)
            *error = QStringLiteral("Copie de secours impossible dans %1.").arg(m_folder);
        return false;
    }
    return true;
}

std::optional<PoemRecovery::Copy> PoemRecovery::pending() const
{
    if (!QFile::exists(copyPath()))
        return std::nullopt;
    const PoemFile::ReadResult poem = PoemFile::read(copyPath());
    if (!poem.ok)
        return std::nullopt;
    Copy copy;
    copy.text = poem.text;
    if (const PoemFile::ReadResult note = PoemFile::read(pathNotePath()); note.ok)
        copy.originalPath = note.text.trimmed();
    return copy;
}

void PoemRecovery::discard()
{
    QFile::remove(copyPath());
    QFile::remove(pathNotePath());
}
