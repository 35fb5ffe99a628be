#include "ui/windows/FrmZErr.h"
#include "ui/windows/AccessibleNames.h"

#include "ui/windows/LookColours.h"
#include "lexicon/AppGlobals.h"
#include "ui/windows/WindowChrome.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>

FrmZErr::FrmZErr(const InternalErrorReport &report, QWidget *parent)
    : QWidget(parent, Look::windowFlags(Qt::Window | Qt::WindowStaysOnTopHint))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ERROR"));
    setFixedSize(460, 300);
    setStyleSheet(QStringLiteral("FrmZErr { background: #f7f5fb; border: 1px solid #5b3fa8; }"));

    auto *FraLogo = new QLabel(this);
    FraLogo->setGeometry(0, 0, width(), 30);
    FraLogo->setStyleSheet(QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #3b2d6b, stop:1 #7b5fc7);"));
    Chrome::makeDragHandle(FraLogo);
    LblLogo = new QLabel(QString::fromLatin1(AppGlobals::MessageTitle), this);
    LblLogo->setGeometry(10, 4, 200, 22);
    LblLogo->setStyleSheet(QStringLiteral("color: white; font-weight: bold; font-size: 14px; background: transparent;"));
    LblLogo->setAttribute(Qt::WA_TransparentForMouseEvents);

    Lbl0 = new QLabel(QStringLiteral("Erreur programme"), this);
    Lbl0->setGeometry(12, 38, 300, 20);
    Lbl0->setStyleSheet(QStringLiteral("font-weight: bold; color: #8e1b1b;"));

    TxtE = new QPlainTextEdit(this);
    TxtE->setGeometry(12, 62, width() - 24, 180);
    TxtE->setReadOnly(true);
    TxtE->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtE->setPlainText(ErrorTexts::errorWindowText(report));

    CmdFerme = new SkinnedButton(QStringLiteral("&Continuer"), this);
    CmdFerme->setGeometry(12, 256, 130, 28);
    CmdEnd = new SkinnedButton(QStringLiteral("&Arrêt définitif du programme"), this);
    CmdEnd->setGeometry(width() - 232, 256, 220, 28);

    Foc = new QLineEdit(this);
    Foc->setGeometry(-100, -100, 10, 10);
    Foc->setFocusPolicy(Qt::NoFocus);
    TxtE->setAccessibleName(Lbl0->text());
    NameControlsFromTheirTexts(this);
    Look::fitToDesktop(this, FraLogo->height());

    connect(CmdFerme, &QPushButton::clicked, this, &QWidget::close);
    connect(CmdEnd, &QPushButton::clicked, this, &FrmZErr::endRequested);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 10, (area.height() - height()) / 10);
    }
}

QString FrmZErr::reportText() const
{
    return TxtE->toPlainText();
}
