#include "ui/windows/FrmCharge.h"
#include "ui/windows/AccessibleNames.h"

#include "lexicon/AppGlobals.h"
#include "ui/windows/FrmZErr.h"
#include "ui/windows/WindowChrome.h"

#include <QFrame>
#include <algorithm>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

using Chrome::twips;

namespace {
// Design geometry, in twips.
constexpr int kShaLeft = 60, kShaTop = 360, kShaWidth = 4890, kShaHeight = 1815;
constexpr int kPicLeft = -300, kPicTop = -120, kPicWidth = 6375, kPicHeight = 435;
constexpr int kBarLeft = 360, kBarTop = 1560, kBarWidth = 4275, kBarHeight = 195;
constexpr int kBlockWidth = 120, kBlockHeight = 105, kHiddenTop = 3000;
} // namespace

FrmCharge::FrmCharge(LexiconData &data, InternalErrorReport &errors, const QString &appDir,
                     DataItemReader readItem, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_sequence(data, errors, appDir, std::move(readItem)), m_errors(errors)
{
    setWindowTitle(QString::fromLatin1(AppGlobals::MessageTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(QStringLiteral("FrmCharge { background: #f7f5fb; }"));

    // The window's size follows its frame and top band.
    const int height = kShaHeight + kPicHeight + 60;
    const int width = kShaWidth + 200;
    setFixedSize(twips(width), twips(height));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - this->width()) / 2, (area.height() - this->height()) / 4);
    }

    Pic1 = new QLabel(this);
    Pic1->setGeometry(twips(kPicLeft), twips(kPicTop), twips(kPicWidth), twips(kPicHeight));
    Pic1->setStyleSheet(QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #3b2d6b, stop:1 #7b5fc7);"));

    auto *Sha = new QFrame(this);
    Sha->setGeometry(twips(kShaLeft), twips(kShaTop), twips(kShaWidth), twips(kShaHeight));
    Sha->setStyleSheet(QStringLiteral("border: 1px solid #8c8c8c; background: transparent;"));

    LblLogo = new QLabel(QString::fromLatin1(AppGlobals::MessageTitle), this);
    LblLogo->setGeometry(twips(kShaLeft) + 10, twips(kShaTop) + 8, 200, 28);
    LblLogo->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold; color: #3b2d6b;"));

    LblVersion = new QLabel(QStringLiteral("Version 2.20"), this);
    LblVersion->setGeometry(twips(kShaLeft) + 12, twips(kShaTop) + 38, 200, 16);
    LblVersion->setStyleSheet(QStringLiteral("color: #5d5577;"));

    Lbl1 = new QLabel(QStringLiteral("Chargement des dictionnaires ..."), this);
    Lbl1->setGeometry(twips(kBarLeft), twips(kBarTop) - 22, twips(kBarWidth), 18);

    ImgA = new QLabel(this);
    ImgA->setGeometry(twips(kBarLeft), twips(kBarTop), twips(kBarWidth), twips(kBarHeight));
    ImgA->setStyleSheet(QStringLiteral("border: 1px solid #5b3fa8; background: white;"));

    CmdEnd = new SkinnedButton(QStringLiteral("&Arrêt du programme"), this);
    CmdEnd->setGeometry(this->width() - 150, twips(kBarTop) + twips(kBarHeight) + 4, 140, 22);
    CmdEnd->hide();
    NameControlsFromTheirTexts(this);

    // Load handler: version line, then the blocks waiting below the window.
    LblVersion->setText(QStringLiteral("Version ") + AppGlobals::appVersion());
    const QPixmap block = Chrome::progressBlock();
    for (int i = 0; i < LoadingSequence::BlockCount; ++i) {
        ImgB[i] = new QLabel(this);
        ImgB[i]->setPixmap(block);
        ImgB[i]->setGeometry(0, twips(kHiddenTop), twips(kBlockWidth), twips(kBlockHeight));
    }

    showCriticalMessage = [this](const QString &text) {
        QMessageBox::critical(this, QString::fromLatin1(AppGlobals::MessageTitle), text);
    };

    connect(&m_sequence, &LoadingSequence::captionChanged, Lbl1, &QLabel::setText);
    connect(&m_sequence, &LoadingSequence::blockPlaced, this, &FrmCharge::placeBlock);
    connect(&m_sequence, &LoadingSequence::busyChanged, this, [this](bool busy) {
        if (busy)
            setCursor(Qt::WaitCursor);
        else
            unsetCursor();
    });
    connect(&m_sequence, &LoadingSequence::fileErrorMessage, this,
            [this](const QString &text) { showCriticalMessage(text); });
    connect(&m_sequence, &LoadingSequence::errorReported, this, &FrmCharge::showErrorWindow);
    connect(&m_sequence, &LoadingSequence::finished, this, &FrmCharge::loadingFinished);
    connect(CmdEnd, &QPushButton::clicked, this, &FrmCharge::endRequested);
}

void FrmCharge::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_sequence.start();
    }
}

void FrmCharge::placeBlock(int index)
{
    if (index < 0 || index >= LoadingSequence::BlockCount)
        return;
    const int firstLeft = twips(kBarLeft + 30);
    const int top = twips(kBarTop + 50);
    ImgB[index]->move(firstLeft + index * twips(kBlockWidth), top);
    m_placed[index] = true;
}

void FrmCharge::showErrorWindow()
{
    // An error window already open keeps the text of its first report.
    if (m_errorWindow) {
        m_errorWindow->raise();
        return;
    }
    m_errorWindow = new FrmZErr(m_errors);
    connect(m_errorWindow, &FrmZErr::endRequested, this, &FrmCharge::endRequested);
    if (ErrorTexts::stopsLoading(m_errors.errorCode))
        CmdEnd->show();
    m_errorWindow->show();
}

QString FrmCharge::caption() const
{
    return Lbl1->text();
}

int FrmCharge::placedBlockCount() const
{
    return int(std::count(m_placed.begin(), m_placed.end(), true));
}

bool FrmCharge::emergencyStopVisible() const
{
    return CmdEnd->isVisibleTo(this);
}
