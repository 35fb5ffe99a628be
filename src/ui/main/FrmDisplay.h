#pragma once

// The main window: the input box, the search options, the three result lists
// with the details of a clicked word, the help icons and the row of buttons
// that open the other windows. It drives a search as a chain of timed stages
// and owns the search options while the program runs; closing it ends the
// program after saving the options file.
//
// The controls are public under their own names: the secondary windows read
// and set some of them (T1, ChkOrtho) and start TimRetour.
#include "lexicon/DataItems.h"
#include "search/SearchRun.h"
#include "ui/main/OptionsFile.h"

#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QGridLayout;
class QSizeGrip;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class HelpIcon;
class HoverPicture;
class SkinnedButton;
class FrmAtelier;
struct LexiconData;

class FrmDisplay : public QWidget {
    Q_OBJECT
public:
    // The window's load: closes the loading window (when given), sets every
    // control to its opening state and starts the deferred start, which
    // restores the saved search options and shows the window.
    explicit FrmDisplay(const LexiconData &data, QWidget *loadingWindow = nullptr, QWidget *parent = nullptr);
    ~FrmDisplay() override;

    // Every message box of the window goes through this, so that tests can
    // answer them: icon, text (lines joined by CR LF), buttons; returns the
    // button pressed. The title is always "Versalune".
    std::function<QMessageBox::StandardButton(QMessageBox::Icon, const QString &, QMessageBox::StandardButtons)>
        showMessage;
    // Opens the advice window after a search without rich rhymes; modal, the
    // stage chain waits until it is closed.
    std::function<void()> showSecondaryMessage;

    // The search options as the controls hold them now.
    SearchOptions searchOptions() const;
    // The inputs of a search, from the controls and the preferences.
    SearchParameters searchParameters() const;
    // The run of the last search started (empty before the first one).
    const SearchRun &searchRun() const { return *m_run; }
    bool uiReady() const { return UiReady; }
    bool copyNoticeShown() const { return CopyNoticeShown; }
    QString categoryCode() const { return m_categoryCode; }
    // The word a search looks for: the input box's text, or its last word
    // after an apostrophe ("l'eau" rhymes on "eau").
    QString searchedWord() const;
    bool searchRunning() const;

    // Enlarged to the whole screen by the title strip's middle picture or a
    // double click on the strip; restored the same way.
    void setMaximised(bool maximised);
    bool isMaximisedWindow() const { return m_maximised; }
    // The size kept in the options file: the size restored to, when enlarged.
    MainWindowSize windowSize() const;
    QSize designSize() const { return m_designSize; }

    // Interval between the stages of a search, in ms; none when the user
    // wants the results at once (preference resultsAtOnce).
    int StageDelayMs = 500;
    // With the results at once, the busy display waits this long before it
    // shows, and does not show at all for a quicker search.
    static constexpr int BusyDisplayDelayMs = 250;
    // Where the spelling windows read their letter lists (tests give lists
    // of their own).
    DataItemReader spellingLists = DataItems::read;

    // The spelling window starts it (10 ms) to run the search again once the
    // word has been checked.
    QTimer TimRetour;

    // The poem workbench: a window opened from here or from the command line
    // is tied to this one, so that its rhyme searches run here and a chosen
    // result can go back to the line it came from.
    void connectAtelier(FrmAtelier *atelier);
    // Searches the word with the genre ("m", "f" or empty for all) and the
    // syllable count (0 for all) a line of a poem asks for.
    void searchForPoem(const QString &word, const QString &genre, int syllables);
    bool searchCameFromPoem() const { return m_searchFromPoem; }
    // "Remplacer le dernier mot" on a result line, as its context menu does.
    void chooseForPoem(int list, int row);

public slots:
    // The search start: CmdGoBis's click; CmdGo, Enter and TimRetour reach it.
    void StartSearch();
    // Writes "Option.ret" (CmdEnregistre's click). False when it could not be written.
    bool writeOptionsFile();
    // Puts the search options back to their defaults and tells the user.
    void resetSearchOptions();

signals:
    // A stage of the search chain has run ("TimRExact", "TimRApp", "TimTerm", "TimFinR").
    void stageRan(const QString &stage);
    // The finishing stage has given the window back.
    void searchFinished();
    // The user confirmed the exit and the options file has been written (or
    // could not be): the program ends.
    void endRequested();
    // A result word chosen for the workbench line that asked for it.
    void poemWordChosen(const QString &word);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction, one group at a time.
    void buildChrome();
    void buildButtonRow();
    void buildDetailsPanel();
    void buildResultArea();
    void buildParamPanel();
    void buildInputGroup(QWidget *panel);
    void buildSearchTypeGroup(QWidget *panel);
    void buildOptionsGroup(QWidget *panel);
    void buildInformationGroup(QWidget *panel);
    void buildHiddenHelpers();
    // The poem workbench's button, in the title strip left of its pictures.
    void buildAtelierLinks();
    void showPoemMenu(int list, const QPoint &position);
    void placeAtelierButton();
    void placeFrameAndWindow();
    // Places every area for the window's current size.
    void layOut();
    void layOutResultArea(int dx, int dy);
    void restoreWindowSize(const MainWindowSize &saved);
    // The clicked word in the largest font (up to the design's) that shows it whole.
    void fitWordFont();
    void connectHandlers();

    // Deferred start and exit.
    void deferredStart();
    void restoreSearchOptions();
    void applyDefaultSearchOptions();

    // Input and option handlers.
    void onT1Changed(const QString &text);
    void onSearchTypeToggled(int box);
    void onChkOpt1Toggled(bool checked);
    void onOpt1Toggled(bool checked);
    void onCboSylChanged();
    void onCboTypeChanged();
    void SubChkOpt1();
    void armSearch();
    void disarmSearch();
    void armCmdGoOnAnyText();
    bool anySearchType() const;
    void colourSearchTypeGroup(int box, bool on);
    void focusT1();
    void pressEnter();
    void noteListItemPicked();

    // The search driver.
    void showBusy();
    void startStage(SearchStage stage);
    void stopStages();
    void runStage(SearchStage stage);
    void fillList(ResultKind kind);
    void finishSearch();
    void showIdle();
    bool resultsAtOnce() const;

    // Result lists and word details.
    void showDetails(int list);
    // The run's entry behind a line of Lst(list); null when the run has none.
    const ResultEntry *resultEntry(int list, const QListWidgetItem *item) const;
    void clearDetails();
    void copyWord();
    void lookUpSynonyms();
    void showHelp(int icon);
    void setAllHelpIcons(bool highlighted);

    // The other windows, one function each; a window that does not exist
    // yet is simply not opened.
    void openSite();
    void openDicOrtho();
    void openListSyno();
    void openOptions();
    void openConseils(bool modal);
    void openPropos();
    // The automatic spelling check of WordToCheck. False when no spelling
    // window took the word: the search then goes on at once.
    bool openSpellingCheck();

public:
    // Title strip and chrome.
    QLabel *Image1 = nullptr;
    QLabel *LblVersion = nullptr;
    HoverPicture *ImgMin2 = nullptr;
    HoverPicture *ImgMax2 = nullptr;
    HoverPicture *ImgClose2 = nullptr;
    QFrame *Sha1 = nullptr;
    QFrame *Sha2 = nullptr;
    QFrame *Sha3 = nullptr;
    std::array<QFrame *, 13> Sha {};
    QFrame *Lin1 = nullptr;

    // Button row.
    SkinnedButton *CmdMAJ = nullptr;
    SkinnedButton *CmdOrtho = nullptr;
    SkinnedButton *CmdSynonyme = nullptr;
    SkinnedButton *CmdOptions = nullptr;
    SkinnedButton *CmdConseils = nullptr;
    SkinnedButton *CmdAp = nullptr;
    SkinnedButton *CmdQuitte = nullptr;
    SkinnedButton *CmdAtelier = nullptr;

    // Search options panel.
    QLabel *PicParam = nullptr;
    QCheckBox *Chk1 = nullptr;
    QCheckBox *Chk2 = nullptr;
    QCheckBox *Chk3 = nullptr;
    std::array<QRadioButton *, 6> Opt1 {}; // 2 to 5
    QComboBox *CboSyl = nullptr;
    QComboBox *CboType = nullptr;
    QLabel *LblCboGenre = nullptr; // "Genre de la rime"
    QComboBox *CboGenre = nullptr; // "Toutes", "Masculine", "Féminine"
    QCheckBox *ChkOpt1 = nullptr;
    SkinnedButton *CmdOptDef = nullptr;
    QCheckBox *ChkOrtho = nullptr;
    std::array<HelpIcon *, 5> ImgAide {};
    std::array<QLabel *, 16> LblA {};

    // Input and search start.
    QLineEdit *T1 = nullptr;
    SkinnedButton *CmdGo = nullptr;
    QPushButton *CmdGoBis = nullptr;

    // Search information area.
    std::array<QLabel *, 6> LblB {};
    QLabel *LblI1 = nullptr;
    QLabel *LblI2 = nullptr;
    QLabel *LblI3 = nullptr;
    std::array<QLabel *, 3> LblD {};
    QLabel *LblH1 = nullptr;
    QLabel *LblH2 = nullptr;
    QLabel *LblRech = nullptr;

    // Results and word details.
    std::array<QListWidget *, 4> Lst {}; // 1 to 3
    std::array<QLabel *, 14> Lbl {};     // 1, 5, 6 list headers; 11 to 13 detail captions
    QLabel *LblCpt1 = nullptr;
    QLabel *LblCpt2 = nullptr;
    QLabel *LblCpt3 = nullptr;
    QLabel *LblSyl1 = nullptr;
    QLabel *LblSyl2 = nullptr;
    QLabel *LblSyl3 = nullptr;
    QLabel *PicAffichage = nullptr;
    QLabel *LblMot = nullptr;
    QLabel *LblSyl = nullptr;
    QLabel *LblLettres = nullptr;
    QLabel *LblType = nullptr;
    QLabel *LblGenreCaption = nullptr; // "Rime:"
    QLabel *LblGenre = nullptr;        // "masculine" or "féminine"
    SkinnedButton *CmdCopier = nullptr;
    SkinnedButton *CmdSyn = nullptr;

    // Helpers the user does not see.
    QPushButton *CmdEnregistre = nullptr;
    QLineEdit *Foc = nullptr;
    QFrame *Fra2 = nullptr;
    QLabel *Lbl1 = nullptr; // start time
    QLabel *Lbl2 = nullptr; // end time
    QLabel *Lbl3 = nullptr; // duration
    QTimer TimDeb;
    QTimer TimRExact;
    QTimer TimRApp;
    QTimer TimTerm;
    QTimer TimFinR;
    QTimer TimBusy;

private:
    QLabel *countLabel(int list) const;
    QLabel *syllableLabel(int list) const;
    QTimer &stageTimer(SearchStage stage);

    const LexiconData &m_data;
    QPointer<QWidget> m_loadingWindow;
    std::unique_ptr<SearchRun> m_run;
    // Bumped by every search start, so that a stage of an earlier search that
    // was waiting behind a modal window does not write into the new lists.
    quint64 m_searchNumber = 0;
    bool UiReady = false;
    bool CopyNoticeShown = false;
    bool m_searching = false;
    // Set from an option list's pick until the events of its key are over.
    bool m_listItemJustPicked = false;
    bool m_exitConfirmed = false;
    bool m_firstStart = false;
    bool m_searchFromPoem = false;
    QPointer<FrmAtelier> m_poemAsker;
    QString m_categoryCode;
    QSize m_designSize;
    QRect m_normalGeometry;
    bool m_maximised = false;
    QSizeGrip *m_sizeGrip = nullptr;
    // The syllable, letter and category lines of the details panel.
    QGridLayout *m_detailFacts = nullptr;
};
