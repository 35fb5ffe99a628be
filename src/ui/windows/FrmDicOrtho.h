#pragma once

// The spelling dictionary: check any word, read the verdict, copy a line of
// the result to the clipboard. Opened modally from the main window, which
// hands over the word of its input box.
#include "lexicon/DataItems.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class SkinnedButton;

class FrmDicOrtho : public QDialog {
    Q_OBJECT
public:
    // mainWindowText is the main window's input; the window places itself
    // just above and left of mainWindow.
    FrmDicOrtho(const QString &mainWindowText, QWidget *mainWindow, DataItemReader readItem = DataItems::read);

    static const QString SearchingText;
    static const QString ValidText;
    static const QString NoSolutionText;
    static const QString CopiedText;
    static const QString RateOutOfRangeText;
    static const QString HeaderRule;
    static QString solutionsText(int count);
    static QString unreadableListText(const QString &word);

    // Message boxes are shown through these, so that tests can answer them;
    // they return the box's answer.
    std::function<int(const QString &)> showNotice;
    std::function<int(const QString &)> showWarning;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void textChanged(const QString &text);
    void startCheck();
    void check();
    void itemClicked(QListWidgetItem *item);

    DataItemReader m_readItem;
    QStringList m_list;
    int m_verdictPointSize = 9;
    bool m_copyNoticeShown = false;

    QLabel *Pic2 = nullptr;
    QLabel *LblLogo = nullptr;
    QLabel *Pic1 = nullptr;
    QLabel *ImgIcone = nullptr;
    QLabel *LblInfosDec = nullptr;
    QLabel *Picture1 = nullptr;
    QLineEdit *T1 = nullptr;
    QLabel *LblLen = nullptr;
    SkinnedButton *CmdGo = nullptr;
    QPushButton *CmdGoBis = nullptr;
    QLabel *LblSolution = nullptr;
    QListWidget *LstMot = nullptr;
    QCheckBox *Chk1 = nullptr;
    QLabel *Chk1Caption = nullptr;
    SkinnedButton *CmdFermer = nullptr;
    QLineEdit *TxtTaux = nullptr;
    QLabel *Lbl = nullptr;
    QLineEdit *Foc = nullptr;
    QTimer TimCherche;
};
