// The result lists' word details, the copy and synonyms buttons, and the help
// icons of the search options.
#include "ui/main/FrmDisplay.h"

#include "lexicon/AppGlobals.h"
#include "search/RhymeGenre.h"
#include "ui/main/HelpIcon.h"
#include "ui/main/HelpTexts.h"
#include "ui/main/WordDetails.h"
#include "ui/windows/WindowChrome.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>

void FrmDisplay::clearDetails()
{
    for (QLabel *detail : {LblMot, LblSyl, LblLettres, LblType, Lbl[11], Lbl[12], Lbl[13], LblGenreCaption, LblGenre})
        detail->clear();
    CmdCopier->setEnabled(false);
    CmdSyn->setEnabled(false);
}

void FrmDisplay::showDetails(int list)
{
    Lbl[11]->setText(QStringLiteral("Syllabes:"));
    Lbl[12]->setText(QStringLiteral("Lettres:"));
    Lbl[13]->setText(QStringLiteral("Type:"));
    LblGenreCaption->setText(QStringLiteral("Rime:"));
    const QListWidgetItem *item = Lst[list]->currentItem();
    if (!item || !item->isSelected())
        return;
    const auto details = WordDetails::fromResultLine(item->text());
    if (!details)
        return;
    // Only a word picked in a list can be copied or looked up: a click on
    // the empty part of a list leaves the buttons off.
    CmdCopier->setEnabled(true);
    CmdSyn->setEnabled(true);
    LblMot->setText(details->word);
    LblSyl->setText(details->syllables);
    LblLettres->setText(details->letters);
    LblType->setText(details->category);
    fitWordFont();
    // The genre needs the word's line, which the search run still holds.
    if (const ResultEntry *entry = resultEntry(list, item))
        LblGenre->setText(GenreName(entry->genre));
    else
        LblGenre->clear();
}

const ResultEntry *FrmDisplay::resultEntry(int list, const QListWidgetItem *item) const
{
    const QList<ResultEntry> &entries = m_run->results(ResultKind(list - 1));
    const int row = Lst[list]->row(item);
    if (row >= 0 && row < entries.size() && entries[row].line == item->text())
        return &entries[row];
    // The list may show its lines in another order than the run found them.
    for (const ResultEntry &entry : entries) {
        if (entry.line == item->text())
            return &entry;
    }
    return nullptr;
}

void FrmDisplay::copyWord()
{
    focusT1();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(LblMot->text());
    if (!CopyNoticeShown) {
        CopyNoticeShown = true;
        showMessage(QMessageBox::NoIcon,
                    QStringLiteral("Le mot sélectionné a été copié dans le      \r\npresse-papier."),
                    QMessageBox::Ok);
    }
}

void FrmDisplay::lookUpSynonyms()
{
    focusT1();
    AppGlobals &globals = AppGlobals::instance();
    globals.synonymQueryWord = LblMot->text();
    globals.synonymQueryPending = true;
    openListSyno();
}

void FrmDisplay::setAllHelpIcons(bool highlighted)
{
    for (HelpIcon *icon : ImgAide)
        icon->setHighlighted(highlighted);
}

void FrmDisplay::showHelp(int icon)
{
    showMessage(QMessageBox::Information, HelpTexts::text(icon), QMessageBox::Ok);
    // The clicked icon does not stay lit under the mouse.
    setAllHelpIcons(false);
    focusT1();
}
