// The secondary windows the main window opens, one function each. A window
// that is not part of the program yet is not opened.
#include "ui/main/FrmDisplay.h"

#include "lexicon/AppGlobals.h"

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
void FrmDisplay::openDicOrtho() {}

// The synonyms window: shown modally for free browsing, or kept hidden for a
// one-word lookup when AppGlobals::synonymQueryPending is set.
void FrmDisplay::openListSyno() {}

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
    return false;
}
