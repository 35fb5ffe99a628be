#pragma once

// The poem workbench: the poem in a plain editor, each line's figures in a
// band beside it, the poem kept safe in a copy while it is not saved.
#include "ui/windows/PoemScansion.h"
#include "verse/PoemRecovery.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <functional>

class PoemGutter;
class QLabel;
class QMenu;
class QPlainTextEdit;
class SkinnedButton;

class FrmAtelier : public QWidget {
    Q_OBJECT
public:
    explicit FrmAtelier(const QString &recoveryFolder = PoemRecovery::defaultFolder(), QWidget *parent = nullptr);
    ~FrmAtelier() override;

    // Opens a window that deletes itself when closed.
    static FrmAtelier *open();
    // The copy of an earlier session's unsaved poem, if the poet wants it back.
    static FrmAtelier *offerRecoveredPoem();

    // False, with the message shown, for a file that is not a readable text.
    bool openFile(const QString &path);
    bool save();
    bool saveAs(const QString &path);
    void newPoem();
    void takeRecovered(const PoemRecovery::Copy &copy);
    // Asks the main window for rhymes to the current line's last word
    // ("Chercher une rime", Ctrl+R).
    void searchRhymeForCurrentLine();
    // The word chosen among the results takes the place of the last word of
    // the line that asked.
    void replaceLastWord(const QString &word);

    // The classical checks switched on or off, applied at once and kept in
    // the preferences for the next session.
    void setVerseOptions(const VerseOptions &options);
    // The word counts the word at this document position allows, as actions
    // of the menu (none for a word with a single reading).
    void addWordCountActions(QMenu *menu, int position);
    // The poems last opened or saved, the latest first, kept in the preferences.
    static constexpr int RecentPoemsKept = 5;
    static QStringList recentPoems();

    QString filePath() const { return m_path; }
    bool isModified() const;
    const PoemScansion &scansion() const { return m_scansion; }
    // The copy is written this long after the last change.
    static constexpr int RecoveryDelayMs = 5000;
    void writeRecoveryNow();

    // Questions and messages go through these, so that tests can answer them.
    std::function<QMessageBox::StandardButton(const QString &, QMessageBox::StandardButtons)> ask;
    std::function<void(const QString &)> tell;
    std::function<QString(bool saving)> chooseFile;

    QPlainTextEdit *TxtPoeme = nullptr;
    PoemGutter *Gutter = nullptr;
    QLabel *LblTitre = nullptr;
    QLabel *LblEtat = nullptr;
    QLabel *LblSecours = nullptr;
    SkinnedButton *CmdNouveau = nullptr;
    SkinnedButton *CmdOuvrir = nullptr;
    SkinnedButton *CmdEnregistrer = nullptr;
    SkinnedButton *CmdEnregistrerSous = nullptr;
    SkinnedButton *CmdFerme = nullptr;
    SkinnedButton *CmdRime = nullptr;
    SkinnedButton *CmdAlertes = nullptr;
    SkinnedButton *CmdRecents = nullptr;
    QMenu *MnuRecents = nullptr;
    QMenu *MnuAlertes = nullptr;

signals:
    // The genre is "m", "f" or empty; syllables 0 when any count will do.
    void rhymeSearchWanted(const QString &word, const QString &genre, int syllables);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void onContentsChange(int position, int removed, int added);
    void showCurrentLineState();
    void showTitle();
    bool settleUnsavedChanges();
    void loadText(const QString &text);
    void askToOpen();
    void buildWarningsMenu();
    void showEditorMenu(const QPoint &point);
    void chooseWordCount(int line, int word, int count);
    void showNewFigures();
    void buildRecentMenu();
    void fillRecentMenu();
    void rememberRecent(const QString &path);
    void forgetRecent(const QString &path);

    PoemScansion m_scansion;
    PoemRecovery m_recovery;
    QTimer m_recoveryTimer;
    QString m_path;
    int m_blockCount = 1;
    int m_searchLine = -1;
};
