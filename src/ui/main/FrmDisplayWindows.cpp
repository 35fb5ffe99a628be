// The secondary windows the main window opens, one function each. A window
// that is not part of the program yet is not opened.
#include "ui/main/FrmDisplay.h"

#include "lexicon/AppGlobals.h"
#include "ui/windows/FrmDicOrtho.h"
#include "ui/windows/FrmListSyno.h"
#include "ui/windows/FrmOrtho.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>

void FrmDisplay::openSite()
{
    Foc->setFocus();
    // The companion program may be missing; nothing is said then.
    QProcess::startDetached(QDir::current().filePath(QStringLiteral("SiteWeb.exe")), {}, QDir::currentPath());
}

// The spelling dictionary, modal.
void FrmDisplay::openDicOrtho()
{
    FrmDicOrtho window(T1->text(), this, spellingLists);
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
void FrmDisplay::openOptions() {}

// The search tips; modal at the very first start.
void FrmDisplay::openConseils(bool modal)
{
    Q_UNUSED(modal);
}

// The About window; it hides this window while it is open.
void FrmDisplay::openPropos()
{
    AppGlobals::instance().messageAnswer = 0;
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
    connect(window, &FrmOrtho::cancelled, this, &FrmDisplay::focusT1);
    return true;
}
