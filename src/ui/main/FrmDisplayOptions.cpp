// The main window's input and search options: what arms the search button,
// the colours of the search types, the category and conjugation rules, and
// the saved options.
#include "ui/main/FrmDisplay.h"
#include "ui/windows/LookColours.h"

#include "lexicon/AppGlobals.h"
#include "lexicon/AppPaths.h"
#include "search/QueryPreparation.h"
#include "ui/main/MainWindowLook.h"
#include "ui/windows/WindowChrome.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

using namespace MainWindowLook;

bool FrmDisplay::anySearchType() const
{
    return Chk1->isChecked() || Chk2->isChecked() || Chk3->isChecked();
}

void FrmDisplay::armSearch()
{
    CmdGo->setEnabled(true);
    CmdGo->setArmedLook(true);
    CmdGoBis->setEnabled(true);
}

void FrmDisplay::disarmSearch()
{
    CmdGo->setEnabled(false);
    CmdGo->setArmedLook(false);
    CmdGoBis->setEnabled(false);
}

// The list boxes and the conjugation box arm the visible button on any text,
// even of one or two characters, and leave the default button alone.
void FrmDisplay::armCmdGoOnAnyText()
{
    if (T1->text().isEmpty())
        return;
    CmdGo->setEnabled(true);
    CmdGo->setArmedLook(true);
}

void FrmDisplay::focusT1()
{
    // Focus moves wait until the window is shown.
    if (isVisible())
        T1->setFocus();
}

void FrmDisplay::pressEnter()
{
    // Enter in an open option list picks its item and nothing more: the
    // list closes before the key reaches the window's shortcut.
    if (m_listItemJustPicked || QApplication::activePopupWidget())
        return;
    if (CmdGoBis->isEnabled() && isEnabled())
        CmdGoBis->click();
}

void FrmDisplay::noteListItemPicked()
{
    m_listItemJustPicked = true;
    QTimer::singleShot(0, this, [this] { m_listItemJustPicked = false; });
}

QString FrmDisplay::searchedWord() const
{
    return FilterInputText(T1->text());
}

void FrmDisplay::onT1Changed(const QString &text)
{
    const QString filtered = FilterInputBoxText(text);
    if (filtered != text) {
        // Setting the text runs this handler again on the filtered text.
        T1->setText(filtered);
        T1->end(false);
        return;
    }
    const qsizetype searched = searchedWord().size();
    if (searched >= MinimumSearchLength && anySearchType())
        armSearch();
    else if (searched < MinimumSearchLength)
        disarmSearch();
}

void FrmDisplay::colourSearchTypeGroup(int box, bool on)
{
    QLabel *const counts[4] = {nullptr, LblCpt1, LblCpt2, LblCpt3};
    QLabel *const syllables[4] = {nullptr, LblSyl1, LblSyl2, LblSyl3};
    const QColor background =
        on ? Look::designColour(QPalette::Base, kListOn) : Look::designColour(QPalette::AlternateBase, kListOff);
    setActiveInk(LblA[box - 1], on);
    setBackground(Lst[box], background);
    setBackground(counts[box], background);
    setBackground(syllables[box], background);
    if (box == 3) {
        for (int n = 2; n <= 5; ++n) {
            Opt1[n]->setEnabled(on);
            setActiveInk(LblA[n + 1], on);
        }
    }
}

void FrmDisplay::onSearchTypeToggled(int box)
{
    QCheckBox *const boxes[4] = {nullptr, Chk1, Chk2, Chk3};
    colourSearchTypeGroup(box, boxes[box]->isChecked());
    if (!anySearchType()) {
        disarmSearch();
        ChkOpt1->setEnabled(false);
        CboSyl->setEnabled(false);
        CboType->setEnabled(false);
        CboGenre->setEnabled(false);
        for (int caption : {7, 8, 9})
            setActiveInk(LblA[caption], false);
        setActiveInk(LblCboGenre, false);
    } else {
        if (searchedWord().size() >= MinimumSearchLength)
            armSearch();
        CboSyl->setEnabled(true);
        CboType->setEnabled(true);
        CboGenre->setEnabled(true);
        // The list captions follow their lists, which are usable again.
        setActiveInk(LblA[7], true);
        setActiveInk(LblA[9], true);
        setActiveInk(LblCboGenre, true);
        if (ChkOpt1->isChecked())
            setActiveInk(LblA[8], true);
    }
    SubChkOpt1();
}

void FrmDisplay::SubChkOpt1()
{
    const QString category = CboType->currentText();
    const bool nounOrAdjective =
        CboType->currentIndex() >= 0 && (category == QLatin1String("Nom") || category == QLatin1String("Adjectif"));
    const bool available = !nounOrAdjective && anySearchType();
    // The box keeps its value while disabled.
    ChkOpt1->setEnabled(available);
    setActiveInk(LblA[8], available);
    focusT1();
}

void FrmDisplay::onChkOpt1Toggled(bool checked)
{
    setActiveInk(LblA[8], checked);
    armCmdGoOnAnyText();
    SubChkOpt1();
}

void FrmDisplay::onOpt1Toggled(bool checked)
{
    // Only the newly selected button counts, not the one it replaces.
    if (!checked)
        return;
    if (searchedWord().size() >= MinimumSearchLength)
        armSearch();
    focusT1();
}

void FrmDisplay::onCboSylChanged()
{
    if (!UiReady)
        return;
    focusT1();
    armCmdGoOnAnyText();
}

void FrmDisplay::onCboTypeChanged()
{
    if (!UiReady)
        return;
    focusT1();
    // "Toutes" keeps the previous code: the filter is off anyway.
    const QString code = CategoryCodeFor(CboType->currentText());
    if (!code.isEmpty())
        m_categoryCode = code;
    armCmdGoOnAnyText();
    SubChkOpt1();
}

SearchOptions FrmDisplay::searchOptions() const
{
    SearchOptions options;
    options.richRhymes = Chk1->isChecked();
    options.approxRhymes = Chk2->isChecked();
    options.wordEndings = Chk3->isChecked();
    options.syllableFilter = CboSyl->currentText();
    options.categoryFilter = CboType->currentText();
    options.excludeConjugated = ChkOpt1->isChecked();
    options.genreFilter = CboGenre->currentIndex() >= 0 ? CboGenre->currentText() : QStringLiteral("Toutes");
    return options;
}

SearchParameters FrmDisplay::searchParameters() const
{
    const AppPreferences &preferences = AppGlobals::instance().preferences;
    SearchParameters parameters;
    parameters.typedText = searchedWord();
    parameters.richRhymes = Chk1->isChecked();
    parameters.approxRhymes = Chk2->isChecked();
    parameters.wordEndings = Chk3->isChecked();
    parameters.endingLength = 5;
    for (int n = 2; n <= 5; ++n) {
        if (Opt1[n]->isChecked())
            parameters.endingLength = n;
    }
    parameters.syllableFilter = CboSyl->currentIndex() >= 0 ? CboSyl->currentText() : QStringLiteral("Toutes");
    parameters.categoryFilter = CboType->currentIndex() >= 0 ? CboType->currentText() : QStringLiteral("Toutes");
    parameters.categoryCode = m_categoryCode;
    parameters.excludeConjugated = ChkOpt1->isChecked();
    parameters.genreFilter = CboGenre->currentIndex() >= 0 ? CboGenre->currentText() : QStringLiteral("Toutes");
    parameters.showDuplicates = preferences.showDuplicates == 1;
    parameters.showSecondaryMessages = preferences.showSecondaryMessages == 1;
    parameters.spellCheckOn = ChkOrtho->isChecked();
    parameters.alphabetical = preferences.alphabeticalOrder == 1;
    return parameters;
}

void FrmDisplay::restoreSearchOptions()
{
    const SavedSearchOptions saved = OptionsFile::readSearchOptions(
        AppPaths::optionsFileToRead(AppGlobals::instance().appDir, AppGlobals::instance().settingsFolder()));
    // Each value acts as if the user had set it, with its colours and rules.
    if (saved.richRhymes)
        Chk1->setChecked(*saved.richRhymes);
    if (saved.approxRhymes)
        Chk2->setChecked(*saved.approxRhymes);
    if (saved.wordEndings)
        Chk3->setChecked(*saved.wordEndings);
    if (saved.syllableFilter)
        CboSyl->setCurrentText(*saved.syllableFilter);
    if (saved.categoryFilter) {
        CboType->setCurrentText(*saved.categoryFilter);
        // The list's own handler is still asleep.
        const QString code = CategoryCodeFor(*saved.categoryFilter);
        if (!code.isEmpty())
            m_categoryCode = code;
        SubChkOpt1();
    }
    if (saved.excludeConjugated && *saved.excludeConjugated)
        ChkOpt1->setChecked(true);
    if (saved.genreFilter)
        CboGenre->setCurrentText(*saved.genreFilter);
}

void FrmDisplay::applyDefaultSearchOptions()
{
    Chk1->setChecked(true);
    Chk2->setChecked(true);
    Chk3->setChecked(true);
    Opt1[5]->setChecked(true);
    CboSyl->setCurrentIndex(0);
    CboType->setCurrentIndex(0);
    CboGenre->setCurrentIndex(0);
    ChkOpt1->setChecked(false);
}

void FrmDisplay::resetSearchOptions()
{
    focusT1();
    applyDefaultSearchOptions();
    AppPreferences &preferences = AppGlobals::instance().preferences;
    preferences.theme = 0;
    preferences.saveSearchOptions = 1;
    preferences.showDuplicates = 0;
    showMessage(QMessageBox::NoIcon, QStringLiteral("Les options de recherche ont été      \r\nréinitialisées."),
                QMessageBox::Ok);
}

bool FrmDisplay::writeOptionsFile()
{
    const AppGlobals &globals = AppGlobals::instance();
    return OptionsFile::write(OptionsFile::path(globals.settingsFolder()), globals.preferences, searchOptions(),
                              windowSize());
}
