#pragma once

// The secondary-information window: after a search without rich rhymes it
// tells the user what to try, and lets them turn such messages off. Modal;
// the search goes on when it closes.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class SkinnedButton;

class FrmMessage : public QDialog {
    Q_OBJECT
public:
    explicit FrmMessage(QWidget *parent = nullptr);

    QLabel *Pic2 = nullptr;
    QLabel *LblLogo = nullptr;
    QLabel *Pic1 = nullptr;
    QLabel *ImgIcone = nullptr;
    QLabel *LblMess = nullptr;
    QCheckBox *ChkOpt = nullptr;
    QLabel *LblInfosDec = nullptr;
    SkinnedButton *CmdFermer = nullptr;
    QPushButton *Foc = nullptr;

private:
    void onChkOptToggled(bool checked);

    // True while the load sets the controls, which is not the user's doing.
    bool m_loading = false;
};
