#include "ui/windows/FrmConseils.h"
#include "ui/windows/AccessibleNames.h"

#include "ui/windows/LookColours.h"
#include "lexicon/AppGlobals.h"
#include "ui/windows/SearchTips.h"
#include "ui/windows/WindowChrome.h"
#include "ui/windows/WindowParts.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {
constexpr int kWidth = 720, kTitleHeight = 30, kIntroHeight = 58, kMargin = 14, kTipGap = 6;

QString shownText(const QString &body)
{
    QString text = body;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}
} // namespace

FrmConseils::FrmConseils(QWidget *mainWindow, QWidget *parent)
    : QWidget(parent, Look::windowFlags(Qt::Window)), m_mainWindow(mainWindow)
{
    WindowParts::setUpSecondaryWindow(this, QStringLiteral("FrmConseils"), QStringLiteral("Quelques conseils pour la recherche"));
    build();
    NameControlsFromTheirTexts(this);
    Look::fitToDesktop(this, kTitleHeight);
    WindowParts::placeUpperCentre(this);
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);

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

FrmConseils::~FrmConseils()
{
    unload();
}

QPointer<FrmConseils> FrmConseils::open(QWidget *mainWindow)
{
    // Owned by itself: it is deleted when closed.
    auto *window = new FrmConseils(mainWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

void FrmConseils::showModal(QWidget *mainWindow)
{
    FrmConseils window(mainWindow);
    window.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(&window, &FrmConseils::closed, &loop, &QEventLoop::quit);
    loop.exec();
}

void FrmConseils::build()
{
    setStyleSheet(QStringLiteral("FrmConseils { background: white; border: 1px solid rgb(88, 128, 190); }"));

    resize(kWidth, 100);
    WindowParts::addTitleBand(this, QStringLiteral("Versalune  -  Quelques  conseils  pour  la  recherche"),
                              kTitleHeight);

    ImgClose = new HoverPicture(Chrome::Picture::Close, this);
    ImgClose->setToolTip(QStringLiteral("Fermer"));
    ImgClose->move(kWidth - ImgClose->width() - 8, (kTitleHeight - ImgClose->height()) / 2);
    connect(ImgClose, &HoverPicture::clicked, this, &QWidget::close);
    Look::hideUnderDesktopLook(ImgClose);

    // The white introduction band with the program's icon.
    auto *ImgIcone = new QLabel(this);
    ImgIcone->setPixmap(WindowParts::programIcon(36));
    ImgIcone->setGeometry(kMargin, kTitleHeight + (kIntroHeight - 36) / 2, 36, 36);
    auto *LblInfosDec = new QLabel(
        QStringLiteral("Pour une bonne utilisation de ce programme,merci de prendre le temps de lire ces quelques conseils."),
        this);
    LblInfosDec->setWordWrap(true);
    LblInfosDec->setGeometry(kMargin + 50, kTitleHeight, kWidth - kMargin * 2 - 50, kIntroHeight);
    LblInfosDec->setStyleSheet(QStringLiteral("color: rgb(40, 40, 60);"));
    auto *Line1 = new QFrame(this);
    Line1->setGeometry(0, kTitleHeight + kIntroHeight, kWidth, 1);
    Line1->setStyleSheet(QStringLiteral("background: rgb(190, 190, 200);"));

    // The grey panel with the tips, in their display order.
    auto *Pic3 = new QFrame(this);
    Pic3->setObjectName(QStringLiteral("Pic3"));
    Pic3->setStyleSheet(QStringLiteral(
        "#Pic3 { background: rgb(224, 224, 224); }"
        "QLineEdit { background: transparent; border: none; color: rgb(0, 128, 128); font-weight: bold; }"
        "QTextEdit { background: transparent; border: none; color: rgb(30, 30, 30); }"));
    const int textWidth = kWidth - 2 * kMargin;
    int top = kMargin;
    for (const int index : SearchTips::DisplayOrder) {
        const SearchTips::Tip &tip = SearchTips::tip(index);
        TxtA[index] = new QLineEdit(tip.title, Pic3);
        TxtA[index]->setReadOnly(true);
        TxtA[index]->setFocusPolicy(Qt::NoFocus);
        TxtA[index]->setGeometry(kMargin, top, textWidth, 22);
        top += 22;

        TxtB[index] = new QTextEdit(Pic3);
        TxtB[index]->setReadOnly(true);
        TxtB[index]->setFocusPolicy(Qt::NoFocus);
        TxtB[index]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        TxtB[index]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        TxtB[index]->setPlainText(shownText(tip.body));
        TxtB[index]->document()->setDocumentMargin(2);
        TxtB[index]->document()->setTextWidth(textWidth - 8);
        // Tall enough for every line of the body, wrapped at this width.
        const int bodyHeight = int(TxtB[index]->document()->size().height()) + 4;
        TxtB[index]->setGeometry(kMargin + 6, top, textWidth - 6, bodyHeight);
        top += bodyHeight + kTipGap;
    }
    const int panelTop = kTitleHeight + kIntroHeight + 1;
    Pic3->setGeometry(1, panelTop, kWidth - 2, top);
    setFixedSize(kWidth, panelTop + top + 1);

    Foc = WindowParts::addFocusHolder(this);
    connect(Foc, &QPushButton::clicked, this, &QWidget::close);
}

void FrmConseils::closeEvent(QCloseEvent *event)
{
    unload();
    QWidget::closeEvent(event);
}

void FrmConseils::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Foc->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmConseils::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    TimDeb.stop();
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    emit closed();
}
