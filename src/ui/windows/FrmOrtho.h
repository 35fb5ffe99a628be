#pragma once

// The spelling corrector that runs before a search when the automatic check
// is on. The search start puts the word in AppGlobals::wordToCheck and
// creates this window, hidden; 100 ms later (so that "Recherche en cours..."
// is painted) it checks the word:
// - a valid word, or one with no suggestion (after a message), sets
//   spellingDone and asks for the search to start again;
// - otherwise the window shows the suggestions and the main window is
//   disabled; a click on a suggestion, or the arrow keys and Enter, hand it
//   over (suggestionChosen) and ask for the search to start again; the
//   close picture, Escape and "Rechercher quand même" search the word as
//   typed: a word the poet insists on is never trapped.
// The window deletes itself once it is done.
#include "lexicon/DataItems.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class HoverPicture;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class FrmOrtho : public QWidget {
    Q_OBJECT
public:
    // mainWindow (the parent) is disabled while the suggestions are shown.
    explicit FrmOrtho(QWidget *mainWindow, DataItemReader readItem = DataItems::read);

    static QString incorrectText(const QString &word);
    static QString noSuggestionText(const QString &word);
    static QString unreadableListText(const QString &word);
    static QString suggestionsHeader(int count);
    static const QString SearchingText;
    static const QString HeaderRule;
    // The count line and the rule come before the suggestions.
    static constexpr int HeaderLineCount = 2;

    // Message boxes are shown through this, so that tests can answer them;
    // it returns the box's answer.
    std::function<int(const QString &)> showMessage;

signals:
    // Put this word in the main window's input box.
    void suggestionChosen(const QString &word);
    // Start the search again (the main window's 10 ms return timer).
    void searchRestartRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void check();
    void goOnWithSearch();
    void showSuggestions(const QStringList &suggestions);
    void itemClicked(QListWidgetItem *item);
    void searchAsTyped();
    void unload();
    void placeOverMainWindow();

    QPointer<QWidget> m_mainWindow;
    DataItemReader m_readItem;
    QStringList m_list;
    bool m_unloading = false;

    QLabel *Pic2 = nullptr;
    QLabel *LblLogo = nullptr;
    HoverPicture *ImgClose2 = nullptr;
    QLabel *Pic1 = nullptr;
    QLabel *ImgIcone = nullptr;
    QLabel *LblInfo = nullptr;
    QLabel *LblSolution = nullptr;
    QListWidget *LstMot = nullptr;
    QLineEdit *Foc = nullptr;
    QLineEdit *TxtTaux = nullptr;
    QLabel *Lbl = nullptr;
    QPushButton *CmdTelQuel = nullptr;
    QTimer TimCherche;
};
