#include "ui/windows/FrmListSyno.h"
#include "ui/windows/AccessibleNames.h"
#include "ui/windows/LookColours.h"
#include "ui/windows/SharpPixmap.h"
#include "ui/windows/MessageBoxes.h"

#include "lexicon/AppGlobals.h"
#include "synonyms/ExactSearch.h"
#include "synonyms/HomonymPage.h"
#include "synonyms/WordGameLists.h"
#include "ui/windows/WindowChrome.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSignalBlocker>

using Chrome::twips;

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// Geometry of the window design, in pixels.
constexpr int kPageWidth = 620, kPageHeight = 440;
constexpr int kTitleHeight = 32;
constexpr int kMargin = 10;
constexpr int kHalfWidth = (kPageWidth - 3 * kMargin) / 2;
constexpr int kFooterTop = kPageHeight + 8, kFooterHeight = 28;
// The window sits this far above and left of the main window.
constexpr int kOffsetTwips = 240;

const char *kWindowStyle =
    "FrmListSyno { background: #efeaf8; border: 1px solid #5b3fa8; }"
    "QFrame#PicGen0, QFrame#PicGen1, QFrame#PicGen2 { background: #fbfaff; border: 1px solid #9c8fc4; }"
    "QListWidget { background: white; border: 1px solid #9c8fc4; }"
    "QListWidget::item:selected { background: #5b3fa8; color: white; }"
    "QScrollBar:vertical { background: #efeaf8; width: 12px; margin: 0; }"
    "QScrollBar::handle:vertical { background: #b7aad8; min-height: 24px; border-radius: 4px; margin: 1px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";
const char *kTitleStyle = "QFrame#%1 { background: #cfe3f7; border: none; border-bottom: 1px solid #7fa7cf; }";
const char *kStatusStyle = "color: #3b2d6b; font-weight: bold; background: transparent; border: none;";

QPixmap helpPicture()
{
    QPixmap pixmap = sharpPixmap(22, 22);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor("#2c5d8f"), 1.2));
    painter.setBrush(QColor("#ffffff"));
    painter.drawEllipse(QRectF(1.5, 1.5, 19, 19));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(QColor("#2c5d8f"));
    painter.drawText(QRectF(0, 0, 22, 22), Qt::AlignCenter, QStringLiteral("?"));
    return pixmap;
}

QString lines(std::initializer_list<QString> parts)
{
    return QStringList(parts).join(kCrLf);
}

// Message boxes show one line per CR LF.
QString forDisplay(const QString &text)
{
    QString shown = text;
    return shown.replace(kCrLf, QStringLiteral("\n"));
}

QListWidget *makeList(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return list;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}
} // namespace

FrmListSyno::FrmListSyno(const LexiconData &data, InternalErrorReport &errors, QWidget *mainWindow,
                         MessagePresenter present)
    : QDialog(mainWindow), m_data(data), m_errors(errors), m_present(std::move(present))
{
    setObjectName(QStringLiteral("FrmListSyno"));
    setWindowTitle(AppGlobals::messageTitle());
    Chrome::makeFrameless(this);
    setStyleSheet(QString::fromLatin1(kWindowStyle));
    for (QTimer *timer : {&TimDeb, &TimBis, &TimUnload})
        timer->setSingleShot(true);
    connect(&TimDeb, &QTimer::timeout, this, &FrmListSyno::onTimDeb);
    connect(&TimBis, &QTimer::timeout, this, &FrmListSyno::onTimBis);
    connect(&TimUnload, &QTimer::timeout, this, [this] {
        TimUnload.stop();
        if (m_oneShot)
            deleteLater();
        else
            close();
    });

    buildPages();
    buildFooter();
    nameControls();
    load();
    Look::fitToDesktop(this, 0);
}

// What a screen reader says for the lists and boxes, which have no caption
// of their own.
void FrmListSyno::nameControls()
{
    Cbo2->setAccessibleName(QStringLiteral("Mot dont on cherche les synonymes"));
    if (QLineEdit *edit = Cbo2->lineEdit())
        edit->setAccessibleName(Cbo2->accessibleName());
    Lst12->setAccessibleName(QStringLiteral("Mots du dictionnaire des synonymes"));
    Lst13->setAccessibleName(QStringLiteral("Synonymes"));
    Lst14->setAccessibleName(QStringLiteral("Mots ayant des homonymes"));
    Lst15->setAccessibleName(QStringLiteral("Anacycliques"));
    Lst16->setAccessibleName(QStringLiteral("Palindromes"));
    NameControlsFromTheirTexts(this);
}

void FrmListSyno::buildPages()
{
    for (int i = 0; i < PageCount; ++i) {
        PicGen[i] = new QFrame(this);
        PicGen[i]->setObjectName(QStringLiteral("PicGen%1").arg(i));
        PicGen[i]->setGeometry(0, 0, kPageWidth, kPageHeight);
    }
    buildSynonymsPage(PicGen[0]);
    buildHomonymsPage(PicGen[1]);
    buildWordGamesPage(PicGen[2]);

    // Focus holders, outside the visible area.
    CmdRechercher1 = new QPushButton(QStringLiteral("Cherche"), this);
    CmdRechercher1->setObjectName(QStringLiteral("CmdRechercher1"));
    CmdRechercher1->setGeometry(-400, -400, 60, 20);
    CmdRechercher1->setDefault(true);
    CmdRechercher1->setFocusPolicy(Qt::NoFocus);
    Cmd = new QPushButton(this);
    Cmd->setObjectName(QStringLiteral("Cmd"));
    Cmd->setGeometry(-400, -300, 20, 20);
    Cmd->setFocusPolicy(Qt::NoFocus);
    Foc = new QLineEdit(QStringLiteral("Foc"), this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(-400, -200, 20, 20);
    Foc->setFocusPolicy(Qt::NoFocus);

    connect(CmdRechercher1, &QPushButton::clicked, this, &FrmListSyno::exactSearch);
    setSearchButtonsEnabled(false);
}

QFrame *FrmListSyno::buildTitleBar(QFrame *page, int index, const QString &title, QLabel *&logo)
{
    auto *bar = new QFrame(page);
    bar->setObjectName(QStringLiteral("Pic%1").arg(QChar(u'A' + index)) + QStringLiteral("1"));
    bar->setGeometry(1, 1, kPageWidth - 2, kTitleHeight);
    bar->setStyleSheet(QString::fromLatin1(kTitleStyle).arg(bar->objectName()));
    logo = makeLabel(bar, QStringLiteral("LblLogo%1").arg(index + 1), title, QRect(kMargin, 0, 420, kTitleHeight - 1));
    logo->setStyleSheet(QStringLiteral("color: #1d3d66; font-size: 15px; font-weight: bold;"));
    logo->setCursor(Qt::SizeAllCursor);
    Chrome::makeDragHandle(logo);
    ImgAide[index] = makeLabel(bar, QStringLiteral("ImgAide%1").arg(index), QString(),
                               QRect(kPageWidth - 36, 5, 22, 22));
    ImgAide[index]->setPixmap(helpPicture());
    ImgAide[index]->setCursor(Qt::PointingHandCursor);
    ImgAide[index]->setToolTip(QStringLiteral("Aide"));
    ImgAide[index]->setAccessibleName(QStringLiteral("Aide : ") + title.simplified());
    ImgAide[index]->installEventFilter(this);
    return bar;
}

void FrmListSyno::buildSynonymsPage(QFrame *page)
{
    buildTitleBar(page, 0, QStringLiteral("Dictionnaire  des  synonymes"), LblLogo1);
    const int top = kTitleHeight + 6;
    Lbl4 = makeLabel(page, QStringLiteral("Lbl4"), QString(), QRect(kMargin, top, kPageWidth - 2 * kMargin, 20));
    Lbl4->setStyleSheet(QString::fromLatin1(kStatusStyle));

    const int listTop = top + 26;
    const QRect left(kMargin, listTop, kHalfWidth, kPageHeight - listTop - kMargin);
    // The lower-case copy of the word sits unseen behind the candidates.
    Txt2 = new QLineEdit(page);
    Txt2->setObjectName(QStringLiteral("Txt2"));
    Txt2->setGeometry(left.x(), left.y(), 80, 20);
    Txt2->hide();
    Lst12 = makeList(page, QStringLiteral("Lst12"), left);

    const int right = 2 * kMargin + kHalfWidth;
    Cbo2 = new QComboBox(page);
    Cbo2->setObjectName(QStringLiteral("Cbo2"));
    Cbo2->setEditable(true);
    Cbo2->setInsertPolicy(QComboBox::NoInsert);
    Cbo2->setCompleter(nullptr);
    Cbo2->setMaxVisibleItems(20);
    Cbo2->setGeometry(right, listTop, kHalfWidth, 26);

    auto *frame = new QFrame(page);
    frame->setObjectName(QStringLiteral("Sha0"));
    frame->setGeometry(right, listTop + 34, kHalfWidth, 28);
    frame->setStyleSheet(QStringLiteral("background: #f1eefa; border: 1px solid #9c8fc4;"));
    Lbl5 = makeLabel(frame, QStringLiteral("Lbl5"), QString(), QRect(4, 1, kHalfWidth - 8, 26));
    Lbl5->setStyleSheet(QStringLiteral("border: none; font-weight: bold; color: #221a3a;"));

    CmdRechercher2 = new SkinnedButton(QStringLiteral("&Chercher"), page);
    CmdRechercher2->setObjectName(QStringLiteral("CmdRechercher2"));
    CmdRechercher2->setToolTip(QStringLiteral("Lancer la recherche"));
    CmdRechercher2->setGeometry(right, listTop + 70, 120, 28);
    CmdRechercher2->setAutoDefault(false);

    const int synonymsTop = listTop + 106;
    Lst13 = makeList(page, QStringLiteral("Lst13"),
                     QRect(right, synonymsTop, kHalfWidth, kPageHeight - synonymsTop - kMargin));

    connect(Cbo2, &QComboBox::editTextChanged, this, &FrmListSyno::onCbo2Change);
    connect(Cbo2, &QComboBox::activated, this, &FrmListSyno::onCbo2Click);
    connect(Txt2, &QLineEdit::textChanged, this, &FrmListSyno::onTxt2Change);
    connect(CmdRechercher2, &QPushButton::clicked, this, &FrmListSyno::exactSearch);
    connect(Lst12, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const QString text = item->text();
        Cbo2->setEditText(text);
    });
    connect(Lst13, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const QString text = item->text();
        Cbo2->setEditText(text);
    });
    connect(Lst13, &QListWidget::itemDoubleClicked, this, &FrmListSyno::exactSearch);
}

void FrmListSyno::buildHomonymsPage(QFrame *page)
{
    buildTitleBar(page, 1, QStringLiteral("Liste des mots homonymes"), LblLogo2);
    const int top = kTitleHeight + 6;
    Lbl6 = makeLabel(page, QStringLiteral("Lbl6"), QString(), QRect(kMargin, top, kPageWidth - 2 * kMargin, 20));
    Lbl6->setStyleSheet(QString::fromLatin1(kStatusStyle));
    const int listTop = top + 26;
    const int height = kPageHeight - listTop - kMargin;
    Lst14 = makeList(page, QStringLiteral("Lst14"), QRect(kMargin, listTop, kHalfWidth, height));
    LblResult = makeLabel(page, QStringLiteral("LblResult"), QString(),
                          QRect(2 * kMargin + kHalfWidth, listTop, kHalfWidth, height));
    LblResult->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblResult->setWordWrap(true);
    LblResult->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    LblResult->setStyleSheet(QStringLiteral("background: white; border: 1px solid #9c8fc4; padding: 6px;"));

    connect(Lst14, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { showHomonymsOf(item->text()); });
}

void FrmListSyno::buildWordGamesPage(QFrame *page)
{
    buildTitleBar(page, 2, QStringLiteral("Liste des anacycliques et palindromes"), LblLogo3);
    const int top = kTitleHeight + 6;
    const int right = 2 * kMargin + kHalfWidth;
    Lbl7 = makeLabel(page, QStringLiteral("Lbl7"), WordGameLists::anacyclicCaption(), QRect(kMargin, top, kHalfWidth, 20));
    Lbl8 = makeLabel(page, QStringLiteral("Lbl8"), WordGameLists::palindromeCaption(), QRect(right, top, kHalfWidth, 20));
    Lbl7->setStyleSheet(QString::fromLatin1(kStatusStyle));
    Lbl8->setStyleSheet(QString::fromLatin1(kStatusStyle));
    const int listTop = top + 26;
    const int height = kPageHeight - listTop - kMargin;
    Lst15 = makeList(page, QStringLiteral("Lst15"), QRect(kMargin, listTop, kHalfWidth, height));
    Lst16 = makeList(page, QStringLiteral("Lst16"), QRect(right, listTop, kHalfWidth, height));
    Lst15->addItems(WordGameLists::anacyclics());
    Lst16->addItems(WordGameLists::palindromes());
}

void FrmListSyno::buildFooter()
{
    const QStringList captions = {QStringLiteral("&Synonymes"), QStringLiteral("&Homonymes"),
                                  QStringLiteral("&Anacyclique Palindrome")};
    const std::array<int, PageCount> widths = {130, 130, 190};
    int left = kMargin;
    for (int i = 0; i < PageCount; ++i) {
        Cmdn[i] = new SkinnedButton(captions[i], this);
        Cmdn[i]->setObjectName(QStringLiteral("Cmdn%1").arg(i));
        Cmdn[i]->setGeometry(left, kFooterTop, widths[i], kFooterHeight);
        Cmdn[i]->setAutoDefault(false);
        left += widths[i] + 6;
        connect(Cmdn[i], &QPushButton::clicked, this, [this, i] { showPage(i); });
    }
    CmdFerme = new SkinnedButton(QStringLiteral("&Fermer"), this);
    CmdFerme->setObjectName(QStringLiteral("CmdFerme"));
    CmdFerme->setGeometry(kPageWidth - kMargin - 110, kFooterTop, 110, kFooterHeight);
    CmdFerme->setAutoDefault(false);
    connect(CmdFerme, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmListSyno::load()
{
    const AppGlobals &globals = AppGlobals::instance();
    m_oneShot = globals.synonymQueryPending;

    setFixedSize(PicGen[0]->width() + twips(30), CmdFerme->y() + CmdFerme->height() + twips(120));
    for (QFrame *page : PicGen)
        page->move(PicGen[0]->pos());
    if (const QWidget *mainWindow = parentWidget()) {
        const int offset = twips(kOffsetTwips);
        move(mainWindow->frameGeometry().topLeft() - QPoint(offset, offset));
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    // Page 0 first, its tab marking it.
    PicGen[1]->hide();
    PicGen[2]->hide();
    Cmdn[0]->setEnabled(false);

    if (m_errors.dataLoadFailed)
        present(QMessageBox::Critical, AppGlobals::messageTitle(), dataLoadFailedMessage(m_errors.synonymsLoadFailed));
    else
        Lst14->addItems(HomonymPage::fillHomonymHeadwords(m_data.homonyms));

    (m_oneShot ? TimBis : TimDeb).start(StartDelayMs);
}

void FrmListSyno::onTimDeb()
{
    TimDeb.stop();
    Txt2->setText(Cbo2->currentText().toLower());
    LblResult->setText(QStringLiteral("à faire\naffaire"));
    show();
    Cbo2->setFocus();
}

void FrmListSyno::onTimBis()
{
    TimBis.stop();
    Cbo2->setEditText(AppGlobals::instance().synonymQueryWord);
    exactSearch();
    TimUnload.start(UnloadDelayMs);
}

void FrmListSyno::onCbo2Change()
{
    const QString text = Cbo2->currentText();
    Txt2->setText(text.toLower());
    if (text.size() < CandidateLines::ShortestWord)
        setSearchButtonsEnabled(false);
    else if (!m_errors.synonymsLoadFailed)
        setSearchButtonsEnabled(true);
}

void FrmListSyno::onCbo2Click()
{
    setSearchButtonsEnabled(!m_errors.synonymsLoadFailed);
    Txt2->setText(Cbo2->currentText().toLower());
}

void FrmListSyno::onTxt2Change()
{
    Lst12->clear();
    Lst12->addItems(m_candidates.candidateSearch(m_data.synonyms, Txt2->text()));
}

void FrmListSyno::exactSearch()
{
    setSearchButtonsEnabled(false);
    if (!m_oneShot)
        Cbo2->setFocus();
    try {
        const QString key = Txt2->text();
        Lst13->clear();
        const QString typed = Cbo2->currentText();
        // A word sorted into a longer history is not named under an empty list.
        const bool refilled = updateHistory(typed);
        const ExactSearchResult result = ExactSearch::search(key, m_candidates.lines());
        if (!result.found) {
            Lbl5->setText(QLatin1Char(' ') + (refilled ? QString() : typed));
            Lbl4->clear();
            present(QMessageBox::NoIcon, AppGlobals::messageTitle(), ExactSearch::NoSynonymMessage);
        } else {
            Lbl5->setText(QLatin1Char(' ') + result.headword);
            Lst13->addItems(result.synonyms);
            if (m_oneShot)
                present(QMessageBox::NoIcon, AppGlobals::messageTitle(), result.oneShotMessage());
            else
                Lbl4->setText(result.summary());
        }
    } catch (const std::exception &error) {
        m_errors.record(RuntimeError {RuntimeError::InvalidCall, QString::fromLocal8Bit(error.what())},
                        QStringLiteral("017"));
        present(QMessageBox::Critical, AppGlobals::messageTitle(), ErrorTexts::synonymErrorMessage(m_errors));
    }
    setSearchButtonsEnabled(false);
}

bool FrmListSyno::updateHistory(const QString &typed)
{
    const QSignalBlocker blocker(Cbo2);
    switch (m_history.add(typed)) {
    case SearchHistory::Outcome::First:
        Cbo2->addItem(typed);
        Cbo2->setEditText(typed);
        break;
    case SearchHistory::Outcome::Known:
        break;
    case SearchHistory::Outcome::Added:
        // The list is refilled sorted, without a change event: the word
        // searched stays in the box and the candidates stay its own.
        Cbo2->clear();
        Cbo2->addItems(m_history.words());
        Cbo2->setCurrentIndex(-1);
        Cbo2->setEditText(typed);
        return true;
    }
    return false;
}

void FrmListSyno::showPage(int index)
{
    for (int i = 0; i < PageCount; ++i) {
        Cmdn[i]->setEnabled(true);
        PicGen[i]->hide();
    }
    Cmdn[index]->setEnabled(false);
    PicGen[index]->show();
    if (index == 0)
        Cbo2->setFocus();
    else
        Foc->setFocus();
}

int FrmListSyno::currentPage() const
{
    for (int i = 0; i < PageCount; ++i) {
        if (!PicGen[i]->isHidden())
            return i;
    }
    return -1;
}

void FrmListSyno::showHomonymsOf(const QString &headword)
{
    const HomonymResult result = HomonymPage::showHomonyms(m_data.homonyms, headword);
    LblResult->setText(forDisplay(result.text));
    Lbl6->setText(result.countSentence());
}

void FrmListSyno::showHelp(int page)
{
    present(QMessageBox::Information, helpTitle(page), helpText(page));
}

void FrmListSyno::setSearchButtonsEnabled(bool enabled)
{
    CmdRechercher1->setEnabled(enabled);
    CmdRechercher2->setEnabled(enabled);
}

void FrmListSyno::present(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    if (m_present) {
        m_present(icon, title, text);
        return;
    }
    // Unseen in the one-shot lookup, the window lends the main window its boxes.
    QWidget *owner = m_oneShot ? parentWidget() : this;
    QMessageBox box(icon, title, MessageBoxes::unwrapped(text), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

bool FrmListSyno::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < PageCount; ++i) {
            if (watched == ImgAide[i]) {
                showHelp(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmListSyno::open(QWidget *mainWindow)
{
    if (AppGlobals::instance().synonymQueryPending) {
        // Owned by the main window; it deletes itself once the lookup is done.
        new FrmListSyno(LexiconData::instance(), InternalErrorReport::instance(), mainWindow);
        return;
    }
    FrmListSyno window(LexiconData::instance(), InternalErrorReport::instance(), mainWindow);
    window.exec();
}

void FrmListSyno::openInteractive(QWidget *mainWindow)
{
    AppGlobals &globals = AppGlobals::instance();
    globals.synonymQueryWord.clear();
    globals.synonymQueryPending = false;
    open(mainWindow);
}

void FrmListSyno::lookUpOnce(const QString &word, QWidget *mainWindow)
{
    AppGlobals &globals = AppGlobals::instance();
    globals.synonymQueryWord = word;
    globals.synonymQueryPending = true;
    open(mainWindow);
}

QString FrmListSyno::dataLoadFailedMessage(bool synonymsFailed)
{
    return lines({synonymsFailed ? QStringLiteral("Impossible de charger les données ''synonymes''                 ")
                                 : QStringLiteral("Impossible de charger les données ''homonymes''                 "),
                  QStringLiteral("Erreur interne 110.")});
}

QString FrmListSyno::helpTitle(int page)
{
    switch (page) {
    case 0:
        return QStringLiteral("Le dictionnaire des synonymes");
    case 1:
        return QStringLiteral("Liste des mots homonymes");
    default:
        return QStringLiteral("Liste des anacycliques et palindromes");
    }
}

QString FrmListSyno::helpText(int page)
{
    switch (page) {
    case 0:
        return lines({QStringLiteral("Dans la zone de texte saisir un mot, puis cliquer sur le bouton ''Rechercher''.            "),
                      QStringLiteral("Si des synonymes existent, une zone de liste, contenant tous les synonymes"),
                      QStringLiteral("trouvés, est affichée. En cliquant sur un des mots de la zone de liste, puis"),
                      QStringLiteral("sur le bouton recherche, on obtient les synonymes de ce nouveau mot.")}) + kCrLf;
    case 1:
        return lines({QStringLiteral("Définition de homonyme : se dit d'un mot qui se prononce (homophone) ou s'écrit      "),
                      QStringLiteral("(homographe) de la même manière qu'un autre mais n'a pas le même sens."),
                      QStringLiteral(""),
                      QStringLiteral("Cette fenêtre affiche la liste des principaux homonymes de la langue française.")});
    default:
        return lines({QStringLiteral("Définition  de anacyclique : mot, phrase ou vers qui peuvent être lus indifféremment      "),
                      QStringLiteral("dans un sens ou dans l'autre."),
                      QStringLiteral(""),
                      QStringLiteral("Définition  de palindrome : mots, phrase pouvant être lus de droite à"),
                      QStringLiteral("gauche et de gauche à droite tout en conservant exactement le même sens.")});
    }
}
