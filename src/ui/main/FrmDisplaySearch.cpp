// The search driver: the search start, the busy display, and the chain of
// timed stages (rich rhymes, approximate rhymes, endings, finishing), each
// the single shot of its own timer, so that the window repaints between them.
#include "ui/main/FrmDisplay.h"

#include "lexicon/AppGlobals.h"
#include "lexicon/LexiconData.h"
#include "search/SearchDuration.h"
#include "ui/main/HelpIcon.h"
#include "ui/main/MainWindowLook.h"
#include "ui/windows/WindowChrome.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTime>

using namespace MainWindowLook;

namespace {
const QString kTimeFormat = QStringLiteral("hh:mm:ss");

QString stageTimerName(SearchStage stage)
{
    switch (stage) {
    case SearchStage::Exact:
        return QStringLiteral("TimRExact");
    case SearchStage::Approx:
        return QStringLiteral("TimRApp");
    case SearchStage::Ending:
        return QStringLiteral("TimTerm");
    case SearchStage::Finish:
        return QStringLiteral("TimFinR");
    case SearchStage::None:
        break;
    }
    return {};
}
} // namespace

QTimer &FrmDisplay::stageTimer(SearchStage stage)
{
    switch (stage) {
    case SearchStage::Exact:
        return TimRExact;
    case SearchStage::Approx:
        return TimRApp;
    case SearchStage::Ending:
        return TimTerm;
    case SearchStage::Finish:
    case SearchStage::None:
        break;
    }
    return TimFinR;
}

bool FrmDisplay::searchRunning() const
{
    return m_searching;
}

QLabel *FrmDisplay::countLabel(int list) const
{
    QLabel *const labels[4] = {nullptr, LblCpt1, LblCpt2, LblCpt3};
    return labels[list];
}

QLabel *FrmDisplay::syllableLabel(int list) const
{
    QLabel *const labels[4] = {nullptr, LblSyl1, LblSyl2, LblSyl3};
    return labels[list];
}

bool FrmDisplay::resultsAtOnce() const
{
    return AppGlobals::instance().preferences.resultsAtOnce == 1;
}

void FrmDisplay::stopStages()
{
    m_searching = false;
    TimBusy.stop();
    for (QTimer *timer : {&TimRExact, &TimRApp, &TimTerm, &TimFinR})
        timer->stop();
}

void FrmDisplay::StartSearch()
{
    focusT1();
    for (QLabel *sound : {LblI1, LblI2, LblI3}) {
        sound->clear();
        sound->hide();
    }
    // One chain at a time: the waiting stages of an earlier search end here.
    const bool interrupted = m_searching;
    stopStages();
    ++m_searchNumber;
    m_run = std::make_unique<SearchRun>();
    clearDetails();

    // The lists of the previous word go at once, not after the spelling
    // check: they would stand under the new word meanwhile.
    for (int i = 1; i <= 3; ++i) {
        Lst[i]->clear();
        countLabel(i)->clear();
        syllableLabel(i)->clear();
    }

    AppGlobals &globals = AppGlobals::instance();
    if (ChkOrtho->isChecked() && !globals.spellingDone) {
        globals.wordToCheck = searchedWord().toLower();
        // The spelling window restarts the search through TimRetour; an
        // interrupted search must not leave the options greyed meanwhile.
        if (openSpellingCheck()) {
            if (interrupted)
                showIdle();
            return;
        }
    }
    globals.spellingDone = false;

    setCursor(Qt::WaitCursor);
    // Without pauses a search is over before the busy display could be
    // read: it only shows when the search outlasts a short wait.
    if (resultsAtOnce())
        TimBusy.start(BusyDisplayDelayMs);
    else
        showBusy();
    m_searching = true;
    Lbl1->setText(QTime::currentTime().toString(kTimeFormat));
    m_run = std::make_unique<SearchRun>(m_data.words, searchParameters());
    disarmSearch();
    // The default button, and with it Enter, stays usable during and after a search.
    CmdGoBis->setEnabled(true);
    startStage(m_run->firstStage());
}

void FrmDisplay::showBusy()
{
    for (int i = 0; i <= 6; ++i)
        setActiveInk(LblA[i], false);
    for (int n = 2; n <= 5; ++n)
        Opt1[n]->setEnabled(false);
    for (QLabel *line : LblB) {
        setActiveInk(line, false);
        line->show();
    }
    for (HelpIcon *icon : ImgAide) {
        icon->setHighlighted(true);
        icon->setEnabled(false);
    }
    for (int i = 1; i <= 3; ++i) {
        setActiveInk(Lst[i], false);
        Lst[i]->setEnabled(false);
        setActiveInk(countLabel(i), false);
        setActiveInk(syllableLabel(i), false);
    }
    for (QLabel *part : {LblH1, LblH2, LblD[0], LblD[1], LblD[2]})
        part->hide();
    LblRech->show();
    setActiveInk(T1, false);
    for (QCheckBox *box : {Chk1, Chk2, Chk3, ChkOpt1})
        box->setEnabled(false);
}

void FrmDisplay::startStage(SearchStage stage)
{
    if (stage == SearchStage::None)
        return;
    stageTimer(stage).start(resultsAtOnce() ? 0 : StageDelayMs);
}

void FrmDisplay::runStage(SearchStage stage)
{
    stageTimer(stage).stop();
    const quint64 searchNumber = m_searchNumber;
    switch (stage) {
    case SearchStage::Exact:
        m_run->runExact();
        fillList(ResultKind::Rich);
        if (m_run->wantsNoRichRhymeMessage())
            showSecondaryMessage();
        break;
    case SearchStage::Approx:
        m_run->runApprox();
        fillList(ResultKind::Approx);
        break;
    case SearchStage::Ending:
        m_run->runEnding();
        fillList(ResultKind::Ending);
        break;
    case SearchStage::Finish:
        m_run->finish();
        finishSearch();
        break;
    case SearchStage::None:
        return;
    }
    // A new search started behind the advice window owns the lists now.
    if (searchNumber != m_searchNumber)
        return;
    emit stageRan(stageTimerName(stage));
    if (stage == SearchStage::Finish)
        emit searchFinished();
    else
        startStage(m_run->stageAfter(stage));
}

void FrmDisplay::fillList(ResultKind kind)
{
    QListWidget *list = Lst[int(kind) + 1];
    list->addItems(m_run->resultLines(kind));
}

void FrmDisplay::finishSearch()
{
    const QTime end = QTime::currentTime();
    Lbl2->setText(end.toString(kTimeFormat));
    const SearchDuration duration = DurationBetween(QTime::fromString(Lbl1->text(), kTimeFormat), end);
    Lbl3->setText(duration.text);
    LblH1->setText(duration.minutes);
    LblH2->setText(duration.seconds);
    for (QLabel *part : {LblH1, LblH2, LblD[0], LblD[1], LblD[2]})
        part->show();
    showIdle();

    const SearchSummary summary = m_run->summary();
    QLabel *const sounds[3] = {LblI1, LblI2, LblI3};
    for (int i = 0; i < ResultKindCount; ++i) {
        sounds[i]->setText(summary.soundLabel[i]);
        sounds[i]->show();
        countLabel(i + 1)->setText(summary.countLabel[i]);
        syllableLabel(i + 1)->setText(summary.syllableLabel[i]);
    }
    // Without pauses the busy display may never have shown these lines.
    for (QLabel *line : LblB) {
        setActiveInk(line, true);
        line->show();
    }
    focusT1();
}

// The controls given back at the end of a search.
void FrmDisplay::showIdle()
{
    TimBusy.stop();
    if (Chk1->isChecked())
        setActiveInk(LblA[0], true);
    if (Chk2->isChecked())
        setActiveInk(LblA[1], true);
    if (Chk3->isChecked()) {
        for (int i = 2; i <= 6; ++i)
            setActiveInk(LblA[i], true);
        for (int n = 2; n <= 5; ++n)
            Opt1[n]->setEnabled(true);
    }
    if (ChkOpt1->isChecked())
        setActiveInk(LblA[8], true);

    setAllHelpIcons(false);
    for (HelpIcon *icon : ImgAide)
        icon->setEnabled(true);
    for (int i = 1; i <= 3; ++i) {
        Lst[i]->setEnabled(true);
        setActiveInk(Lst[i], true);
        setActiveInk(countLabel(i), true);
        setActiveInk(syllableLabel(i), true);
    }
    LblRech->hide();
    m_searching = false;
    setActiveInk(T1, true);
    for (QCheckBox *box : {Chk1, Chk2, Chk3, ChkOpt1})
        box->setEnabled(true);
    unsetCursor();
}
