#include "ui/windows/FrmPropos.h"
#include "ui/windows/AccessibleNames.h"

#include "ui/windows/LookColours.h"
#include "lexicon/AppGlobals.h"
#include "ui/windows/FrmMail.h"
#include "ui/windows/HelpSite.h"
#include "ui/windows/WindowChrome.h"
#include "ui/windows/WindowParts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int kWidth = 400, kHeight = 212, kPanelHeight = 60;

// Written by the contact window as it takes over from this one.
constexpr int kMailTookOver = FrmMail::TakeOverMarker;
} // namespace

FrmPropos::FrmPropos(QWidget *mainWindow, QWidget *parent)
    : QWidget(parent, Look::windowFlags(Qt::Window)), m_mainWindow(mainWindow)
{
    WindowParts::setUpSecondaryWindow(this, QStringLiteral("FrmPropos"), QStringLiteral("A propos"));
    build();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    if (m_mainWindow)
        m_mainWindow->hide();
    LblVersion->setText(QStringLiteral("Version du programme ") + AppGlobals::appVersion());

    TimDeb.setSingleShot(true);
    TimDeb.setInterval(ShowDelayMs);
    connect(&TimDeb, &QTimer::timeout, this, [this] {
        TimDeb.stop();
        show();
        activateWindow();
        Foc->setFocus();
    });
    TimDeb.start();
}

FrmPropos::~FrmPropos()
{
    unload();
}

QPointer<FrmPropos> FrmPropos::open(QWidget *mainWindow)
{
    AppGlobals::instance().messageAnswer = 0;
    // Owned by itself: it is deleted when closed.
    auto *window = new FrmPropos(mainWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

void FrmPropos::build()
{
    setFixedSize(kWidth, kHeight);
    setStyleSheet(QStringLiteral(
        "FrmPropos { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #eef2fb);"
        " border: 1px solid rgb(88, 128, 190); }"));
    // A press anywhere on the background, the title band or the title moves the window.
    Chrome::makeDragHandle(this);

    auto *FraL1 = new QFrame(this);
    FraL1->setObjectName(QStringLiteral("FraL1"));
    FraL1->setGeometry(16, 16, kWidth - 32, 118);
    FraL1->setStyleSheet(QStringLiteral("#FraL1 { background: rgb(135, 185, 244); border: 1px solid rgb(88, 128, 190);"
                                        " border-radius: 6px; }"));
    FraL1->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *ImgIcone = new QLabel(this);
    ImgIcone->setPixmap(WindowParts::programIcon(64));
    ImgIcone->setGeometry(36, 43, 64, 64);
    ImgIcone->setAttribute(Qt::WA_TransparentForMouseEvents);

    LblLogo = new QLabel(QString::fromLatin1(AppGlobals::MessageTitle), this);
    LblLogo->setGeometry(118, 34, kWidth - 150, 40);
    LblLogo->setStyleSheet(QStringLiteral("color: white; font-size: 30px; font-weight: bold; background: transparent;"));
    LblLogo->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *LblSousTitre = new QLabel(QStringLiteral("Dictionnaire de rimes"), this);
    LblSousTitre->setGeometry(120, 74, kWidth - 150, 20);
    LblSousTitre->setStyleSheet(QStringLiteral("color: rgb(30, 50, 100); font-style: italic; background: transparent;"));
    LblSousTitre->setAttribute(Qt::WA_TransparentForMouseEvents);

    LblVersion = new QLabel(this);
    LblVersion->setGeometry(120, 96, kWidth - 150, 20);
    LblVersion->setStyleSheet(QStringLiteral("color: rgb(30, 50, 100); background: transparent;"));
    LblVersion->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Between the title frame and the button panel.
    auto *LblLicence = new QLabel(QStringLiteral("Logiciel libre sous licence GPL 3 ou ultérieure"), this);
    LblLicence->setObjectName(QStringLiteral("LblLicence"));
    LblLicence->setGeometry(16, 135, kWidth - 32, 15);
    LblLicence->setAlignment(Qt::AlignCenter);
    LblLicence->setStyleSheet(QStringLiteral("color: rgb(30, 50, 100); font-size: 11px; background: transparent;"));
    LblLicence->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(1, kHeight - kPanelHeight - 1, kWidth - 2, kPanelHeight);
    Picture1->setStyleSheet(QStringLiteral("#Picture1 { background: rgb(224, 224, 224); border-top: 1px solid rgb(190, 190, 200); }"));

    Foc = WindowParts::addFocusHolder(this);
    connect(Foc, &QPushButton::clicked, this, &QWidget::close);

    const int buttonTop = (kPanelHeight - 28) / 2;
    CmdMail = new SkinnedButton(QStringLiteral("&Mail"), Picture1);
    CmdMail->setToolTip(QStringLiteral("Envoyer un email"));
    CmdMail->setGeometry(16, buttonTop, 100, 28);
    CmdSite = new SkinnedButton(QStringLiteral("&Site internet"), Picture1);
    CmdSite->setToolTip(QStringLiteral("Site internet du programme"));
    CmdSite->setGeometry(126, buttonTop, 130, 28);
    CmdFerme = new SkinnedButton(QStringLiteral("&Fermer"), Picture1);
    CmdFerme->setToolTip(QStringLiteral("Fermer la fenêtre"));
    CmdFerme->setGeometry(kWidth - 2 - 16 - 100, buttonTop, 100, 28);

    connect(CmdMail, &QPushButton::clicked, this, &FrmPropos::mailClicked);
    connect(CmdSite, &QPushButton::clicked, this, &FrmPropos::siteClicked);
    connect(CmdFerme, &QPushButton::clicked, this, &QWidget::close);
    // The focus holder comes first in the tab order.
    setTabOrder(Foc, CmdMail);
    setTabOrder(CmdMail, CmdSite);
    NameControlsFromTheirTexts(this);
    setTabOrder(CmdSite, CmdFerme);
}

void FrmPropos::mailClicked()
{
    Foc->setFocus();
    // The contact window marks that it takes over, then this window goes.
    FrmMail::open(m_mainWindow);
    close();
}

void FrmPropos::siteClicked()
{
    Foc->setFocus();
    m_siteResult = HelpSite::open(AppGlobals::instance().appDir);
}

void FrmPropos::closeEvent(QCloseEvent *event)
{
    unload();
    QWidget::closeEvent(event);
}

void FrmPropos::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    TimDeb.stop();
    if (AppGlobals::instance().messageAnswer != kMailTookOver && m_mainWindow)
        m_mainWindow->show();
    emit closed();
}
