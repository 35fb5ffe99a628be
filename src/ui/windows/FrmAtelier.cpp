#include "ui/windows/FrmAtelier.h"
#include "ui/windows/AccessibleNames.h"

#include "ui/windows/AtelierWarnings.h"
#include "ui/windows/LookColours.h"
#include "lexicon/AppGlobals.h"
#include "ui/windows/PoemGutter.h"
#include "ui/windows/WindowChrome.h"
#include "ui/windows/WindowParts.h"
#include "verse/PoemFile.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 760, kHeight = 620, kTitleHeight = 26;
const QString kWindowTitle = QStringLiteral("Atelier du poème");
const QString kPoemFilter = QStringLiteral("Poèmes (*.txt);;Tous les fichiers (*)");
} // namespace

FrmAtelier::FrmAtelier(const QString &recoveryFolder, QWidget *parent)
    : QWidget(parent, Look::windowFlags(Qt::Window)), m_recovery(recoveryFolder)
{
    WindowParts::setUpSecondaryWindow(this, QStringLiteral("FrmAtelier"), kWindowTitle);
    ask = [this](const QString &text, QMessageBox::StandardButtons buttons) {
        return QMessageBox::question(this, kWindowTitle, text, buttons);
    };
    tell = [this](const QString &text) { QMessageBox::warning(this, kWindowTitle, text); };
    chooseFile = [this](bool saving) {
        return saving ? QFileDialog::getSaveFileName(this, kWindowTitle, m_path, kPoemFilter)
                      : QFileDialog::getOpenFileName(this, kWindowTitle, QString(), kPoemFilter);
    };
    build();
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(RecoveryDelayMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &FrmAtelier::writeRecoveryNow);
    m_scansion.scanner().setOptions(AtelierWarnings::fromFlags(AppGlobals::instance().preferences.atelierWarnings));
    m_scansion.setLines({QString()});
    buildWarningsMenu();
    buildRecentMenu();
    NameControlsFromTheirTexts(this);
    Look::fitToDesktop(this, kTitleHeight);
    showTitle();
}

FrmAtelier::~FrmAtelier() = default;

FrmAtelier *FrmAtelier::open()
{
    auto *window = new FrmAtelier;
    window->setAttribute(Qt::WA_DeleteOnClose);
    WindowParts::placeUpperCentre(window);
    window->show();
    window->activateWindow();
    window->TxtPoeme->setFocus();
    return window;
}

FrmAtelier *FrmAtelier::offerRecoveredPoem()
{
    const auto copy = PoemRecovery().pending();
    if (!copy)
        return nullptr;
    const QString name = copy->originalPath.isEmpty() ? QStringLiteral("sans titre") : QFileInfo(copy->originalPath).fileName();
    const auto answer = QMessageBox::question(
        nullptr, kWindowTitle,
        QStringLiteral("Un poème non enregistré (%1) a été gardé lors de la dernière séance. Le reprendre ?").arg(name),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        PoemRecovery().discard();
        return nullptr;
    }
    FrmAtelier *window = open();
    window->takeRecovered(*copy);
    return window;
}

void FrmAtelier::build()
{
    setFixedSize(kWidth, kHeight);
    setStyleSheet(QStringLiteral("FrmAtelier { background: #eef2fb; border: 1px solid rgb(88, 128, 190); }"));
    LblTitre = WindowParts::addTitleBand(this, kWindowTitle, kTitleHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, kTitleHeight + 8, 10, 10);
    auto *buttons = new QHBoxLayout;
    CmdNouveau = new SkinnedButton(QStringLiteral("&Nouveau"), this);
    CmdOuvrir = new SkinnedButton(QStringLiteral("&Ouvrir"), this);
    CmdEnregistrer = new SkinnedButton(QStringLiteral("&Enregistrer"), this);
    CmdEnregistrerSous = new SkinnedButton(QStringLiteral("Enregistrer &sous"), this);
    CmdFerme = new SkinnedButton(QStringLiteral("&Fermer"), this);
    CmdRime = new SkinnedButton(QStringLiteral("Chercher une &rime"), this);
    CmdRime->setToolTip(QStringLiteral("Chercher dans la fenêtre principale une rime au dernier mot du vers (Ctrl+R)"));
    CmdRecents = new SkinnedButton(QStringLiteral("\u25BE"), this);
    CmdRecents->setToolTip(QStringLiteral("Poèmes récents"));
    CmdRecents->setAccessibleName(CmdRecents->toolTip());
    CmdRecents->setFixedWidth(24);
    buttons->addWidget(CmdNouveau);
    buttons->addWidget(CmdOuvrir);
    buttons->addSpacing(-4);
    buttons->addWidget(CmdRecents);
    buttons->addWidget(CmdEnregistrer);
    buttons->addWidget(CmdEnregistrerSous);
    buttons->addSpacing(20);
    buttons->addWidget(CmdRime);
    CmdAlertes = new SkinnedButton(QStringLiteral("&Alertes"), this);
    CmdAlertes->setToolTip(QStringLiteral("Choisir les règles classiques que l'atelier signale"));
    buttons->addWidget(CmdAlertes);
    buttons->addStretch();
    buttons->addWidget(CmdFerme);
    layout->addLayout(buttons);

    TxtPoeme = new QPlainTextEdit(this);
    TxtPoeme->setObjectName(QStringLiteral("TxtPoeme"));
    TxtPoeme->setAccessibleName(QStringLiteral("Poème"));
    TxtPoeme->setAccessibleDescription(QStringLiteral("Le texte du poème, un vers par ligne"));
    TxtPoeme->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = TxtPoeme->font();
    font.setPointSize(12);
    TxtPoeme->setFont(font);
    Gutter = new PoemGutter(TxtPoeme, m_scansion);
    Gutter->setFont(font);
    layout->addWidget(TxtPoeme, 1);

    LblEtat = new QLabel(this);
    LblEtat->setObjectName(QStringLiteral("LblEtat"));
    LblSecours = new QLabel(this);
    LblSecours->setObjectName(QStringLiteral("LblSecours"));
    LblSecours->setStyleSheet(QStringLiteral("color: #777;"));
    auto *status = new QHBoxLayout;
    status->addWidget(LblEtat, 1);
    status->addWidget(LblSecours);
    layout->addLayout(status);

    TxtPoeme->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TxtPoeme, &QWidget::customContextMenuRequested, this, &FrmAtelier::showEditorMenu);
    connect(TxtPoeme->document(), &QTextDocument::contentsChange, this, &FrmAtelier::onContentsChange);
    connect(TxtPoeme, &QPlainTextEdit::cursorPositionChanged, this, &FrmAtelier::showCurrentLineState);
    connect(TxtPoeme->document(), &QTextDocument::modificationChanged, this, &FrmAtelier::showTitle);
    connect(CmdNouveau, &QPushButton::clicked, this, &FrmAtelier::newPoem);
    connect(CmdOuvrir, &QPushButton::clicked, this, &FrmAtelier::askToOpen);
    connect(CmdEnregistrer, &QPushButton::clicked, this, &FrmAtelier::save);
    connect(CmdEnregistrerSous, &QPushButton::clicked, this, [this] {
        if (const QString path = chooseFile(true); !path.isEmpty())
            saveAs(path);
    });
    connect(CmdFerme, &QPushButton::clicked, this, &QWidget::close);
    connect(CmdRime, &QPushButton::clicked, this, &FrmAtelier::searchRhymeForCurrentLine);
    auto *rhymeShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    connect(rhymeShortcut, &QShortcut::activated, this, &FrmAtelier::searchRhymeForCurrentLine);
}

// Only the blocks the change touched are counted again.
void FrmAtelier::onContentsChange(int position, int removed, int added)
{
    Q_UNUSED(removed);
    QTextDocument *document = TxtPoeme->document();
    const int first = document->findBlock(position).blockNumber();
    // A change that reaches the document's end may point past its last block.
    const QTextBlock lastBlock = document->findBlock(position + added);
    const int last = lastBlock.isValid() ? lastBlock.blockNumber() : document->blockCount() - 1;
    const int newCount = document->blockCount();
    const int removedLines = (last - first + 1) - (newCount - m_blockCount);
    QStringList lines;
    for (int i = first; i <= last; ++i)
        lines << document->findBlockByNumber(i).text();
    m_scansion.replaceLines(first, removedLines, lines);
    m_blockCount = newCount;
    // The editor's report of a whole-text change can be off; never show figures out of step.
    if (m_scansion.lineCount() != newCount)
        m_scansion.setLines(document->toPlainText().split(u'\n'));
    Gutter->update();
    showCurrentLineState();
    if (document->isModified())
        m_recoveryTimer.start();
}

void FrmAtelier::showCurrentLineState()
{
    const LineFigures &figures = m_scansion.figures(TxtPoeme->textCursor().blockNumber());
    if (figures.blank)
        LblEtat->setText(QString());
    else if (figures.warnings.isEmpty())
        LblEtat->setText(QStringLiteral("%1 syllabes").arg(figures.syllables));
    else
        LblEtat->setText(figures.warnings.join(QStringLiteral(" ; ")));
}

void FrmAtelier::showTitle()
{
    const QString name = m_path.isEmpty() ? QStringLiteral("sans titre") : QFileInfo(m_path).fileName();
    LblTitre->setText(kWindowTitle + QStringLiteral(" – ") + name + (isModified() ? QStringLiteral(" *") : QString()));
}

bool FrmAtelier::isModified() const
{
    return TxtPoeme->document()->isModified();
}

void FrmAtelier::loadText(const QString &text)
{
    m_recoveryTimer.stop();
    TxtPoeme->setPlainText(text);
    TxtPoeme->document()->setModified(false);
    showTitle();
}

bool FrmAtelier::openFile(const QString &path)
{
    const PoemFile::ReadResult poem = PoemFile::read(path);
    if (!poem.ok) {
        forgetRecent(path);
        tell(poem.error);
        return false;
    }
    if (!settleUnsavedChanges())
        return false;
    m_path = path;
    loadText(poem.text);
    rememberRecent(path);
    return true;
}

void FrmAtelier::askToOpen()
{
    if (const QString path = chooseFile(false); !path.isEmpty())
        openFile(path);
}

void FrmAtelier::newPoem()
{
    if (!settleUnsavedChanges())
        return;
    m_path.clear();
    loadText(QString());
}

void FrmAtelier::takeRecovered(const PoemRecovery::Copy &copy)
{
    m_path = copy.originalPath;
    loadText(copy.text);
    // Still not saved: the poet decides where it goes.
    TxtPoeme->document()->setModified(true);
}

bool FrmAtelier::save()
{
    if (m_path.isEmpty()) {
        const QString path = chooseFile(true);
        return !path.isEmpty() && saveAs(path);
    }
    return saveAs(m_path);
}

bool FrmAtelier::saveAs(const QString &path)
{
    QString error;
    if (!PoemFile::save(path, TxtPoeme->toPlainText(), &error)) {
        tell(error);
        return false;
    }
    m_path = path;
    rememberRecent(path);
    m_recoveryTimer.stop();
    m_recovery.discard();
    TxtPoeme->document()->setModified(false);
    showTitle();
    return true;
}

void FrmAtelier::writeRecoveryNow()
{
    if (!isModified())
        return;
    QString error;
    if (m_recovery.write(TxtPoeme->toPlainText(), m_path, &error)) {
        LblSecours->setText(QStringLiteral("Copie de secours faite"));
        LblSecours->setToolTip(m_recovery.copyPath());
    } else {
        LblSecours->setText(QStringLiteral("Copie de secours impossible"));
        LblSecours->setToolTip(error);
    }
}

// True when the poem may go: saved, deliberately dropped, or unchanged.
bool FrmAtelier::settleUnsavedChanges()
{
    if (!isModified())
        return true;
    const auto answer = ask(QStringLiteral("Le poème a été modifié. Enregistrer les changements ?"),
                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return save();
    if (answer == QMessageBox::Discard) {
        m_recoveryTimer.stop();
        m_recovery.discard();
        TxtPoeme->document()->setModified(false);
        return true;
    }
    return false;
}

void FrmAtelier::closeEvent(QCloseEvent *event)
{
    if (settleUnsavedChanges())
        event->accept();
    else
        event->ignore();
}

// When the line is off the metre, the new word's count makes up the difference.
void FrmAtelier::searchRhymeForCurrentLine()
{
    const int line = TxtPoeme->textCursor().blockNumber();
    const QString word = m_scansion.lastWord(line);
    if (word.isEmpty()) {
        LblEtat->setText(QStringLiteral("Le vers n'a pas de mot à faire rimer."));
        return;
    }
    const LineFigures &figures = m_scansion.figures(line);
    int syllables = 0;
    if (m_scansion.metre() > 0 && figures.syllables != m_scansion.metre())
        syllables = m_scansion.lastWordSyllables(line) + m_scansion.metre() - figures.syllables;
    m_searchLine = line;
    emit rhymeSearchWanted(word, m_scansion.wantedGenre(line), syllables > 0 ? syllables : 0);
}

void FrmAtelier::replaceLastWord(const QString &word)
{
    const QTextBlock block = TxtPoeme->document()->findBlockByNumber(m_searchLine);
    if (!block.isValid() || word.isEmpty())
        return;
    static const QRegularExpression wordPattern(QStringLiteral("\\p{L}+"));
    QRegularExpressionMatch last;
    for (auto it = wordPattern.globalMatch(block.text()); it.hasNext();)
        last = it.next();
    QTextCursor cursor(block);
    if (last.hasMatch()) {
        cursor.setPosition(block.position() + int(last.capturedStart()));
        cursor.setPosition(block.position() + int(last.capturedEnd()), QTextCursor::KeepAnchor);
    } else {
        cursor.movePosition(QTextCursor::EndOfBlock);
    }
    cursor.insertText(word);
    TxtPoeme->setTextCursor(cursor);
}

// One checkable action per check, ticked as the options stand.
void FrmAtelier::buildWarningsMenu()
{
    MnuAlertes = new QMenu(this);
    MnuAlertes->setObjectName(QStringLiteral("MnuAlertes"));
    const VerseOptions &options = m_scansion.scanner().options();
    for (const AtelierWarnings::Check &check : AtelierWarnings::checks()) {
        QAction *action = MnuAlertes->addAction(check.caption);
        action->setCheckable(true);
        action->setChecked(options.*(check.option));
        connect(action, &QAction::toggled, this, [this, option = check.option](bool on) {
            VerseOptions changed = m_scansion.scanner().options();
            changed.*option = on;
            setVerseOptions(changed);
        });
    }
    connect(CmdAlertes, &QPushButton::clicked, this, [this] {
        MnuAlertes->popup(CmdAlertes->mapToGlobal(QPoint(0, CmdAlertes->height())));
    });
}

void FrmAtelier::setVerseOptions(const VerseOptions &options)
{
    m_scansion.scanner().setOptions(options);
    AppGlobals::instance().preferences.atelierWarnings = AtelierWarnings::toFlags(options);
    const QList<QAction *> actions = MnuAlertes->actions();
    const QList<AtelierWarnings::Check> &checks = AtelierWarnings::checks();
    for (qsizetype i = 0; i < actions.size() && i < checks.size(); ++i) {
        const QSignalBlocker blocker(actions[i]);
        actions[i]->setChecked(options.*(checks[i].option));
    }
    showNewFigures();
}

void FrmAtelier::showNewFigures()
{
    m_scansion.refresh();
    Gutter->update();
    showCurrentLineState();
}

void FrmAtelier::showEditorMenu(const QPoint &point)
{
    std::unique_ptr<QMenu> menu(TxtPoeme->createStandardContextMenu(point));
    addWordCountActions(menu.get(), TxtPoeme->cursorForPosition(point).position());
    menu->exec(TxtPoeme->viewport()->mapToGlobal(point));
}

void FrmAtelier::addWordCountActions(QMenu *menu, int position)
{
    const QTextBlock block = TxtPoeme->document()->findBlock(position);
    const int line = block.blockNumber();
    const QList<PoemLine> &lines = m_scansion.scanner().lines();
    if (!block.isValid() || line >= lines.size())
        return;
    const int column = position - block.position();
    const QList<ScannedWord> &words = lines.at(line).scan.words;
    for (int index = 0; index < words.size(); ++index) {
        const ScannedWord &word = words.at(index);
        if (column < word.start || column > word.start + word.text.size())
            continue;
        if (!word.ambiguous())
            return;
        QAction *first = menu->actions().isEmpty() ? nullptr : menu->actions().first();
        QList<QAction *> added;
        const bool chosenByPoet = m_scansion.scanner().overrides().contains({line, index});
        for (const int count : word.counts) {
            const QString caption = word.text + QStringLiteral(" : ")
                + (count == 1 ? QStringLiteral("1 syllabe") : QStringLiteral("%1 syllabes").arg(count));
            auto *action = new QAction(caption, menu);
            action->setCheckable(true);
            action->setChecked(chosenByPoet && word.chosen == count);
            connect(action, &QAction::triggered, this, [this, line, index, count] { chooseWordCount(line, index, count); });
            added << action;
        }
        auto *usual = new QAction(QStringLiteral("Compte habituel"), menu);
        usual->setCheckable(true);
        usual->setChecked(!chosenByPoet);
        connect(usual, &QAction::triggered, this, [this, line, index] { chooseWordCount(line, index, 0); });
        added << usual;
        menu->insertActions(first, added);
        if (first)
            menu->insertSeparator(first);
        return;
    }
}

void FrmAtelier::chooseWordCount(int line, int word, int count)
{
    m_scansion.scanner().setOverride(line, word, count);
    showNewFigures();
}

QStringList FrmAtelier::recentPoems()
{
    return AppGlobals::instance().preferences.recentPoems;
}

void FrmAtelier::buildRecentMenu()
{
    MnuRecents = new QMenu(this);
    MnuRecents->setObjectName(QStringLiteral("MnuRecents"));
    connect(MnuRecents, &QMenu::aboutToShow, this, &FrmAtelier::fillRecentMenu);
    connect(CmdRecents, &QPushButton::clicked, this, [this] {
        MnuRecents->popup(CmdRecents->mapToGlobal(QPoint(0, CmdRecents->height())));
    });
    fillRecentMenu();
}

// Read again each time: another workbench window may have opened a poem since.
void FrmAtelier::fillRecentMenu()
{
    MnuRecents->clear();
    const QStringList paths = recentPoems();
    for (const QString &path : paths) {
        QAction *action = MnuRecents->addAction(QFileInfo(path).fileName());
        action->setToolTip(path);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] { openFile(path); });
    }
    if (paths.isEmpty())
        MnuRecents->addAction(QStringLiteral("Aucun poème récent"))->setEnabled(false);
    MnuRecents->setToolTipsVisible(true);
}

void FrmAtelier::rememberRecent(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList &paths = AppGlobals::instance().preferences.recentPoems;
    paths.removeAll(absolute);
    paths.prepend(absolute);
    while (paths.size() > RecentPoemsKept)
        paths.removeLast();
}

void FrmAtelier::forgetRecent(const QString &path)
{
    AppGlobals::instance().preferences.recentPoems.removeAll(QFileInfo(path).absoluteFilePath());
}
