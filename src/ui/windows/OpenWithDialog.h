#pragma once

// Offered when no program of the desktop opened a link: the link, ready to be
// copied and opened with a program of the user's choice.
#include <QDialog>

class QLineEdit;
class SkinnedButton;

class OpenWithDialog : public QDialog {
    Q_OBJECT
public:
    explicit OpenWithDialog(const QString &target, QWidget *parent = nullptr);

    // Shows a dialog that deletes itself when closed. It does not wait: the
    // window that asked goes on (and may close) while the dialog stays.
    static void offer(const QString &target);

    QString target() const;

public slots:
    // Puts the link on the clipboard.
    void copyTarget();

private:
    QLineEdit *TxtLien = nullptr;
    SkinnedButton *CmdCopier = nullptr;
    SkinnedButton *CmdFermer = nullptr;
};
