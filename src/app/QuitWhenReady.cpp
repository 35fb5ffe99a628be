#include "QuitWhenReady.h"

#include "lexicon/InternalErrorReport.h"
#include "ui/main/FrmDisplay.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

QuitWhenReady::QuitWhenReady(QObject *parent)
    : QObject(parent)
{
    if (qEnvironmentVariable("VERSALUNE_QUIT_WHEN_READY") != QLatin1String("1"))
        return;
    // Timers run inside the modal loops of message boxes too.
    m_poll.setInterval(50);
    connect(&m_poll, &QTimer::timeout, this, &QuitWhenReady::check);
    m_poll.start();
}

void QuitWhenReady::problem(const QString &text)
{
    m_sawProblem = true;
    const QString line = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    std::fprintf(stderr, "versalune : %s\n", qUtf8Printable(line));
}

void QuitWhenReady::check()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        problem(box->text());
        box->done(QMessageBox::Ok);
        return;
    }
    const InternalErrorReport &report = InternalErrorReport::instance();
    if (!report.errorCode.isEmpty() && !m_errorPrinted) {
        m_errorPrinted = true;
        problem(ErrorTexts::errorWindowText(report));
    }
    if (m_closing)
        return;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<FrmDisplay *>(widget);
        if (!window || !window->uiReady())
            continue;
        m_closing = true;
        window->showMessage = [this](QMessageBox::Icon, const QString &text, QMessageBox::StandardButtons buttons) {
            if (buttons.testFlag(QMessageBox::Yes))
                return QMessageBox::Yes;
            problem(text);
            return QMessageBox::Ok;
        };
        window->close();
        return;
    }
}
