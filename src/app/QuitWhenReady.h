#pragma once

// A check of an installed copy, used by the installation test. With
// VERSALUNE_QUIT_WHEN_READY=1 in the environment the program starts as usual,
// prints on stderr the text of every message box that opens (and closes it)
// and of any loading error report, and, as soon as the main window is ready,
// leaves through its usual exit sequence with the confirmation answered yes,
// so that the options file is written as at any exit. Without the variable
// it does nothing.
#include <QObject>
#include <QTimer>

class QuitWhenReady : public QObject {
    Q_OBJECT
public:
    explicit QuitWhenReady(QObject *parent = nullptr);

    // True when a message box or an error report was seen: the program then
    // ends with status 1.
    bool sawProblem() const { return m_sawProblem; }

private:
    void check();
    void problem(const QString &text);

    QTimer m_poll;
    bool m_sawProblem = false;
    bool m_errorPrinted = false;
    bool m_closing = false;
};
