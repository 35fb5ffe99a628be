#include "ui/windows/FrmMail.h"
#include "ui/windows/AccessibleNames.h"
#include "ui/windows/LookColours.h"
#include "ui/windows/MessageBoxes.h"

#include "lexicon/AppGlobals.h"
#include "ui/windows/HelpSite.h"
#include "ui/windows/MailLink.h"
#include "ui/windows/WindowChrome.h"
#include "ui/windows/WindowParts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>

using Chrome::twips;

namespace {
// The window's place on the screen, in twips from the top-left corner.
constexpr int kDesignLeft = 330, kDesignTop = 495;
// Margins after the message box and below the buttons, in twips.
constexpr int kRightMargin = 240, kBottomMargin = 180;

constexpr int kTitleHeight = 30, kBandWidth = 86, kLeft = kBandWidth + 20, kFieldWidth = 500;
constexpr int kHalfWidth = (kFieldWidth - 20) / 2;

QLabel *caption(const QString &text, QWidget *parent, int left, int top, int width)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(left, top, width, 18);
    label->setStyleSheet(QStringLiteral("color: rgb(40, 40, 60); font-weight: bold;"));
    return label;
}

QLabel *marker(QWidget *parent, QLabel *besideCaption)
{
    auto *label = new QLabel(parent);
    label->setPixmap(WindowParts::missingMarker());
    label->setToolTip(QStringLiteral("À remplir"));
    // Measured in the caption's own (bold) font.
    besideCaption->ensurePolished();
    const int captionWidth = besideCaption->fontMetrics().horizontalAdvance(QString(besideCaption->text()).remove(QLatin1Char('&'))) + 6;
    label->setGeometry(besideCaption->x() + captionWidth, besideCaption->y() + 1, 16, 16);
    label->hide();
    return label;
}
} // namespace

FrmMail::FrmMail(QWidget *mainWindow, QWidget *parent)
    : QWidget(parent, Look::windowFlags(Qt::Window)), m_mainWindow(mainWindow)
{
    WindowParts::setUpSecondaryWindow(this, QStringLiteral("FrmMail"), QStringLiteral("Envoyer un email"));
    build();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().topLeft() + QPoint(twips(kDesignLeft), twips(kDesignTop)));
    TxtObj->setText(AppGlobals::messageTitle() + QStringLiteral(" version ") + AppGlobals::appVersion());
    AppGlobals::instance().messageAnswer = TakeOverMarker;

    showMessage = [this](const QString &text) {
        AppGlobals::instance().messageAnswer =
            MessageBoxes::show(this, QMessageBox::Information, text);
    };

    TimDeb.setSingleShot(true);
    TimDeb.setInterval(ShowDelayMs);
    connect(&TimDeb, &QTimer::timeout, this, [this] {
        TimDeb.stop();
        show();
        activateWindow();
        TxtNom->setFocus();
    });
    TimDeb.start();

    TimEnd.setSingleShot(true);
    connect(&TimEnd, &QTimer::timeout, this, [this] {
        TimEnd.stop();
        close();
    });
}

FrmMail::~FrmMail()
{
    unload();
}

QPointer<FrmMail> FrmMail::open(QWidget *mainWindow)
{
    // Owned by itself: it is deleted when closed.
    auto *window = new FrmMail(mainWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

void FrmMail::build()
{
    setStyleSheet(QStringLiteral(
        "FrmMail { background: rgb(240, 240, 244); border: 1px solid rgb(88, 128, 190); }"
        "QLineEdit, QPlainTextEdit { background: white; border: 1px solid rgb(160, 165, 180); border-radius: 3px; padding: 2px; }"
        "QLineEdit:focus, QPlainTextEdit:focus { border-color: rgb(88, 128, 190); }"
        "QLineEdit[readOnly=\"true\"] { background: rgb(232, 236, 244); color: rgb(30, 50, 100); }"));

    // Form, top to bottom; the window's size follows from it.
    LblInfosDec = new QLabel(
        QStringLiteral("Vous voulez poser une question, envoyer une remarque à propos du programme. "
                       "Remplissez ce formulaire puis cliquez sur \"Envoyer le message\"."),
        this);
    LblInfosDec->setWordWrap(true);
    int top = kTitleHeight + 10;
    LblInfosDec->setGeometry(kLeft, top, kFieldWidth, LblInfosDec->heightForWidth(kFieldWidth));
    top += LblInfosDec->height() + 8;

    Lbl[0] = new QLabel(
        QStringLiteral("Avant de poser votre question, avez-vous consulté la FAQ ( foire  aux  questions ) ?"), this);
    Lbl[0]->setWordWrap(true);
    Lbl[0]->setGeometry(kLeft, top, kFieldWidth, Lbl[0]->heightForWidth(kFieldWidth));
    Lbl[0]->setStyleSheet(QStringLiteral("color: rgb(30, 50, 100);"));
    top += Lbl[0]->height() + 6;
    CmdFAQ = new SkinnedButton(QStringLiteral("Voir la &FAQ"), this);
    CmdFAQ->setGeometry(kLeft, top, 110, 26);
    Lbl[1] = new QLabel(QStringLiteral("foire aux questions"), this);
    Lbl[1]->setGeometry(kLeft + 120, top + 4, 200, 18);
    Lbl[1]->setStyleSheet(QStringLiteral("color: rgb(110, 110, 130); font-style: italic;"));
    top += 26 + 12;

    auto *Line1 = new QFrame(this);
    Line1->setGeometry(kLeft, top, kFieldWidth, 1);
    Line1->setStyleSheet(QStringLiteral("background: rgb(190, 195, 210);"));
    top += 12;

    Lbl[2] = caption(QStringLiteral("&Nom"), this, kLeft, top, kHalfWidth);
    Lbl[3] = caption(QStringLiteral("&Prénom"), this, kLeft + kHalfWidth + 20, top, kHalfWidth);
    TxtNom = new QLineEdit(this);
    TxtNom->setGeometry(kLeft, top + 20, kHalfWidth, 26);
    TxtPre = new QLineEdit(this);
    TxtPre->setGeometry(kLeft + kHalfWidth + 20, top + 20, kHalfWidth, 26);
    top += 56;
    Lbl[4] = caption(QStringLiteral("&Objet du message"), this, kLeft, top, kFieldWidth);
    TxtObj = new QLineEdit(this);
    TxtObj->setGeometry(kLeft, top + 20, kFieldWidth, 26);
    top += 56;
    Lbl[5] = caption(QStringLiteral("&Texte du message"), this, kLeft, top, kFieldWidth);
    TxtRem = new QPlainTextEdit(this);
    TxtRem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtRem->setTabChangesFocus(true);
    TxtRem->setGeometry(kLeft, top + 20, kFieldWidth, 170);
    Lbl[2]->setBuddy(TxtNom);
    Lbl[3]->setBuddy(TxtPre);
    Lbl[4]->setBuddy(TxtObj);
    Lbl[5]->setBuddy(TxtRem);
    top += 20 + 170 + 14;

    ImgF[MailForm::Nom] = marker(this, Lbl[2]);
    ImgF[MailForm::Prenom] = marker(this, Lbl[3]);
    ImgF[MailForm::Objet] = marker(this, Lbl[4]);
    ImgF[MailForm::Texte] = marker(this, Lbl[5]);

    Text1 = new QLineEdit(QString::fromLatin1(PublisherAddress), this);
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::ClickFocus);
    Text1->setToolTip(QStringLiteral("Adresse de l'éditeur"));

    CmdAnnule = new SkinnedButton(QStringLiteral(" &Annuler"), this);
    CmdMail = new SkinnedButton(QStringLiteral("&Envoyer le message"), this);
    CmdMail->setToolTip(QStringLiteral("Envoyer un email"));
    CmdMail->setEnabled(false);
    const int right = TxtRem->x() + TxtRem->width();
    CmdAnnule->setGeometry(right - 96, top, 96, 28);
    CmdMail->setGeometry(right - 96 - 10 - 150, top, 150, 28);
    Text1->setGeometry(kLeft, top + 1, std::min(240, CmdMail->x() - 16 - kLeft), 26);

    setFixedSize(right + twips(kRightMargin), CmdAnnule->y() + CmdAnnule->height() + twips(kBottomMargin));

    // Title bar and side panel, drawn once the size is known.
    LblLogo = WindowParts::addTitleBand(this, QStringLiteral("Envoyer  un  email"), kTitleHeight);
    WindowParts::addIconBand(this, QRect(1, kTitleHeight, kBandWidth, height() - kTitleHeight - 1));

    Foc = new QLineEdit(this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(-200, -200, 20, 20);
    Foc->setFocusPolicy(Qt::NoFocus);

    setTabOrder(TxtNom, TxtPre);
    setTabOrder(TxtPre, TxtObj);
    setTabOrder(TxtObj, TxtRem);
    setTabOrder(TxtRem, CmdMail);
    setTabOrder(CmdMail, CmdAnnule);
    setTabOrder(CmdAnnule, CmdFAQ);
    NameControlsFromTheirTexts(this);
    Look::fitToDesktop(this, kTitleHeight);

    // Typing in a field clears its marker; the name, first name and message
    // make the form worth sending, the subject (already filled in) does not.
    connect(TxtNom, &QLineEdit::textChanged, this, [this] {
        ImgF[MailForm::Nom]->hide();
        CmdMail->setEnabled(true);
    });
    connect(TxtPre, &QLineEdit::textChanged, this, [this] {
        ImgF[MailForm::Prenom]->hide();
        CmdMail->setEnabled(true);
    });
    connect(TxtObj, &QLineEdit::textChanged, this, [this] { ImgF[MailForm::Objet]->hide(); });
    connect(TxtRem, &QPlainTextEdit::textChanged, this, [this] {
        CmdMail->setEnabled(true);
        ImgF[MailForm::Texte]->hide();
    });

    connect(CmdMail, &QPushButton::clicked, this, &FrmMail::send);
    connect(CmdAnnule, &QPushButton::clicked, this, &QWidget::close);
    connect(CmdFAQ, &QPushButton::clicked, this, [this] {
        Foc->setFocus();
        m_faqResult = HelpSite::open(AppGlobals::instance().appDir, HelpSite::Section::Faq);
    });
}

QWidget *FrmMail::fieldWidget(MailForm::Field field) const
{
    switch (field) {
    case MailForm::Nom: return TxtNom;
    case MailForm::Prenom: return TxtPre;
    case MailForm::Objet: return TxtObj;
    case MailForm::Texte: return TxtRem;
    case MailForm::FieldCount: break;
    }
    return nullptr;
}

MailForm::Fields FrmMail::fields() const
{
    return {TxtNom->text(), TxtPre->text(), TxtObj->text(), TxtRem->toPlainText()};
}

void FrmMail::send()
{
    Foc->setFocus();
    for (QLabel *image : ImgF)
        image->hide();

    const MailForm::Fields form = fields();
    const MailForm::Completeness completeness = MailForm::check(form);
    if (!completeness.complete()) {
        for (int field = 0; field < MailForm::FieldCount; ++field) {
            if (completeness.missing[field]) {
                ImgF[field]->show();
                fieldWidget(MailForm::Field(field))->setFocus();
            }
        }
        if (showMessage)
            showMessage(MailForm::incompleteMessage());
        return;
    }

    if (!MailPublisher(form.subject, MailForm::body(form))) {
        // Nothing was sent: the poet keeps the text and learns why.
        if (showMessage)
            showMessage(MailForm::noMailProgramMessage());
        return;
    }
    TimEnd.start(CloseDelayMs);
}

void FrmMail::closeEvent(QCloseEvent *event)
{
    unload();
    QWidget::closeEvent(event);
}

void FrmMail::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    TimDeb.stop();
    TimEnd.stop();
    if (m_mainWindow)
        m_mainWindow->show();
    emit closed();
}
