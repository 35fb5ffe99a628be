#pragma once

// Stands in for the desktop while a test runs: records what the program asks
// it to open, accepts or refuses it, and records the open-with offers.
#include "ui/windows/ShellOpen.h"

#include <QList>
#include <QStringList>
#include <QUrl>

class DesktopRecorder {
public:
    explicit DesktopRecorder(bool accepts = true)
        : m_saved(Shell::desktop()), m_accepts(accepts)
    {
        Shell::desktop().openUrl = [this](const QUrl &url) {
            opened.append(url);
            return m_accepts;
        };
        Shell::desktop().offerOpenWith = [this](const QString &target) { offered.append(target); };
    }
    ~DesktopRecorder() { Shell::desktop() = m_saved; }
    DesktopRecorder(const DesktopRecorder &) = delete;
    DesktopRecorder &operator=(const DesktopRecorder &) = delete;

    QList<QUrl> opened;
    QStringList offered;

private:
    Shell::Desktop m_saved;
    bool m_accepts;
};
