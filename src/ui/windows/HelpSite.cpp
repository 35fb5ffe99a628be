#include "ui/windows/HelpSite.h"

#include "lexicon/AppPaths.h"
#include "ui/windows/ShellOpen.h"

#include <QFileInfo>

namespace HelpSite {

QString pagePath(const QString &appDir)
{
    return AppPaths::dataFile(appDir, QStringLiteral("help/index.html"));
}

QUrl pageUrl(const QString &appDir, Section section)
{
    QUrl url = QUrl::fromLocalFile(QFileInfo(pagePath(appDir)).absoluteFilePath());
    if (section == Section::Faq)
        url.setFragment(QStringLiteral("faq"));
    return url;
}

bool open(const QString &appDir, Section section)
{
    if (!QFileInfo::exists(pagePath(appDir)))
        return false;
    const Shell::Desktop &desktop = Shell::desktop();
    return desktop.openUrl && desktop.openUrl(pageUrl(appDir, section));
}

} // namespace HelpSite
