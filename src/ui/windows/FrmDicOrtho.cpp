#include "ui/windows/FrmDicOrtho.h"
#include "ui/windows/AccessibleNames.h"
#include "ui/windows/LookColours.h"
#include "ui/windows/MessageBoxes.h"
#include "ui/windows/TextFit.h"

#include "lexicon/AppGlobals.h"
#include "spelling/LetterDictionary.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellingInput.h"
#include "ui/windows/SpellingLook.h"
#include "ui/windows/WindowChrome.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QDoubleValidator>
#include <QLocale>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>

using Chrome::twips;

namespace {
// The window is 5145 twips wide; its height follows the close button.
constexpr int kWidth = 343;
constexpr int kTitleHeight = 26, kPanelWidth = 112, kLeft = kPanelWidth + 8;
constexpr int kContentWidth = kWidth - kLeft - 8;
constexpr int kCloseTop = 322, kCloseHeight = 26;
constexpr int kCheckDelayMs = 100;
constexpr int kMinimumLength = 2;
const QString kCrLf = QStringLiteral("\r\n");

// The check box caption is long: it wraps beside the box and clicking it
// toggles the box, as a caption does.
class CheckCaption : public QLabel {
public:
    CheckCaption(const QString &text, QCheckBox *box, QWidget *parent) : QLabel(text, parent), m_box(box)
    {
        setWordWrap(true);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_box->click();
        QLabel::mouseReleaseEvent(event);
    }

private:
    QCheckBox *m_box;
};
} // namespace

const QString FrmDicOrtho::SearchingText = QStringLiteral("Recherche en cours...");
const QString FrmDicOrtho::ValidText = QStringLiteral("L'orthographe du mot est valide.");
const QString FrmDicOrtho::NoSolutionText = QStringLiteral("Aucune solution.");
const QString FrmDicOrtho::RateOutOfRangeText =
    QStringLiteral("Le taux mini doit être compris entre 0 et 100.\r\nLe taux habituel de 80 est repris.");
const QString FrmDicOrtho::CopiedText = QStringLiteral("Le mot sélectionné a été copié dans le presse-papier.      ");
const QString FrmDicOrtho::HeaderRule = QString(26, QLatin1Char('-'));

QString FrmDicOrtho::solutionsText(int count)
{
    return QString::number(count) + (count == 1 ? QStringLiteral(" solution.") : QStringLiteral(" solutions."));
}

QString FrmDicOrtho::unreadableListText(const QString &word)
{
    return QStringLiteral("La liste d'orthographe des mots en ''") + word.left(1).toUpper()
        + QStringLiteral("'' n'a pas pu être lue.");
}

FrmDicOrtho::FrmDicOrtho(const QString &mainWindowText, QWidget *mainWindow, DataItemReader readItem)
    : QDialog(mainWindow, Look::windowFlags(Qt::Dialog)), m_readItem(std::move(readItem))
{
    setObjectName(QStringLiteral("FrmDicOrtho"));
    setWindowTitle(QStringLiteral("Orthographe"));
    setModal(true);
    setStyleSheet(SpellingLook::windowStyle(QStringLiteral("FrmDicOrtho")));

    Pic2 = new QLabel(this);
    Pic2->setObjectName(QStringLiteral("Pic2"));
    Pic2->setGeometry(0, 0, kWidth, kTitleHeight);
    Pic2->setStyleSheet(SpellingLook::TitleStripStyle);
    LblLogo = new QLabel(QStringLiteral("Vérifier l' orthographe d' un mot"), this);
    LblLogo->setObjectName(QStringLiteral("LblLogo"));
    LblLogo->setGeometry(10, 3, kWidth - 20, 20);
    LblLogo->setStyleSheet(SpellingLook::TitleTextStyle);
    // The desktop's title bar stands for the strip.
    setWindowTitle(LblLogo->text().simplified());
    Look::hideUnderDesktopLook(Pic2);
    Look::hideUnderDesktopLook(LblLogo);

    Pic1 = new QLabel(this);
    Pic1->setObjectName(QStringLiteral("Pic1"));
    Pic1->setStyleSheet(SpellingLook::SidePanelStyle);
    ImgIcone = new QLabel(Pic1);
    ImgIcone->setObjectName(QStringLiteral("ImgIcone"));
    ImgIcone->setPixmap(SpellingLook::icon());
    ImgIcone->setGeometry((kPanelWidth - 48) / 2, 18, 48, 48);
    ImgIcone->setStyleSheet(QStringLiteral("background: transparent;"));
    LblInfosDec = new QLabel(Pic1);
    LblInfosDec->setObjectName(QStringLiteral("LblInfosDec"));
    LblInfosDec->setGeometry(2, 80, kPanelWidth - 4, 110);
    LblInfosDec->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LblInfosDec->setWordWrap(true);
    LblInfosDec->setStyleSheet(QStringLiteral("background: transparent; color: #3b2d6b; font-size: 11px;"));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(kLeft, kTitleHeight + 10, kContentWidth, 32);
    Picture1->setStyleSheet(QStringLiteral("QLabel#Picture1 { background: white; border: 1px solid #7d6fa3; }"));
    T1 = new QLineEdit(Picture1);
    T1->setObjectName(QStringLiteral("T1"));
    T1->setGeometry(4, 4, kContentWidth - 48, 24);
    T1->setMaxLength(SpellingInput::MaxLength);
    T1->setStyleSheet(QStringLiteral("border: none; font-size: 14px;"));
    T1->setAccessibleName(QStringLiteral("Mot à vérifier"));
    LblLen = new QLabel(Picture1);
    LblLen->setObjectName(QStringLiteral("LblLen"));
    LblLen->setGeometry(kContentWidth - 42, 4, 36, 24);
    LblLen->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LblLen->setStyleSheet(QStringLiteral("color: #7d6fa3; background: transparent;"));

    CmdGo = new SkinnedButton(QStringLiteral("&Chercher"), this);
    CmdGo->setObjectName(QStringLiteral("CmdGo"));
    CmdGo->setToolTip(QStringLiteral("Lancer la recherche"));
    CmdGo->setGeometry(kLeft, kTitleHeight + 48, 110, 26);
    CmdGo->setEnabled(false);
    CmdGo->setAutoDefault(false);
    CmdGoBis = new QPushButton(QStringLiteral("Cherche"), this);
    CmdGoBis->setObjectName(QStringLiteral("CmdGoBis"));
    CmdGoBis->setGeometry(-300, -300, 60, 20);
    CmdGoBis->setDefault(true);
    CmdGoBis->setFocusPolicy(Qt::NoFocus);
    CmdGoBis->setEnabled(false);

    LblSolution = new QLabel(this);
    LblSolution->setObjectName(QStringLiteral("LblSolution"));
    LblSolution->setGeometry(kLeft, kTitleHeight + 80, kContentWidth, 18);
    LblSolution->setStyleSheet(QStringLiteral("color: #221a3a;"));
    QFont verdictFont = LblSolution->font();
    verdictFont.setBold(true);
    LblSolution->setFont(verdictFont);
    m_verdictPointSize = verdictFont.pointSize();

    LstMot = new QListWidget(this);
    LstMot->setObjectName(QStringLiteral("LstMot"));
    LstMot->setGeometry(kLeft, kTitleHeight + 100, kContentWidth, 134);
    LstMot->setFont(SpellingLook::listFont());
    LstMot->setAccessibleName(QStringLiteral("Suggestions"));
    LstMot->setStyleSheet(QStringLiteral("QListWidget { background: white; border: 1px solid #7d6fa3; }"));

    Chk1 = new QCheckBox(this);
    Chk1->setObjectName(QStringLiteral("Chk1"));
    Chk1->setGeometry(kLeft, kTitleHeight + 242, 18, 18);
    Chk1->setChecked(true);
    Chk1Caption = new CheckCaption(
        QStringLiteral("Prendre en compte les mots ayant une lettre  de plus  ou une  lettre de moins."), Chk1, this);
    Chk1Caption->setObjectName(QStringLiteral("Chk1Caption"));
    Chk1Caption->setGeometry(kLeft + 20, kTitleHeight + 242, kContentWidth - 20, 44);
    Chk1Caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Chk1Caption->setStyleSheet(QStringLiteral("font-size: 11px;"));
    Chk1->setAccessibleName(Chk1Caption->text());

    CmdFermer = new SkinnedButton(QStringLiteral("  &Fermer "), this);
    CmdFermer->setObjectName(QStringLiteral("CmdFermer"));
    CmdFermer->setGeometry(kWidth - 8 - 100, kCloseTop, 100, kCloseHeight);
    CmdFermer->setAutoDefault(false);

    auto *Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::VLine);
    Line1->setGeometry(kPanelWidth, kTitleHeight, 2, 1000);
    Line1->setStyleSheet(QStringLiteral("color: #7b5fc7;"));
    auto *Line2 = new QFrame(this);
    Line2->setFrameShape(QFrame::HLine);
    Line2->setGeometry(kLeft, kCloseTop - 8, kContentWidth, 2);
    Line2->setStyleSheet(QStringLiteral("color: #9d86e0;"));

    // Out of sight: the minimum rate with its caption, and the focus holder.
    TxtTaux = new QLineEdit(QStringLiteral("80"), this);
    TxtTaux->setObjectName(QStringLiteral("TxtTaux"));
    TxtTaux->setGeometry(-200, 1000, 30, 20);
    // Out of sight, hence out of the Tab order; it takes only rates.
    TxtTaux->setFocusPolicy(Qt::NoFocus);
    auto *rates = new QDoubleValidator(0.0, 100.0, 2, TxtTaux);
    rates->setLocale(QLocale::c());
    TxtTaux->setValidator(rates);
    Lbl = new QLabel(QStringLiteral("= taux mini pour être accepté."), this);
    Lbl->setObjectName(QStringLiteral("Lbl"));
    Lbl->setGeometry(-160, 1000, 150, 20);
    Foc = new QLineEdit(this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(-200, -200, 10, 10);
    Foc->setFocusPolicy(Qt::NoFocus);

    for (QWidget *handle : {static_cast<QWidget *>(Pic2), static_cast<QWidget *>(LblLogo),
                            static_cast<QWidget *>(Pic1), static_cast<QWidget *>(ImgIcone),
                            static_cast<QWidget *>(LblInfosDec)})
        Chrome::makeDragHandle(handle);

    showNotice = [this](const QString &text) {
        return MessageBoxes::show(this, QMessageBox::Information, text);
    };
    showWarning = [this](const QString &text) {
        return MessageBoxes::show(this, QMessageBox::Warning, text);
    };

    connect(T1, &QLineEdit::textChanged, this, &FrmDicOrtho::textChanged);
    connect(CmdGo, &QPushButton::clicked, this, [this] {
        Foc->setFocus();
        CmdGoBis->click();
    });
    connect(CmdGoBis, &QPushButton::clicked, this, &FrmDicOrtho::startCheck);
    connect(Chk1, &QCheckBox::clicked, Foc, qOverload<>(&QWidget::setFocus));
    connect(LstMot, &QListWidget::itemClicked, this, &FrmDicOrtho::itemClicked);
    connect(CmdFermer, &QPushButton::clicked, this, &QDialog::accept);
    TimCherche.setSingleShot(true);
    connect(&TimCherche, &QTimer::timeout, this, &FrmDicOrtho::check);

    // Load.
    if (!mainWindowText.isEmpty()) {
        T1->setText(mainWindowText);
        // Even a single character may be checked when it comes from the
        // main window; a text the filter emptied may not.
        const bool checkable = !T1->text().isEmpty();
        CmdGo->setEnabled(checkable);
        CmdGoBis->setEnabled(checkable);
    }
    const int height = kCloseTop + kCloseHeight + twips(240);
    setFixedSize(kWidth, height);
    Pic1->setGeometry(0, kTitleHeight, kPanelWidth, height - kTitleHeight);
    if (mainWindow) {
        move(mainWindow->frameGeometry().topLeft() - QPoint(twips(240), twips(240)));
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(kWidth / 2, height / 2));
    }
    LblInfosDec->setText(QStringList {QStringLiteral("Ce correcteur"), QStringLiteral("orthographique"),
                                      QStringLiteral("analyse le mot"), QStringLiteral("que vous saisissez"),
                                      QStringLiteral("et suggère les"), QStringLiteral("corrections possibles.")}
                             .join(QLatin1Char('\n')));
    m_copyNoticeShown = false;
    NameControlsFromTheirTexts(this);
    Look::fitToDesktop(this, kTitleHeight);
    T1->setFocus();
}

void FrmDicOrtho::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The caret waits at the end of the word handed over, nothing selected,
    // once the window has given its first focus.
    QTimer::singleShot(0, this, [this] {
        T1->setFocus();
        T1->deselect();
        T1->end(false);
    });
}

void FrmDicOrtho::textChanged(const QString &text)
{
    LblLen->setText(QString::number(text.size()));
    const bool checkable = text.size() >= kMinimumLength;
    CmdGo->setEnabled(checkable);
    CmdGoBis->setEnabled(checkable);
    const QString kept = SpellingInput::filter(text);
    if (kept != text) {
        // Writing the text back comes here again with nothing left to remove.
        T1->setText(kept);
        T1->end(false);
    }
}

void FrmDicOrtho::startCheck()
{
    LblSolution->setText(SearchingText);
    LstMot->clear();
    TimCherche.start(kCheckDelayMs);
}

void FrmDicOrtho::check()
{
    TimCherche.stop();
    AppGlobals &globals = AppGlobals::instance();
    const QString word = T1->text();
    globals.wordToCheck = word.toLower();
    const std::optional<QStringList> list = LetterDictionary::listForWord(globals.wordToCheck, m_readItem);
    LstMot->clear();
    if (!list) {
        LblSolution->clear();
        globals.messageAnswer = showWarning(unreadableListText(word));
        return;
    }
    m_list = *list;
    std::optional<double> minRate = MinRateFromText(TxtTaux->text());
    if (!minRate) {
        // Refused, and the field is set back to the usual rate.
        globals.messageAnswer = showWarning(RateOutOfRangeText);
        TxtTaux->setText(QString::number(DefaultMinRate));
        minRate = DefaultMinRate;
    }
    const SpellCheckResult result = SpellCheck(word, m_list, Chk1->isChecked(), *minRate);
    switch (result.verdict) {
    case SpellVerdict::WordValid:
        LblSolution->setText(ValidText);
        break;
    case SpellVerdict::WordIncorrect:
        LblSolution->setText(solutionsText(int(result.suggestions.size())));
        LstMot->addItem(QStringLiteral("Suggestions :"));
        LstMot->addItem(HeaderRule);
        LstMot->addItems(result.suggestions);
        break;
    case SpellVerdict::NoSuggestion:
        LblSolution->setText(NoSolutionText);
        break;
    }
    // The verdict shows whole, in a smaller type if it must.
    TextFit::shrinkToFit(LblSolution, m_verdictPointSize, m_verdictPointSize - 3);
}

void FrmDicOrtho::itemClicked(QListWidgetItem *item)
{
    Foc->setFocus();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(item->text());
    if (!m_copyNoticeShown) {
        m_copyNoticeShown = true;
        AppGlobals::instance().messageAnswer = showNotice(CopiedText);
    }
}
