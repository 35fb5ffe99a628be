#pragma once

// The word-games window: the synonyms dictionary with search as you type,
// the homonyms and the anacyclics and palindromes, three pages switched by
// tabs at its foot. Opened modally for the user ("Utilitaires"), or loaded
// unseen to look one word up and show its synonyms in a message box
// ("Synonymes" of the main window's word details); the mode comes from the
// synonym hand-off of AppGlobals when the window loads.
#include "lexicon/InternalErrorReport.h"
#include "lexicon/LexiconData.h"
#include "synonyms/CandidateLines.h"
#include "synonyms/SearchHistory.h"

#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SkinnedButton;

class FrmListSyno : public QDialog {
    Q_OBJECT
public:
    // Every message box of the window goes through this, so that tests can
    // read and answer them.
    using MessagePresenter = std::function<void(QMessageBox::Icon icon, const QString &title, const QString &text)>;

    static constexpr int PageCount = 3;
    static constexpr int StartDelayMs = 20;
    static constexpr int UnloadDelayMs = 250;

    FrmListSyno(const LexiconData &data, InternalErrorReport &errors, QWidget *mainWindow = nullptr,
                MessagePresenter present = {});

    // Opens the window as the hand-off of AppGlobals asks: modally for the
    // user, returning once it is closed, or unseen for a one-shot lookup.
    static void open(QWidget *mainWindow);
    // "Utilitaires": shows the window modally and returns once it is closed.
    static void openInteractive(QWidget *mainWindow);
    // "Synonymes": looks the word up without showing the window; the answer
    // comes in a message box over the main window, then the window goes.
    static void lookUpOnce(const QString &word, QWidget *mainWindow);

    bool isOneShot() const { return m_oneShot; }
    int currentPage() const;

    static QString helpTitle(int page);
    static QString helpText(int page);
    static QString dataLoadFailedMessage(bool synonymsFailed = true);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPages();
    void nameControls();
    void buildSynonymsPage(QFrame *page);
    void buildHomonymsPage(QFrame *page);
    void buildWordGamesPage(QFrame *page);
    QFrame *buildTitleBar(QFrame *page, int index, const QString &title, QLabel *&logo);
    void buildFooter();
    void load();

    void onTimDeb();
    void onTimBis();
    void onCbo2Change();
    void onCbo2Click();
    void onTxt2Change();
    void exactSearch();
    // True when the word joined a longer history and the list was refilled.
    bool updateHistory(const QString &typed);
    void showPage(int index);
    void showHelp(int page);
    void showHomonymsOf(const QString &headword);
    void setSearchButtonsEnabled(bool enabled);
    void present(QMessageBox::Icon icon, const QString &title, const QString &text);

    const LexiconData &m_data;
    InternalErrorReport &m_errors;
    MessagePresenter m_present;
    bool m_oneShot = false;
    CandidateLines m_candidates;
    SearchHistory m_history;

    std::array<QFrame *, PageCount> PicGen {};
    QLabel *LblLogo1 = nullptr;
    QLabel *LblLogo2 = nullptr;
    QLabel *LblLogo3 = nullptr;
    std::array<QLabel *, PageCount> ImgAide {};

    QComboBox *Cbo2 = nullptr;
    QLineEdit *Txt2 = nullptr;
    QListWidget *Lst12 = nullptr;
    QListWidget *Lst13 = nullptr;
    QLabel *Lbl5 = nullptr;
    QLabel *Lbl4 = nullptr;
    SkinnedButton *CmdRechercher2 = nullptr;
    QPushButton *CmdRechercher1 = nullptr;
    QPushButton *Cmd = nullptr;
    QLineEdit *Foc = nullptr;

    QListWidget *Lst14 = nullptr;
    QLabel *LblResult = nullptr;
    QLabel *Lbl6 = nullptr;

    QListWidget *Lst15 = nullptr;
    QListWidget *Lst16 = nullptr;
    QLabel *Lbl7 = nullptr;
    QLabel *Lbl8 = nullptr;

    std::array<SkinnedButton *, PageCount> Cmdn {};
    SkinnedButton *CmdFerme = nullptr;

    QTimer TimDeb;
    QTimer TimBis;
    QTimer TimUnload;
};
