// The secondary windows the main window opens, one function each.
#include "ui/main/FrmDisplay.h"

#include "lexicon/AppGlobals.h"
#include "ui/windows/FrmConseils.h"
#include "ui/windows/FrmDicOrtho.h"
#include "ui/windows/FrmListSyno.h"
#include "ui/windows/FrmOption.h"
#include "ui/windows/FrmOrtho.h"
#include "ui/windows/FrmPropos.h"
#include "ui/windows/HelpSite.h"

#include <QCheckBox>
#include <QLineEdit>

void FrmDisplay::openSite()
{
    Foc->setFocus();
    // The help pages may be missing or no browser found; nothing is said then.
    HelpSite::open(AppGlobals::instance().appDir);
}

// The spelling dictionary, modal.
void FrmDisplay::openDicOrtho()
{
    FrmDicOrtho window(searchedWord(), this, spellingLists);
    window.showNotice = [this](const QString &text) {
        return int(showMessage(QMessageBox::Information, text, QMessageBox::Ok));
    };
    window.showWarning = [this](const QString &text) {
        return int(showMessage(QMessageBox::Warning, text, QMessageBox::Ok));
    };
    window.exec();
}

// The synonyms window: shown modally for free browsing, or kept hidden for a
// one-word lookup when AppGlobals::synonymQueryPending is set.
void FrmDisplay::openListSyno()
{
    FrmListSyno::open(this);
}

// The options window; it disables this window while it is open.
void FrmDisplay::openOptions()
{
    const QPointer<FrmOption> window = FrmOption::open(AppGlobals::instance().preferences, this);
    // The two spelling boxes follow each other.
    connect(window, &FrmOption::spellCheckChanged, ChkOrtho, &QCheckBox::setChecked);
    connect(ChkOrtho, &QCheckBox::toggled, window, &FrmOption::setSpellCheck);
}

// The search tips; modal at the very first start.
void FrmDisplay::openConseils(bool modal)
{
    if (modal)
        FrmConseils::showModal(this);
    else
        FrmConseils::open(this);
}

// The About window; it hides this window while it is open.
void FrmDisplay::openPropos()
{
    // Clears the contact window's marker first, so that closing the About
    // window by itself brings this window back.
    FrmPropos::open(this);
}

// The automatic spelling check of AppGlobals::wordToCheck. The spelling
// window sets spellingDone and starts TimRetour when the search may go on.
bool FrmDisplay::openSpellingCheck()
{
    // A second request while the word is being checked is the same request.
    if (findChild<FrmOrtho *>(QString(), Qt::FindDirectChildrenOnly))
        return true;
    auto *window = new FrmOrtho(this, spellingLists);
    window->showMessage = [this](const QString &text) {
        return int(showMessage(QMessageBox::NoIcon, text, QMessageBox::Ok));
    };
    connect(window, &FrmOrtho::suggestionChosen, T1, &QLineEdit::setText);
    connect(window, &FrmOrtho::searchRestartRequested, this, [this] { TimRetour.start(10); });
    return true;
}
