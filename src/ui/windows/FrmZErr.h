#pragma once

// The error window: shows the last internal error report on top of every
// other window. Not modal: loading goes on behind it.
#include "lexicon/InternalErrorReport.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QLineEdit;
class SkinnedButton;

class FrmZErr : public QWidget {
    Q_OBJECT
public:
    explicit FrmZErr(const InternalErrorReport &report, QWidget *parent = nullptr);

    QString reportText() const;

signals:
    // "Arrêt définitif du programme": end the program at once, saving nothing.
    void endRequested();

private:
    QLabel *LblLogo = nullptr;
    QLabel *Lbl0 = nullptr;
    QPlainTextEdit *TxtE = nullptr;
    SkinnedButton *CmdFerme = nullptr;
    SkinnedButton *CmdEnd = nullptr;
    QLineEdit *Foc = nullptr;
};
