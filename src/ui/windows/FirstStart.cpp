#include "ui/windows/FirstStart.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace FirstStart {

QString markerPath(const QString &appDir)
{
    return appDir + QStringLiteral("Demarrage.ret");
}

bool isFirstStart(const QString &appDir)
{
    return !QFileInfo::exists(markerPath(appDir));
}

bool markStarted(const QString &appDir)
{
    QFile marker(markerPath(appDir));
    if (!marker.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray line = "Premier lancement: "
        + QDateTime::currentDateTime().toString(Qt::ISODate).toLatin1() + "\r\n";
    return marker.write(line) == line.size();
}

bool takeFirstStart(const QString &appDir)
{
    if (!isFirstStart(appDir))
        return false;
    markStarted(appDir);
    return true;
}

} // namespace FirstStart
