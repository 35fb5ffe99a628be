#include "ui/windows/FrmOrtho.h"
#include "ui/windows/AccessibleNames.h"
#include "ui/windows/LookColours.h"
#include "ui/windows/MessageBoxes.h"

#include "lexicon/AppGlobals.h"
#include "spelling/LetterDictionary.h"
#include "spelling/NearSpellings.h"
#include "spelling/SpellCheck.h"
#include "ui/windows/SpellingLook.h"
#include "ui/windows/WindowChrome.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int kWidth = 420, kHeight = 290;
constexpr int kTitleHeight = 26, kPanelWidth = 112;
constexpr int kCheckDelayMs = 100;
constexpr int kButtonWidth = 170, kButtonHeight = 26;
const QString kCrLf = QStringLiteral("\r\n");
} // namespace

const QString FrmOrtho::SearchingText = QStringLiteral("Recherche en cours...");
const QString FrmOrtho::HeaderRule = QString(36, QLatin1Char('-'));

FrmOrtho::FrmOrtho(QWidget *mainWindow, DataItemReader readItem)
    : QWidget(mainWindow, Look::windowFlags(Qt::Window)),
      m_mainWindow(mainWindow), m_readItem(std::move(readItem))
{
    setObjectName(QStringLiteral("FrmOrtho"));
    setWindowTitle(QStringLiteral("Correcteur orthographique"));
    setFixedSize(kWidth, kHeight);
    setStyleSheet(SpellingLook::windowStyle(QStringLiteral("FrmOrtho")));

    Pic2 = new QLabel(this);
    Pic2->setObjectName(QStringLiteral("Pic2"));
    Pic2->setGeometry(0, 0, kWidth, kTitleHeight);
    Pic2->setStyleSheet(SpellingLook::TitleStripStyle);
    LblLogo = new QLabel(QStringLiteral("Correcteur   orthographique          "), this);
    LblLogo->setObjectName(QStringLiteral("LblLogo"));
    LblLogo->setGeometry(10, 3, 320, 20);
    LblLogo->setStyleSheet(SpellingLook::TitleTextStyle);
    ImgClose2 = new HoverPicture(Chrome::Picture::Close, this);
    ImgClose2->setObjectName(QStringLiteral("ImgClose2"));
    ImgClose2->move(kWidth - ImgClose2->width() - 6, (kTitleHeight - ImgClose2->height()) / 2);
    ImgClose2->setToolTip(QStringLiteral("Fermer et rechercher le mot tel quel"));
    // The desktop's title bar stands for the strip.
    setWindowTitle(LblLogo->text().simplified());
    for (QWidget *own : {static_cast<QWidget *>(Pic2), static_cast<QWidget *>(LblLogo), static_cast<QWidget *>(ImgClose2)})
        Look::hideUnderDesktopLook(own);

    Pic1 = new QLabel(this);
    Pic1->setObjectName(QStringLiteral("Pic1"));
    Pic1->setGeometry(0, kTitleHeight, kPanelWidth, kHeight - kTitleHeight);
    Pic1->setStyleSheet(SpellingLook::SidePanelStyle);
    ImgIcone = new QLabel(Pic1);
    ImgIcone->setObjectName(QStringLiteral("ImgIcone"));
    ImgIcone->setPixmap(SpellingLook::icon());
    ImgIcone->setGeometry((kPanelWidth - 48) / 2, 18, 48, 48);
    ImgIcone->setStyleSheet(QStringLiteral("background: transparent;"));
    LblInfo = new QLabel(Pic1);
    LblInfo->setObjectName(QStringLiteral("LblInfo"));
    LblInfo->setGeometry(6, 80, kPanelWidth - 12, 110);
    LblInfo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LblInfo->setStyleSheet(QStringLiteral("background: transparent; color: #3b2d6b;"));

    LblSolution = new QLabel(this);
    LblSolution->setObjectName(QStringLiteral("LblSolution"));
    LblSolution->setGeometry(kPanelWidth + 10, kTitleHeight + 8, kWidth - kPanelWidth - 20, 36);
    LblSolution->setWordWrap(true);
    LblSolution->setStyleSheet(QStringLiteral("font-weight: bold; color: #221a3a;"));

    auto *Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setGeometry(kPanelWidth + 10, kTitleHeight + 48, kWidth - kPanelWidth - 20, 2);
    Line1->setStyleSheet(QStringLiteral("color: #9d86e0;"));
    auto *Line2 = new QFrame(this);
    Line2->setFrameShape(QFrame::VLine);
    Line2->setGeometry(kPanelWidth, kTitleHeight, 2, kHeight - kTitleHeight);
    Line2->setStyleSheet(QStringLiteral("color: #7b5fc7;"));

    LstMot = new QListWidget(this);
    LstMot->setObjectName(QStringLiteral("LstMot"));
    LstMot->setGeometry(kPanelWidth + 10, kTitleHeight + 56, kWidth - kPanelWidth - 20,
                        kHeight - kTitleHeight - 66 - kButtonHeight - 6);
    LstMot->setFont(SpellingLook::listFont());
    LstMot->setAccessibleName(QStringLiteral("Suggestions"));
    LstMot->setAccessibleDescription(QStringLiteral("Mots proches du mot tapé : flèches pour choisir, Entrée pour rechercher"));

    CmdTelQuel = new QPushButton(QStringLiteral("&Rechercher quand même"), this);
    CmdTelQuel->setObjectName(QStringLiteral("CmdTelQuel"));
    CmdTelQuel->setGeometry(kWidth - 10 - kButtonWidth, kHeight - 10 - kButtonHeight, kButtonWidth, kButtonHeight);
    CmdTelQuel->setAccessibleDescription(QStringLiteral("Rechercher le mot tel qu'il a été tapé"));
    CmdTelQuel->setAutoDefault(false);
    LstMot->setStyleSheet(QStringLiteral("QListWidget { background: white; border: 1px solid #7d6fa3; }"));

    // Out of sight: the focus holder and the minimum rate with its caption.
    Foc = new QLineEdit(this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(-200, -200, 10, 10);
    TxtTaux = new QLineEdit(QStringLiteral("80"), this);
    TxtTaux->setObjectName(QStringLiteral("TxtTaux"));
    TxtTaux->setGeometry(-200, kHeight + 200, 30, 20);
    TxtTaux->setFocusPolicy(Qt::NoFocus);
    Foc->setFocusPolicy(Qt::NoFocus);
    Lbl = new QLabel(QStringLiteral("= taux mini pour être accepté."), this);
    Lbl->setObjectName(QStringLiteral("Lbl"));
    Lbl->setGeometry(-160, kHeight + 200, 150, 20);

    for (QWidget *handle : {static_cast<QWidget *>(ImgIcone), static_cast<QWidget *>(LblInfo),
                            static_cast<QWidget *>(LblLogo), static_cast<QWidget *>(Pic1),
                            static_cast<QWidget *>(Pic2)})
        Chrome::makeDragHandle(handle);

    showMessage = [this](const QString &text) {
        return int(MessageBoxes::show(this, QMessageBox::NoIcon, text));
    };

    connect(ImgClose2, &HoverPicture::clicked, this, &FrmOrtho::searchAsTyped);
    connect(CmdTelQuel, &QPushButton::clicked, this, &FrmOrtho::searchAsTyped);
    connect(LstMot, &QListWidget::itemClicked, this, &FrmOrtho::itemClicked);
    // Enter on the current suggestion (and a double click) picks it.
    connect(LstMot, &QListWidget::itemActivated, this, &FrmOrtho::itemClicked);
    TimCherche.setSingleShot(true);
    connect(&TimCherche, &QTimer::timeout, this, &FrmOrtho::check);

    // Load: nothing is shown yet; the check starts on the timer.
    LblSolution->setText(SearchingText);
    LblInfo->setText(QStringList {QStringLiteral("Cliquez sur"), QStringLiteral("un des mots"),
                                  QStringLiteral("suggérés par"), QStringLiteral("le  correcteur"),
                                  QStringLiteral("d'orthographe."), QString(),
                                  QStringLiteral("Échap : le mot"), QStringLiteral("tel quel.")}
                         .join(QLatin1Char('\n')));
    NameControlsFromTheirTexts(this);
    Look::fitToDesktop(this, kTitleHeight);
    TimCherche.start(kCheckDelayMs);
}

QString FrmOrtho::incorrectText(const QString &word)
{
    return QStringLiteral("L'orthographe du mot ''") + word + QStringLiteral("'' est incorrecte.");
}

QString FrmOrtho::noSuggestionText(const QString &word)
{
    return QStringLiteral("L'orthographe du mot ''") + word + QStringLiteral("'' n'est pas valide,      ") + kCrLf
        + QStringLiteral("et le correcteur n'a pas trouvé de suggestion") + kCrLf + QStringLiteral("d'orthographe.");
}

QString FrmOrtho::unreadableListText(const QString &word)
{
    return QStringLiteral("La liste d'orthographe des mots en ''") + word.left(1).toUpper()
        + QStringLiteral("'' n'a pas pu être lue :") + kCrLf
        + QStringLiteral("le mot ''") + word + QStringLiteral("'' n'est pas vérifié.");
}

QString FrmOrtho::suggestionsHeader(int count)
{
    return QString::number(count) + (count == 1 ? QStringLiteral(" suggestion de mot:") : QStringLiteral(" suggestions de mot:"));
}

void FrmOrtho::check()
{
    TimCherche.stop();
    AppGlobals &globals = AppGlobals::instance();
    const QString word = globals.wordToCheck;
    const std::optional<QStringList> list = LetterDictionary::listForWord(word, m_readItem);
    if (!list) {
        // A list that cannot be read must not stop the search.
        globals.messageAnswer = showMessage(unreadableListText(word));
        goOnWithSearch();
        return;
    }
    m_list = *list;
    const SpellCheckResult result = SpellCheckWithNearSpellings(word, m_list, globals.preferences.spellPlusMinusOne != 0,
                                                                MinRateFromText(TxtTaux->text()).value_or(DefaultMinRate));
    switch (result.verdict) {
    case SpellVerdict::WordValid:
        goOnWithSearch();
        break;
    case SpellVerdict::NoSuggestion:
        globals.messageAnswer = showMessage(noSuggestionText(word));
        goOnWithSearch();
        break;
    case SpellVerdict::WordIncorrect:
        showSuggestions(result.suggestions);
        break;
    }
}

void FrmOrtho::goOnWithSearch()
{
    AppGlobals::instance().spellingDone = true;
    emit searchRestartRequested();
    unload();
}

void FrmOrtho::showSuggestions(const QStringList &suggestions)
{
    LblSolution->setText(incorrectText(AppGlobals::instance().wordToCheck));
    LstMot->clear();
    LstMot->addItem(suggestionsHeader(int(suggestions.size())));
    LstMot->addItem(HeaderRule);
    LstMot->addItems(suggestions);
    // The count line and the rule cannot be picked: the keys go from word to word.
    for (int row = 0; row < HeaderLineCount; ++row)
        LstMot->item(row)->setFlags(Qt::NoItemFlags);
    LstMot->setCurrentRow(HeaderLineCount);
    placeOverMainWindow();
    show();
    raise();
    activateWindow();
    LstMot->setFocus();
    if (m_mainWindow) {
        // Disabling the main window disables its child windows too: this one
        // is enabled again explicitly, which a window may be.
        m_mainWindow->setEnabled(false);
        setEnabled(true);
    }
}

void FrmOrtho::itemClicked(QListWidgetItem *item)
{
    // A double click is a click and an activation: the first one decides.
    if (m_unloading || !item)
        return;
    const QString text = item->text();
    // The count line and the rule above the suggestions are no words.
    if (LstMot->row(item) < HeaderLineCount)
        return;
    AppGlobals::instance().spellingDone = true;
    emit suggestionChosen(text);
    emit searchRestartRequested();
    unload();
}

void FrmOrtho::searchAsTyped()
{
    if (m_unloading)
        return;
    goOnWithSearch();
}

void FrmOrtho::closeEvent(QCloseEvent *event)
{
    // Closed by other means than its pictures: the word is searched as typed.
    event->accept();
    searchAsTyped();
}

void FrmOrtho::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        searchAsTyped();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmOrtho::unload()
{
    m_unloading = true;
    TimCherche.stop();
    const bool wasShown = isVisible();
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    hide();
    // The main window takes the keyboard back from the suggestions.
    if (wasShown && m_mainWindow)
        m_mainWindow->activateWindow();
    deleteLater();
}

void FrmOrtho::placeOverMainWindow()
{
    QRect area;
    if (m_mainWindow && m_mainWindow->isVisible())
        area = m_mainWindow->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}
