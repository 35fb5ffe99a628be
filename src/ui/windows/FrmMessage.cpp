#include "ui/windows/FrmMessage.h"
#include "ui/windows/AccessibleNames.h"
#include "ui/windows/LookColours.h"
#include "ui/windows/SharpPixmap.h"

#include "lexicon/AppGlobals.h"
#include "ui/windows/WindowChrome.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

using Chrome::twips;

namespace {
constexpr int kLogoWidth = 6750;  // twips
constexpr int kBandHeight = 28;   // pixels, as below
constexpr int kMessageTop = 29, kMessageHeight = 128;
constexpr int kFermerTop = 252, kFermerHeight = 26;

// A white disc with a blue "i", the window's icon.
QPixmap informationIcon()
{
    QPixmap pixmap = sharpPixmap(36, 36);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(70, 120, 200), 2));
    painter.setBrush(QColor(135, 185, 244));
    painter.drawEllipse(QRectF(2, 2, 32, 32));
    QFont font(QStringLiteral("serif"));
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(2, 2, 32, 32), Qt::AlignCenter, QStringLiteral("i"));
    return pixmap;
}
} // namespace

FrmMessage::FrmMessage(QWidget *parent)
    : QDialog(parent, Look::windowFlags(Qt::Dialog))
{
    setWindowTitle(AppGlobals::messageTitle());
    setModal(true);
    setObjectName(QStringLiteral("FrmMessage"));
    setStyleSheet(QStringLiteral("QDialog#FrmMessage { background: #f4f6fb; border: 1px solid #4f78b0; }"));

    // Title band.
    Pic2 = new QLabel(this);
    Pic2->setGeometry(0, 0, twips(kLogoWidth), kBandHeight);
    Pic2->setStyleSheet(QStringLiteral("background: rgb(135, 185, 244);"));
    LblLogo = new QLabel(QStringLiteral("Message d'information"), this);
    LblLogo->setGeometry(0, 0, twips(kLogoWidth), kBandHeight);
    LblLogo->setIndent(12);
    QFont logoFont = LblLogo->font();
    logoFont.setBold(true);
    logoFont.setPointSize(logoFont.pointSize() + 1);
    LblLogo->setFont(logoFont);
    LblLogo->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Chrome::makeDragHandle(LblLogo);
    auto *Line2 = new QLabel(this);
    Line2->setGeometry(0, kBandHeight, twips(kLogoWidth), 1);
    Line2->setStyleSheet(QStringLiteral("background: rgb(79, 120, 176);"));

    // The white band with the icon and the message.
    Pic1 = new QLabel(this);
    Pic1->setGeometry(0, kMessageTop, twips(kLogoWidth), kMessageHeight);
    Pic1->setStyleSheet(QStringLiteral("background: white;"));
    ImgIcone = new QLabel(this);
    ImgIcone->setPixmap(informationIcon());
    ImgIcone->setGeometry(16, kMessageTop + 14, 36, 36);
    LblMess = new QLabel(this);
    LblMess->setGeometry(66, kMessageTop + 12, twips(kLogoWidth) - 80, kMessageHeight - 20);
    LblMess->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblMess->setTextFormat(Qt::PlainText);
    LblMess->setStyleSheet(QStringLiteral("background: transparent; color: #1d2a44;"));
    auto *Line1 = new QLabel(this);
    Line1->setGeometry(0, kMessageTop + kMessageHeight, twips(kLogoWidth), 1);
    Line1->setStyleSheet(QStringLiteral("background: #c5d3e8;"));

    // The box that turns these messages off, its caption running on below it.
    ChkOpt = new QCheckBox(QStringLiteral("&Cochez cette"), this);
    ChkOpt->setGeometry(16, kMessageTop + kMessageHeight + 10, 160, 20);
    LblInfosDec = new QLabel(this);
    LblInfosDec->setGeometry(36, kMessageTop + kMessageHeight + 28, 160, 80);
    LblInfosDec->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblInfosDec->setStyleSheet(QStringLiteral("color: #33415c;"));

    CmdFermer = new SkinnedButton(QStringLiteral("  &Fermer "), this);
    CmdFermer->setGeometry(twips(kLogoWidth) - 4 - 16 - 96, kFermerTop, 96, kFermerHeight);
    Foc = new QPushButton(QStringLiteral("Foc"), this);
    Foc->setGeometry(-300, -300, 40, 20);
    Foc->setDefault(true);
    Foc->setFocusPolicy(Qt::NoFocus);

    // 1. Size and place.
    setFixedSize(twips(kLogoWidth - 60), kFermerTop + kFermerHeight + twips(240));
    ChkOpt->setAccessibleDescription(QStringLiteral("Ne plus afficher les messages d'information secondaire"));
    NameControlsFromTheirTexts(this);
    Look::fitToDesktop(this, kBandHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 3);
    }

    // 2. to 6.
    m_loading = true;
    LblInfosDec->setText(QStringLiteral("case pour ne\nplus afficher\nles messages\nd'information\nsecondaire."));
    LblMess->setText(QStringLiteral("Il n' y a pas de rime riche pour cette recherche.\n"
                                    "\n"
                                    "Solutions:\n"
                                    "  - La terminaison de ce mot est peut-être mal\n"
                                    "    orthographiée ou peu courante.\n"
                                    "  - Essayez d'élargir les options de recherche."));
    ChkOpt->setChecked(false);
    m_loading = false;

    connect(ChkOpt, &QCheckBox::toggled, this, &FrmMessage::onChkOptToggled);
    connect(CmdFermer, &QPushButton::clicked, this, &QDialog::accept);
    connect(Foc, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmMessage::onChkOptToggled(bool checked)
{
    if (m_loading)
        return;
    Foc->setFocus();
    AppGlobals::instance().preferences.showSecondaryMessages = checked ? 0 : 1;
}
