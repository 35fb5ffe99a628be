#include "ui/windows/ShellOpen.h"

#include "ui/windows/OpenWithDialog.h"

#include <QDesktopServices>

namespace Shell {

Desktop &desktop()
{
    static Desktop real {
        [](const QUrl &url) { return QDesktopServices::openUrl(url); },
        [](const QString &target) { OpenWithDialog::offer(target); },
    };
    return real;
}

QUrl targetUrl(const QString &target)
{
    // A scheme of one letter is a drive, not a scheme: such a target is a path.
    const qsizetype colon = target.indexOf(QLatin1Char(':'));
    if (colon > 1 && !target.startsWith(QLatin1Char('/'))) {
        const QUrl url(target, QUrl::TolerantMode);
        if (url.isValid() && !url.scheme().isEmpty())
            return url;
    }
    return QUrl::fromLocalFile(target);
}

} // namespace Shell

void ShellOpen(const QString &target)
{
    Shell::Desktop &desktop = Shell::desktop();
    if (desktop.openUrl && desktop.openUrl(Shell::targetUrl(target)))
        return;
    if (desktop.offerOpenWith)
        desktop.offerOpenWith(target);
}
