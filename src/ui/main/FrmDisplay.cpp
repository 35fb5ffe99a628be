#include "ui/main/FrmDisplay.h"
#include "ui/windows/LookColours.h"
#include "ui/main/MainWindowAccess.h"
#include "ui/windows/MessageBoxes.h"

#include "lexicon/AppGlobals.h"
#include "lexicon/AppPaths.h"
#include "lexicon/LexiconData.h"
#include "search/QueryPreparation.h"
#include "search/RhymeGenre.h"
#include "ui/main/HelpIcon.h"
#include "ui/main/HelpTexts.h"
#include "ui/main/MainGeometry.h"
#include "ui/main/MainPictures.h"
#include "ui/main/ResultColumns.h"
#include "ui/main/ResultLineDelegate.h"
#include "ui/main/MainWindowLook.h"
#include "ui/windows/FirstStart.h"
#include "ui/windows/FrmMessage.h"
#include "ui/windows/WindowChrome.h"

#include <QCheckBox>
#include <algorithm>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSizeGrip>
#include <initializer_list>
#include <QVBoxLayout>

using Chrome::twips;
using namespace MainGeometry;
using namespace MainWindowLook;

namespace {
bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

QLabel *label(const QString &text, QWidget *parent)
{
    return new QLabel(text, parent);
}

// A rounded frame with a caption, holding one group of the options panel.
QFrame *groupFrame(QWidget *panel, const QRect &geometry)
{
    auto *frame = new QFrame(panel);
    frame->setObjectName(QStringLiteral("group"));
    frame->setGeometry(geometry);
    frame->setStyleSheet(QStringLiteral(
        "QFrame#group { border: 1px solid #b3a9cf; border-radius: 6px; background: %1; }")
                             .arg(Look::css(QPalette::Window, QColor(255, 255, 255, 110))));
    return frame;
}

QLabel *groupCaption(const QString &text, QWidget *parent)
{
    auto *caption = label(text, parent);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    setTextColour(caption, Look::designColour(QPalette::WindowText, kCaptionInk));
    return caption;
}

QGridLayout *groupGrid(QFrame *frame)
{
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(10, 6, 10, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    return grid;
}

// The lists' font: the window's own, a touch smaller, so that a long word
// and its category fit beside each other; the columns are drawn, not padded.
QFont resultFont(const QFont &base)
{
    QFont font = base;
    font.setPointSizeF(std::max(8.0, base.pointSizeF() - 0.5));
    return font;
}
} // namespace

FrmDisplay::FrmDisplay(const LexiconData &data, QWidget *loadingWindow, QWidget *parent)
    : QWidget(parent, Qt::Window), m_data(data), m_loadingWindow(loadingWindow),
      m_run(std::make_unique<SearchRun>())
{
    // 1. The loading window has done its work.
    if (m_loadingWindow)
        m_loadingWindow->close();

    setWindowTitle(AppGlobals::messageTitle());
    Chrome::makeFrameless(this);
    setObjectName(QStringLiteral("FrmDisplay"));
    setStyleSheet(QStringLiteral("QWidget#FrmDisplay { background: %1; }")
                      .arg(Look::css(QPalette::Window, QColor(0xf7, 0xf5, 0xfb))));

    showMessage = [this](QMessageBox::Icon icon, const QString &text, QMessageBox::StandardButtons buttons) {
        return MessageBoxes::show(this, icon, text, buttons);
    };
    showSecondaryMessage = [this] {
        FrmMessage message(this);
        message.exec();
    };

    buildChrome();
    buildButtonRow();
    buildDetailsPanel();
    buildResultArea();
    buildParamPanel();
    buildHiddenHelpers();
    buildAtelierLinks();
    NameMainWindowControls(*this);
    AddMainWindowKeys(*this);
    SetMainWindowTabOrder(*this);

    // 2. and 3.
    LblVersion->setText(QStringLiteral("Version ") + AppGlobals::appVersion());
    UiReady = false;
    CopyNoticeShown = false;
    AppGlobals::instance().synonymQueryWord.clear();
    AppGlobals::instance().synonymQueryPending = false;

    // 4. The lists, nothing selected yet.
    CboSyl->addItems(OptionsFile::syllableItems());
    CboType->addItems(OptionsFile::categoryItems());
    CboGenre->addItems(OptionsFile::genreItems());
    // As wide as the other lists, or as its longest item needs.
    CboGenre->setFixedWidth(std::max(CboType->width(), CboGenre->sizeHint().width()));
    CboSyl->setCurrentIndex(-1);
    CboType->setCurrentIndex(-1);
    CboGenre->setCurrentIndex(-1);

    // 5. Empty details and information area.
    clearDetails();
    for (QLabel *sound : {LblI1, LblI2, LblI3})
        sound->clear();

    placeFrameAndWindow();
    connectHandlers();
    disarmSearch();
    for (int box = 1; box <= 3; ++box)
        colourSearchTypeGroup(box, true);
    SubChkOpt1();

    // 7.
    StageDelayMs = 500;
    // A default options file ships with the program: a marker of its own
    // tells whether it has started here before.
    m_firstStart = FirstStart::takeFirstStart(AppGlobals::instance().settingsFolder());
    TimDeb.setSingleShot(true);
    TimDeb.start(10);
}

FrmDisplay::~FrmDisplay() = default;

void FrmDisplay::buildChrome()
{
    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, kWidth + 1, kStripHeight);
    Image1->setPixmap(MainPictures::titleStrip(Image1->size()));
    Chrome::makeDragHandle(Image1);

    LblVersion = label(QString(), this);
    LblVersion->setGeometry(150, 9, 160, 16);
    setTextColour(LblVersion, QColor(0xe4, 0xdc, 0xf7));
    Chrome::makeDragHandle(LblVersion);

    ImgMin2 = new HoverPicture(Chrome::Picture::Minimise, this);
    ImgMin2->move(kWidth + 1 - kMinimiseFromRight, 7);
    ImgMin2->setToolTip(QStringLiteral("Réduire"));
    ImgMax2 = new HoverPicture(Chrome::Picture::Maximise, this);
    ImgMax2->move(kWidth + 1 - kMaximiseFromRight, 7);
    ImgMax2->setToolTip(QStringLiteral("Agrandir"));
    ImgClose2 = new HoverPicture(Chrome::Picture::Close, this);
    ImgClose2->move(kWidth + 1 - kCloseFromRight, 7);
    // A double click on the title strip also enlarges or restores the window.
    Image1->installEventFilter(this);
    LblVersion->installEventFilter(this);
    ImgClose2->setToolTip(QStringLiteral("Fermer"));

    Lin1 = new QFrame(this);
    Lin1->setGeometry(0, kStripHeight, kWidth + 1, 1);
    Lin1->setStyleSheet(QStringLiteral("background: #2f1f63;"));

    // The desktop's title bar stands for the strip, its buttons and its
    // double click.
    for (QWidget *own : std::initializer_list<QWidget *> {Image1, LblVersion, ImgMin2, ImgMax2, ImgClose2, Lin1})
        Look::hideUnderDesktopLook(own);
}

void FrmDisplay::buildButtonRow()
{
    struct ButtonDesign {
        SkinnedButton **button;
        const char *caption;
        const char *tip;
    };
    const ButtonDesign buttons[] = {
        {&CmdMAJ, "&Site", "Mise à jour du logiciel"},
        {&CmdOrtho, "&Orthographe", "Vérifier l'orthographe d'un mot"},
        {&CmdSynonyme, "&Utilitaires", "Synonymes-Homonymes-Anacycliques-Palindromes"},
        {&CmdOptions, "Op&tions", "Options du programme"},
        {&CmdConseils, "&Conseils", "Conseils pour la recherche"},
        {&CmdAp, "&A propos", "À propos de Versalune"},
        {&CmdQuitte, " &Quitter", "Quitter le programme"},
    };
    constexpr int count = int(std::size(buttons));
    static_assert(count == kButtonCount);
    constexpr int gap = kButtonGap;
    const int width = (kWidth - 16 - gap * (count - 1)) / count;
    for (int i = 0; i < count; ++i) {
        auto *button = new SkinnedButton(QString::fromUtf8(buttons[i].caption), this);
        button->setToolTip(QString::fromUtf8(buttons[i].tip));
        button->setGeometry(8 + i * (width + gap), kButtonTop, width, kButtonHeight);
        button->setFocusPolicy(Qt::TabFocus);
        *buttons[i].button = button;
    }
}

void FrmDisplay::buildDetailsPanel()
{
    PicAffichage = new QLabel(this);
    PicAffichage->setObjectName(QStringLiteral("PicAffichage"));
    PicAffichage->setGeometry(8, kDetailsTop, kWidth - 16, kDetailsHeight);
    PicAffichage->setStyleSheet(QStringLiteral(
        "QLabel#PicAffichage { background: %1; border: 1px solid #c9c0e0; border-radius: 6px; }")
                                  .arg(Look::css(QPalette::Base, Qt::white)));

    auto *row = new QHBoxLayout(PicAffichage);
    row->setContentsMargins(14, 4, 10, 4);
    row->setSpacing(10);

    LblMot = label(QString(), PicAffichage);
    QFont wordFont(QStringLiteral("serif"));
    wordFont.setPointSize(17);
    wordFont.setBold(true);
    LblMot->setFont(wordFont);
    setTextColour(LblMot, Look::designColour(QPalette::Text, kCaptionInk));
    // The word takes the room it is given and its font shrinks to fit
    // (fitWordFont), so that a long word shows whole.
    LblMot->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LblMot->setMinimumWidth(250);
    row->addWidget(LblMot, 5);

    auto *facts = new QGridLayout;
    facts->setHorizontalSpacing(6);
    facts->setVerticalSpacing(0);
    Lbl[11] = label(QString(), PicAffichage);
    LblSyl = label(QString(), PicAffichage);
    Lbl[12] = label(QString(), PicAffichage);
    LblLettres = label(QString(), PicAffichage);
    Lbl[13] = label(QString(), PicAffichage);
    LblType = label(QString(), PicAffichage);
    for (QLabel *value : {LblSyl, LblLettres, LblType}) {
        QFont font = value->font();
        font.setBold(true);
        value->setFont(font);
    }
    for (QLabel *caption : {Lbl[11], Lbl[12], Lbl[13]})
        setTextColour(caption, Look::designColour(QPalette::WindowText, kSoftInk));
    facts->addWidget(Lbl[11], 0, 0);
    facts->addWidget(LblSyl, 0, 1);
    facts->addWidget(Lbl[12], 0, 2);
    facts->addWidget(LblLettres, 0, 3);
    // The genre of the word's rhyme, on a line of its own under the type.
    LblGenreCaption = label(QString(), PicAffichage);
    setTextColour(LblGenreCaption, Look::designColour(QPalette::WindowText, kSoftInk));
    LblGenre = label(QString(), PicAffichage);
    QFont genreFont = LblGenre->font();
    genreFont.setBold(true);
    LblGenre->setFont(genreFont);
    // Room for the longer of the two names, whatever the other columns take.
    LblGenre->setMinimumWidth(QFontMetrics(genreFont).horizontalAdvance(GenreName(RhymeGenre::Feminine)) + 8);
    facts->addWidget(Lbl[13], 1, 0);
    facts->addWidget(LblType, 1, 1, 1, 4);
    facts->addWidget(LblGenreCaption, 2, 0);
    facts->addWidget(LblGenre, 2, 1, 1, 4);
    facts->setColumnMinimumWidth(1, 30);
    facts->setColumnMinimumWidth(3, 30);
    facts->setColumnStretch(4, 1);
    row->addLayout(facts, 3);
    m_detailFacts = facts;

    CmdCopier = new SkinnedButton(QStringLiteral("Co&pier"), PicAffichage);
    CmdCopier->setToolTip(QStringLiteral("Copier le mot"));
    CmdCopier->setFixedSize(92, 26);
    CmdSyn = new SkinnedButton(QStringLiteral("S&ynonymes"), PicAffichage);
    CmdSyn->setToolTip(QStringLiteral("Synonymes du mot"));
    CmdSyn->setFixedSize(92, 26);
    for (SkinnedButton *button : {CmdCopier, CmdSyn})
        button->setFocusPolicy(Qt::TabFocus);
    row->addWidget(CmdCopier);
    row->addWidget(CmdSyn);
}

void FrmDisplay::buildResultArea()
{
    const char *headers[3] = {"Rimes riches", "Rimes pauvres ou suffisantes", "Terminaison des mots"};
    const int headerIndex[3] = {1, 5, 6};
    QLabel **counts[3] = {&LblCpt1, &LblCpt2, &LblCpt3};
    QLabel **syllables[3] = {&LblSyl1, &LblSyl2, &LblSyl3};
    const QFont listFont = resultFont(font());

    for (int i = 0; i < 3; ++i) {
        const int left = kColumnLeft[i];
        QLabel *header = label(QString::fromUtf8(headers[i]), this);
        QFont bold = header->font();
        bold.setBold(true);
        header->setFont(bold);
        setTextColour(header, Look::designColour(QPalette::WindowText, kCaptionInk));
        header->setGeometry(left + 2, kListHeaderTop, kColumnWidth, 18);
        Lbl[headerIndex[i]] = header;

        // The count line, then the heading of the syllable column right
        // above that column of the list (placed by layOut).
        *counts[i] = new QLabel(this);
        (*counts[i])->setIndent(4);
        *syllables[i] = new QLabel(this);
        (*syllables[i])->setAlignment(Qt::AlignCenter);

        auto *list = new QListWidget(this);
        list->setGeometry(left, kListTop, kColumnWidth, kListHeight);
        list->setFont(listFont);
        // The lines are drawn in columns that fit the width: nothing to
        // scroll sideways.
        list->setItemDelegate(new ResultLineDelegate(list));
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideMiddle);
        list->setUniformItemSizes(true);
        list->setFocusPolicy(Qt::StrongFocus);
        list->viewport()->installEventFilter(this);
        // The arrow keys show the details of the line they move to.
        list->installEventFilter(this);
        Lst[i + 1] = list;
    }
}

void FrmDisplay::buildParamPanel()
{
    PicParam = new QLabel(this);
    PicParam->setGeometry(0, kParamTop, kWidth + 1, kGroupBottom + 8);
    PicParam->setPixmap(MainPictures::panelBackground(PicParam->size()));
    PicParam->installEventFilter(this);

    buildInputGroup(PicParam);
    buildSearchTypeGroup(PicParam);
    buildOptionsGroup(PicParam);
    buildInformationGroup(PicParam);

    for (QLabel *caption : LblA) {
        if (caption)
            caption->installEventFilter(this);
    }
}

void FrmDisplay::buildInputGroup(QWidget *panel)
{
    Sha[0] = groupFrame(panel, QRect(8, kGroupTop, 250, 60));
    auto *grid = groupGrid(Sha[0]);
    LblA[14] = groupCaption(QStringLiteral(" Zone de saisie:"), Sha[0]);
    grid->addWidget(LblA[14], 0, 0, 1, 2);

    T1 = new QLineEdit(Sha[0]);
    T1->setMaxLength(InputMaxLength);
    QFont inputFont = T1->font();
    inputFont.setPointSize(12);
    T1->setFont(inputFont);
    T1->setFixedHeight(28);
    T1->setStyleSheet(QStringLiteral(
        "QLineEdit { border: 1px solid #7d6fa3; border-radius: 4px; padding: 0 6px; background: %1; color: %2; }")
                          .arg(Look::css(QPalette::Base, Qt::white), Look::css(QPalette::Text, Qt::black)));
    grid->addWidget(T1, 1, 0);

    CmdGo = new SkinnedButton(QStringLiteral(" &Rechercher"), Sha[0]);
    CmdGo->setToolTip(QStringLiteral("Rechercher les rimes"));
    CmdGo->setFixedSize(100, 28);
    CmdGo->setFocusPolicy(Qt::TabFocus);
    grid->addWidget(CmdGo, 1, 1);
}

void FrmDisplay::buildSearchTypeGroup(QWidget *panel)
{
    Sha[1] = groupFrame(panel, QRect(8, 76, 250, kGroupBottom - 76));
    auto *grid = groupGrid(Sha[1]);
    LblA[10] = groupCaption(QStringLiteral(" Effectuer la recherche sur la: "), Sha[1]);
    grid->addWidget(LblA[10], 0, 0, 1, 4);

    QCheckBox **boxes[3] = {&Chk1, &Chk2, &Chk3};
    const char *captions[3] = {"Rime ric&he.", "Rime pau&vre ou suffis.", "Ter&minaison du  mot."};
    for (int i = 0; i < 3; ++i) {
        *boxes[i] = new QCheckBox(Sha[1]);
        (*boxes[i])->setChecked(true);
        LblA[i] = label(QString::fromUtf8(captions[i]), Sha[1]);
        LblA[i]->setBuddy(*boxes[i]);
        ImgAide[i] = new HelpIcon(Sha[1]);
        grid->addWidget(*boxes[i], i + 1, 0);
        grid->addWidget(LblA[i], i + 1, 1, 1, 2);
        grid->addWidget(ImgAide[i], i + 1, 3, Qt::AlignRight);
    }

    // The ending lengths, under the ending box they belong to.
    const char *lengths[4] = {"2 dernières lettres.", "3 dernières lettres.", "4 dernières lettres.",
                              "5 dernières lettres."};
    for (int n = 2; n <= 5; ++n) {
        Opt1[n] = new QRadioButton(Sha[1]);
        LblA[n + 1] = label(QString::fromUtf8(lengths[n - 2]), Sha[1]);
        grid->addWidget(Opt1[n], n + 2, 1, Qt::AlignRight);
        grid->addWidget(LblA[n + 1], n + 2, 2);
    }
    Opt1[5]->setChecked(true);
    ImgAide[3] = new HelpIcon(Sha[1]);
    grid->addWidget(ImgAide[3], 4, 3, Qt::AlignRight);
    grid->setColumnMinimumWidth(0, 18);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(8, 1);
}

void FrmDisplay::buildOptionsGroup(QWidget *panel)
{
    // The lowest frame of the panel; the window's outline is sized on it.
    Sha[9] = groupFrame(panel, QRect(265, kGroupTop, 250, kGroupBottom - kGroupTop));
    auto *grid = groupGrid(Sha[9]);
    LblA[12] = groupCaption(QStringLiteral(" Options de la recherche: "), Sha[9]);
    grid->addWidget(LblA[12], 0, 0, 1, 3);

    LblA[7] = label(QStringLiteral("Nombre de syllabes"), Sha[9]);
    CboSyl = new QComboBox(Sha[9]);
    CboSyl->setFixedWidth(84);
    LblA[9] = label(QStringLiteral("Catégorie  du  mot"), Sha[9]);
    CboType = new QComboBox(Sha[9]);
    CboType->setFixedWidth(84);
    grid->addWidget(LblA[7], 1, 0, 1, 2);
    grid->addWidget(CboSyl, 1, 2, Qt::AlignRight);
    grid->addWidget(LblA[9], 2, 0, 1, 2);
    grid->addWidget(CboType, 2, 2, Qt::AlignRight);
    LblCboGenre = label(QStringLiteral("Genre de la rime"), Sha[9]);
    CboGenre = new QComboBox(Sha[9]);
    CboGenre->setObjectName(QStringLiteral("CboGenre"));
    CboGenre->setFixedWidth(84);
    grid->addWidget(LblCboGenre, 3, 0, 1, 2);
    grid->addWidget(CboGenre, 3, 2, Qt::AlignRight);

    ChkOpt1 = new QCheckBox(Sha[9]);
    LblA[8] = label(QStringLiteral("E&xclure verbes conjugués."), Sha[9]);
    LblA[8]->setBuddy(ChkOpt1);
    ImgAide[4] = new HelpIcon(Sha[9]);
    auto *conjugated = new QHBoxLayout;
    conjugated->setSpacing(6);
    conjugated->addWidget(LblA[8]);
    conjugated->addStretch(1);
    conjugated->addWidget(ImgAide[4]);
    grid->addWidget(ChkOpt1, 4, 0);
    grid->addLayout(conjugated, 4, 1, 1, 2);

    CmdOptDef = new SkinnedButton(QStringLiteral(">>"), Sha[9]);
    CmdOptDef->setToolTip(QStringLiteral("Appliquer les options par défaut"));
    CmdOptDef->setFixedSize(40, 22);
    CmdOptDef->setFocusPolicy(Qt::TabFocus);
    LblA[11] = label(QStringLiteral("Paramètres par défaut."), Sha[9]);
    auto *defaults = new QHBoxLayout;
    defaults->setSpacing(8);
    defaults->addWidget(CmdOptDef);
    defaults->addWidget(LblA[11]);
    defaults->addStretch(1);
    grid->addLayout(defaults, 5, 0, 1, 3);

    Sha[3] = new QFrame(Sha[9]);
    Sha[3]->setFrameShape(QFrame::HLine);
    Sha[3]->setStyleSheet(QStringLiteral("color: #c9c0e0;"));
    grid->addWidget(Sha[3], 6, 0, 1, 3);

    ChkOrtho = new QCheckBox(Sha[9]);
    LblA[15] = label(QStringLiteral("Vérif&ier automatiquement l ' orthographe  du  mot"), Sha[9]);
    LblA[15]->setBuddy(ChkOrtho);
    LblA[15]->setWordWrap(true);
    grid->addWidget(ChkOrtho, 7, 0, Qt::AlignTop);
    grid->addWidget(LblA[15], 7, 1, 1, 2);
    grid->setColumnMinimumWidth(0, 18);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(8, 1);
}

void FrmDisplay::buildInformationGroup(QWidget *panel)
{
    Sha[2] = groupFrame(panel, QRect(522, kGroupTop, 250, kGroupBottom - kGroupTop));
    // A touch smaller: the information lines are long.
    QFont small = Sha[2]->font();
    small.setPointSizeF(small.pointSizeF() - 0.5);
    Sha[2]->setFont(small);
    auto *grid = groupGrid(Sha[2]);
    grid->setContentsMargins(6, 6, 6, 8);
    LblA[13] = groupCaption(QStringLiteral(" Informations sur la recherche: "), Sha[2]);
    grid->addWidget(LblA[13], 0, 0, 1, 2);

    const char *lines[6] = {"- Rimes  riches , recherche", "basée sur la rime:",
                            "- Rimes pauvres ou suffis.,recherche", "basée sur la rime:",
                            "- Recherche des terminaisons basées", "sur l ' expression:"};
    QLabel **sounds[3] = {&LblI1, &LblI2, &LblI3};
    for (int i = 0; i < 3; ++i) {
        LblB[2 * i] = label(QString::fromUtf8(lines[2 * i]), Sha[2]);
        LblB[2 * i + 1] = label(QString::fromUtf8(lines[2 * i + 1]), Sha[2]);
        *sounds[i] = label(QString(), Sha[2]);
        QFont bold = (*sounds[i])->font();
        bold.setBold(true);
        (*sounds[i])->setFont(bold);
        setTextColour(*sounds[i], Look::designColour(QPalette::Text, kCaptionInk));
        grid->addWidget(LblB[2 * i], 1 + 2 * i, 0, 1, 2);
        grid->addWidget(LblB[2 * i + 1], 2 + 2 * i, 0);
        grid->addWidget(*sounds[i], 2 + 2 * i, 1);
        LblB[2 * i]->hide();
        LblB[2 * i + 1]->hide();
    }

    Sha[5] = new QFrame(Sha[2]);
    Sha[5]->setFrameShape(QFrame::HLine);
    Sha[5]->setStyleSheet(QStringLiteral("color: #c9c0e0;"));
    grid->addWidget(Sha[5], 7, 0, 1, 2);

    // The duration line, and the busy line in its place while searching.
    auto *duration = new QHBoxLayout;
    duration->setSpacing(3);
    LblD[0] = label(QStringLiteral("Recherche effectuée en"), Sha[2]);
    LblH1 = label(QString(), Sha[2]);
    LblD[1] = label(QStringLiteral("mn"), Sha[2]);
    LblH2 = label(QString(), Sha[2]);
    LblD[2] = label(QStringLiteral("sec"), Sha[2]);
    for (QLabel *value : {LblH1, LblH2}) {
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
    }
    for (QLabel *part : {LblD[0], LblH1, LblD[1], LblH2, LblD[2]}) {
        // Never squeezed below its text (the values have two digits).
        const QString sample = part->text().isEmpty() ? QStringLiteral("00") : part->text();
        part->setMinimumWidth(part->fontMetrics().horizontalAdvance(sample) + 2);
        duration->addWidget(part);
        part->hide();
    }
    duration->addStretch(1);
    LblRech = label(QStringLiteral("Recherche en cours..."), Sha[2]);
    QFont busy = LblRech->font();
    busy.setBold(true);
    busy.setItalic(true);
    LblRech->setFont(busy);
    setTextColour(LblRech, QColor(0xb0, 0x3a, 0x2e));
    LblRech->hide();
    grid->addLayout(duration, 8, 0, 1, 2);
    grid->addWidget(LblRech, 9, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(10, 1);
}

void FrmDisplay::buildHiddenHelpers()
{
    // Outside the visible area: the default button, the save button and the
    // focus parking box.
    CmdGoBis = new QPushButton(QStringLiteral("Chercher bis"), this);
    CmdGoBis->setGeometry(-400, -400, 80, 20);
    CmdGoBis->setFocusPolicy(Qt::NoFocus);
    CmdEnregistre = new QPushButton(QStringLiteral("Enregistre"), this);
    CmdEnregistre->setGeometry(-400, -360, 80, 20);
    CmdEnregistre->setFocusPolicy(Qt::NoFocus);
    Foc = new QLineEdit(this);
    Foc->setGeometry(-400, -320, 40, 20);
    Foc->setFocusPolicy(Qt::ClickFocus);

    // The hidden frame of the times of a search.
    Fra2 = new QFrame(this);
    Fra2->hide();
    Lbl1 = new QLabel(QStringLiteral("00:00:00"), Fra2);
    Lbl2 = new QLabel(QStringLiteral("00:00:00"), Fra2);
    Lbl3 = new QLabel(QStringLiteral("00:00:00"), Fra2);

    for (QTimer *timer : {&TimDeb, &TimRExact, &TimRApp, &TimTerm, &TimFinR, &TimRetour, &TimBusy})
        timer->setSingleShot(true);
}

void FrmDisplay::placeFrameAndWindow()
{
    // Frame lines, in twips: the outer line closes under the panel's lowest
    // frame, the inner one stops just above the panel.
    const int sha1Width = 11700;
    const int sha1Height = kParamTop * 15 + Sha[9]->y() * 15 + Sha[9]->height() * 15 + 100;
    Sha1 = new QFrame(this);
    Sha1->setGeometry(0, 0, twips(sha1Width), twips(sha1Height));
    Sha1->setStyleSheet(QStringLiteral("border: 1px solid rgb(64, 64, 64); background: transparent;"));
    Sha2 = new QFrame(this);
    Sha2->setGeometry(twips(30), twips(30), twips(sha1Width - 60), kParamTop - twips(30) - twips(30));
    Sha2->setStyleSheet(QStringLiteral("border: 1px solid rgb(192, 192, 192); background: transparent;"));
    Sha3 = new QFrame(this);
    Sha3->setGeometry(0, 0, twips(sha1Width - 5), twips(kHeaderTwips));
    Sha3->setStyleSheet(QStringLiteral("border: none; border-bottom: 1px solid rgb(192, 192, 192); background: transparent;"));
    for (QFrame *line : {Sha1, Sha2, Sha3}) {
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
        line->lower();
    }
    // The outline stays above everything else.
    Sha1->raise();

    m_designSize = QSize(Sha1->width() + 1, Sha1->y() + Sha1->height() + 1);
    setMinimumSize(m_designSize);
    resize(m_designSize);
    m_sizeGrip = new QSizeGrip(this);
    m_sizeGrip->setToolTip(QStringLiteral("Agrandir la fen\u00EAtre"));
    m_sizeGrip->resize(m_sizeGrip->sizeHint());
    // The desktop's frame resizes the window itself.
    Look::hideUnderDesktopLook(m_sizeGrip);
    layOut();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 3);
    }
}

void FrmDisplay::connectHandlers()
{
    connect(&TimDeb, &QTimer::timeout, this, &FrmDisplay::deferredStart);
    connect(&TimRExact, &QTimer::timeout, this, [this] { runStage(SearchStage::Exact); });
    connect(&TimRApp, &QTimer::timeout, this, [this] { runStage(SearchStage::Approx); });
    connect(&TimTerm, &QTimer::timeout, this, [this] { runStage(SearchStage::Ending); });
    connect(&TimFinR, &QTimer::timeout, this, [this] { runStage(SearchStage::Finish); });
    connect(&TimBusy, &QTimer::timeout, this, [this] {
        if (m_searching)
            showBusy();
    });
    connect(&TimRetour, &QTimer::timeout, this, [this] {
        TimRetour.stop();
        StartSearch();
    });

    connect(ImgMin2, &HoverPicture::clicked, this, [this] {
        showMinimized();
        // Restored, the window shows the normal picture again.
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(ImgMin2, &leave);
    });
    connect(ImgClose2, &HoverPicture::clicked, this, &QWidget::close);
    connect(ImgMax2, &HoverPicture::clicked, this, [this] { setMaximised(!m_maximised); });

    connect(CmdMAJ, &QPushButton::clicked, this, &FrmDisplay::openSite);
    connect(CmdOrtho, &QPushButton::clicked, this, [this] {
        focusT1();
        openDicOrtho();
    });
    connect(CmdSynonyme, &QPushButton::clicked, this, [this] {
        focusT1();
        AppGlobals::instance().synonymQueryWord.clear();
        AppGlobals::instance().synonymQueryPending = false;
        openListSyno();
    });
    connect(CmdOptions, &QPushButton::clicked, this, [this] {
        focusT1();
        openOptions();
    });
    connect(CmdConseils, &QPushButton::clicked, this, [this] {
        focusT1();
        openConseils(false);
    });
    connect(CmdAp, &QPushButton::clicked, this, [this] {
        focusT1();
        openPropos();
    });
    connect(CmdQuitte, &QPushButton::clicked, this, [this] {
        focusT1();
        close();
    });

    connect(T1, &QLineEdit::textChanged, this, &FrmDisplay::onT1Changed);
    connect(CmdGo, &QPushButton::clicked, this, &FrmDisplay::StartSearch);
    connect(CmdGoBis, &QPushButton::clicked, this, &FrmDisplay::StartSearch);
    connect(CmdEnregistre, &QPushButton::clicked, this, &FrmDisplay::writeOptionsFile);
    // Enter is the window's default action, whatever control has the focus.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, &FrmDisplay::pressEnter);
    }
    connect(T1, &QLineEdit::returnPressed, this, &FrmDisplay::pressEnter);
    for (QComboBox *box : {CboSyl, CboType, CboGenre})
        connect(box, &QComboBox::activated, this, &FrmDisplay::noteListItemPicked);

    connect(Chk1, &QCheckBox::toggled, this, [this] { onSearchTypeToggled(1); });
    connect(Chk2, &QCheckBox::toggled, this, [this] { onSearchTypeToggled(2); });
    connect(Chk3, &QCheckBox::toggled, this, [this] { onSearchTypeToggled(3); });
    connect(ChkOpt1, &QCheckBox::toggled, this, &FrmDisplay::onChkOpt1Toggled);
    for (int n = 2; n <= 5; ++n)
        connect(Opt1[n], &QRadioButton::toggled, this, &FrmDisplay::onOpt1Toggled);
    connect(CboSyl, &QComboBox::currentIndexChanged, this, &FrmDisplay::onCboSylChanged);
    connect(CboType, &QComboBox::currentIndexChanged, this, &FrmDisplay::onCboTypeChanged);
    // The genre list arms the search as the syllable list does.
    connect(CboGenre, &QComboBox::currentIndexChanged, this, &FrmDisplay::onCboSylChanged);
    connect(ChkOrtho, &QCheckBox::toggled, this,
            [](bool checked) { AppGlobals::instance().preferences.spellCheckOn = checked ? 1 : 0; });
    connect(CmdOptDef, &QPushButton::clicked, this, &FrmDisplay::resetSearchOptions);

    connect(CmdCopier, &QPushButton::clicked, this, &FrmDisplay::copyWord);
    connect(CmdSyn, &QPushButton::clicked, this, &FrmDisplay::lookUpSynonyms);
    for (int i = 0; i < HelpTexts::Count; ++i)
        connect(ImgAide[i], &HelpIcon::clicked, this, [this, i] { showHelp(i); });

    // The input box comes first, then the options in reading order.
    const QList<QWidget *> tabOrder {T1,      Chk1,    Chk2,   Chk3,    Opt1[2], Opt1[3],
                                     Opt1[4], Opt1[5], CboSyl, CboType, CboGenre, ChkOpt1, ChkOrtho};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void FrmDisplay::deferredStart()
{
    TimDeb.stop();
    if (AppGlobals::instance().preferences.saveSearchOptions == 1)
        restoreSearchOptions();
    if (CboSyl->currentIndex() < 0)
        CboSyl->setCurrentIndex(0);
    if (CboType->currentIndex() < 0)
        CboType->setCurrentIndex(0);
    if (CboGenre->currentIndex() < 0)
        CboGenre->setCurrentIndex(0);
    unsetCursor();
    if (AppGlobals::instance().preferences.spellCheckOn == 1)
        ChkOrtho->setChecked(true);
    const AppGlobals &globals = AppGlobals::instance();
    restoreWindowSize(
        OptionsFile::readWindowSize(AppPaths::optionsFileToRead(globals.appDir, globals.settingsFolder())));
    show();
    UiReady = true;
    focusT1();
    if (m_firstStart)
        openConseils(true);
}

void FrmDisplay::closeEvent(QCloseEvent *event)
{
    if (m_exitConfirmed) {
        event->accept();
        return;
    }
    const auto answer = showMessage(QMessageBox::Question,
                                    QStringLiteral("Voulez-vous quitter le dictionnaire      \r\nde rimes ?"),
                                    QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    stopStages();
    if (AppGlobals::instance().preferences.saveSearchOptions == 0)
        applyDefaultSearchOptions();
    if (!writeOptionsFile()) {
        showMessage(QMessageBox::Warning,
                    QStringLiteral("Les options n'ont pas pu être enregistrées dans le fichier      \r\n")
                        + QDir::toNativeSeparators(OptionsFile::path(AppGlobals::instance().settingsFolder()))
                        + QStringLiteral("\r\nLe fichier précédent est conservé."),
                    QMessageBox::Ok);
    }
    m_exitConfirmed = true;
    event->accept();
    emit endRequested();
}

bool FrmDisplay::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick && (watched == Image1 || watched == LblVersion)) {
        setMaximised(!m_maximised);
        return true;
    }
    // A key that moved the current line of a list shows its details, as a
    // click does; the release comes once the list has moved.
    if (event->type() == QEvent::KeyRelease) {
        for (int i = 1; i <= 3; ++i) {
            if (watched == Lst[i]) {
                if (isNavigationKey(static_cast<QKeyEvent *>(event)->key()) && Lst[i]->currentItem())
                    showDetails(i);
                return false;
            }
        }
    }
    // The details follow a mouse release over a list.
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 1; i <= 3; ++i) {
            if (watched == Lst[i]->viewport()) {
                showDetails(i);
                return false;
            }
        }
        // A caption beside a box or an option button acts as the control itself.
        auto *caption = qobject_cast<QLabel *>(watched);
        const auto mouse = static_cast<QMouseEvent *>(event);
        if (caption && mouse->button() == Qt::LeftButton) {
            QAbstractButton *buddy = nullptr;
            const QList<std::pair<QLabel *, QAbstractButton *>> pairs {
                {LblA[0], Chk1},    {LblA[1], Chk2},    {LblA[2], Chk3},    {LblA[3], Opt1[2]},
                {LblA[4], Opt1[3]}, {LblA[5], Opt1[4]}, {LblA[6], Opt1[5]}, {LblA[8], ChkOpt1},
                {LblA[15], ChkOrtho}};
            for (const auto &[text, button] : pairs) {
                if (text == caption)
                    buddy = button;
            }
            if (buddy && buddy->isEnabled()) {
                buddy->click();
                return true;
            }
        }
    }
    // Moving over the panel or a caption puts the help icons back to normal.
    if (event->type() == QEvent::Enter && (watched == PicParam || qobject_cast<QLabel *>(watched))) {
        bool searching = searchRunning();
        if (!searching)
            setAllHelpIcons(false);
    }
    return QWidget::eventFilter(watched, event);
}
