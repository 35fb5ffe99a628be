#pragma once

// Handing a link or a file to the desktop, which opens it with the user's
// program for it. When no program takes it, the user is offered the link to
// copy and open with a program of their choice.
#include <QString>
#include <QUrl>
#include <functional>

namespace Shell {
// The two ways out to the desktop. The program uses the real desktop; tests
// put their own functions in place (and restore the previous ones after).
struct Desktop {
    // True when the desktop accepted the link.
    std::function<bool(const QUrl &)> openUrl;
    // Shown when the desktop refused the link.
    std::function<void(const QString &target)> offerOpenWith;
};
Desktop &desktop();

// "mailto:" and other links as they are; anything else is a local file.
QUrl targetUrl(const QString &target);
} // namespace Shell

// Opens the target; offers the open-with choice when that fails. Reports
// nothing more.
void ShellOpen(const QString &target);
