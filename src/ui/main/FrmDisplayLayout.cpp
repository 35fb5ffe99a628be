// The main window's geometry at any size: the design size is the smallest;
// the three lists and their captions take the extra room, the details panel
// the extra width, and the button row and the options panel keep their
// design, centred. The window can also be enlarged to the whole screen.
#include "ui/main/FrmDisplay.h"
#include "ui/windows/LookColours.h"

#include "ui/main/MainGeometry.h"
#include "ui/main/MainPictures.h"
#include "ui/main/ResultColumns.h"
#include "ui/main/ResultLineDelegate.h"
#include "ui/windows/TextFit.h"
#include "ui/windows/WindowChrome.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSizeGrip>
#include <algorithm>

using namespace MainGeometry;

namespace {
constexpr int kWordPointSize = 17;
constexpr int kSmallestWordPointSize = 9;

QRect screenArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), window->size());
}
} // namespace

void FrmDisplay::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void FrmDisplay::layOut()
{
    if (!Sha1 || m_designSize.isEmpty())
        return;
    const int w = width();
    const int h = height();
    const int dx = std::max(0, w - m_designSize.width());
    const int dy = std::max(0, h - m_designSize.height());
    const int centre = dx / 2;

    // Title strip and its pictures at the right edge.
    Image1->setGeometry(0, 0, w, kStripHeight);
    Image1->setPixmap(MainPictures::titleStrip(Image1->size()));
    ImgMin2->move(w - kMinimiseFromRight, 7);
    ImgMax2->move(w - kMaximiseFromRight, 7);
    ImgClose2->move(w - kCloseFromRight, 7);
    Lin1->setGeometry(0, kStripHeight, w, 1);
    placeAtelierButton();

    // The button row keeps its design, centred.
    const SkinnedButton *const row[kButtonCount] = {CmdMAJ, CmdOrtho, CmdSynonyme, CmdOptions,
                                                    CmdConseils, CmdAp, CmdQuitte};
    const int buttonWidth = (kWidth - 16 - kButtonGap * (kButtonCount - 1)) / kButtonCount;
    for (int i = 0; i < kButtonCount; ++i)
        const_cast<SkinnedButton *>(row[i])->move(centre + 8 + i * (buttonWidth + kButtonGap), kButtonTop);

    PicAffichage->setGeometry(8, kDetailsTop, w - 16, kDetailsHeight);
    layOutResultArea(dx, dy);

    // The options panel keeps its groups as designed, centred, under the lists.
    PicParam->setGeometry(0, kParamTop + dy, w, kGroupBottom + 8);
    PicParam->setPixmap(MainPictures::panelBackground(PicParam->size()));
    const int groupLeft[4] = {8, 8, 265, 522};
    QFrame *const groups[4] = {Sha[0], Sha[1], Sha[9], Sha[2]};
    for (int i = 0; i < 4; ++i)
        groups[i]->move(centre + groupLeft[i], groups[i]->y());

    // Frame lines: the outline round the window, the inner line down to the
    // panel, the line under the details.
    Sha1->setGeometry(0, 0, w - 1, h - 1);
    Sha2->setGeometry(2, 2, w - 1 - 4, PicParam->y() - 4);
    Sha3->setGeometry(0, 0, w - 2, Chrome::twips(kHeaderTwips));

    if (m_sizeGrip) {
        m_sizeGrip->move(w - 1 - m_sizeGrip->width(), h - 1 - m_sizeGrip->height());
        m_sizeGrip->raise();
    }
    Sha1->raise();
    fitWordFont();
}

void FrmDisplay::layOutResultArea(int dx, int dy)
{
    const int columnWidth = kColumnWidth + dx / 3;
    QLabel *const headers[3] = {Lbl[1], Lbl[5], Lbl[6]};
    for (int i = 0; i < 3; ++i) {
        const int left = 8 + i * (columnWidth + kColumnGap);
        QListWidget *list = Lst[i + 1];
        headers[i]->setGeometry(left + 2, kListHeaderTop, columnWidth, 18);
        list->setGeometry(left, kListTop, columnWidth, kListHeight + dy);

        // "Syllabes" centred over the syllable column of the list (without
        // passing the list's right edge), the count in the room left of it.
        const ResultColumns columns =
            ResultColumns::forWidth(ResultLineDelegate::layoutWidth(list), QFontMetrics(list->font()));
        const int digitCentre = left + list->frameWidth() + columns.syllableLeft + columns.syllableWidth / 2;
        QLabel *heading = syllableLabel(i + 1);
        const int headingWidth = heading->fontMetrics().horizontalAdvance(QStringLiteral("Syllabes")) + 6;
        const int headingLeft = std::min(digitCentre - headingWidth / 2, left + columnWidth - headingWidth);
        heading->setGeometry(headingLeft, kCountTop, headingWidth, 18);
        countLabel(i + 1)->setGeometry(left, kCountTop, heading->x() - left, 18);
    }
}

void FrmDisplay::fitWordFont()
{
    if (LblMot)
        TextFit::shrinkToFit(LblMot, kWordPointSize, kSmallestWordPointSize);
}

void FrmDisplay::setMaximised(bool maximised)
{
    if (maximised == m_maximised)
        return;
    if (Look::desktopLook()) {
        // The desktop's frame knows how to enlarge the window.
        m_maximised = maximised;
        if (maximised)
            showMaximized();
        else
            showNormal();
        return;
    }
    // The window draws its own frame: it takes the screen's free area
    // itself rather than ask the window manager, which may not know how.
    if (maximised) {
        m_normalGeometry = geometry();
        m_maximised = true;
        setGeometry(screenArea(this));
    } else {
        m_maximised = false;
        setGeometry(m_normalGeometry);
    }
    ImgMax2->setPictures(Chrome::picture(maximised ? Chrome::Picture::Restore : Chrome::Picture::Maximise, false),
                         Chrome::picture(maximised ? Chrome::Picture::Restore : Chrome::Picture::Maximise, true));
    ImgMax2->setToolTip(maximised ? QStringLiteral("Restaurer") : QStringLiteral("Agrandir"));
    ImgMax2->setAccessibleName(ImgMax2->toolTip());
    if (m_sizeGrip)
        m_sizeGrip->setVisible(!maximised);
}

MainWindowSize FrmDisplay::windowSize() const
{
    if (Look::desktopLook()) {
        // The desktop's title bar may have enlarged the window.
        const QSize size = isMaximized() ? normalGeometry().size() : this->size();
        return MainWindowSize {size.width(), size.height(), isMaximized()};
    }
    const QSize size = m_maximised ? m_normalGeometry.size() : this->size();
    return MainWindowSize {size.width(), size.height(), m_maximised};
}

void FrmDisplay::restoreWindowSize(const MainWindowSize &saved)
{
    if (!saved.isEmpty()) {
        // Never smaller than the design, never larger than the screen.
        const QRect area = screenArea(this);
        const QSize size = QSize(saved.width, saved.height)
                               .boundedTo(area.size())
                               .expandedTo(m_designSize);
        resize(size);
        move(area.x() + std::max(0, (area.width() - width()) / 2),
             area.y() + std::max(0, (area.height() - height()) / 3));
    }
    if (saved.maximised)
        setMaximised(true);
}
