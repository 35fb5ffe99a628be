#include "ui/windows/WindowParts.h"
#include "ui/windows/LookColours.h"
#include "ui/windows/SharpPixmap.h"

#include "ui/windows/WindowChrome.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

namespace WindowParts {

void setUpSecondaryWindow(QWidget *window, const QString &objectName, const QString &title)
{
    window->setObjectName(objectName);
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->setAttribute(Qt::WA_StyledBackground);
}

QLabel *addTitleBand(QWidget *window, const QString &title, int height)
{
    auto *band = new QLabel(window);
    band->setObjectName(QStringLiteral("Pic2"));
    band->setGeometry(0, 0, window->width(), height);
    band->setStyleSheet(QStringLiteral("background: rgb(135, 185, 244); border-bottom: 1px solid rgb(88, 128, 190);"));
    Chrome::makeDragHandle(band);
    Look::hideUnderDesktopLook(band);

    auto *label = new QLabel(title, window);
    label->setObjectName(QStringLiteral("LblLogo"));
    label->setGeometry(10, 0, window->width() - 40, height);
    label->setStyleSheet(QStringLiteral("color: white; font-weight: bold; font-size: 13px; background: transparent;"));
    Chrome::makeDragHandle(label);
    // The desktop's title bar shows the title instead.
    window->setWindowTitle(title.simplified());
    Look::hideUnderDesktopLook(label);
    return label;
}

QLabel *addIconBand(QWidget *window, const QRect &geometry)
{
    auto *band = new QLabel(window);
    band->setObjectName(QStringLiteral("Pic1"));
    band->setGeometry(geometry);
    band->setStyleSheet(QStringLiteral("background: %1; border-right: 1px solid rgb(200, 200, 210);")
                            .arg(Look::css(QPalette::Base, Qt::white)));
    band->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    band->setContentsMargins(0, 14, 0, 0);
    band->setPixmap(programIcon(40));
    return band;
}

QPixmap programIcon(int size)
{
    // A crescent moon over a line of verse.
    QPixmap pixmap = sharpPixmap(size, size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(59, 45, 107));
    painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
    QPainterPath moon;
    moon.addEllipse(QRectF(s * 0.18, s * 0.12, s * 0.56, s * 0.56));
    QPainterPath bite;
    bite.addEllipse(QRectF(s * 0.34, s * 0.04, s * 0.52, s * 0.52));
    painter.setBrush(QColor(246, 214, 120));
    painter.drawPath(moon.subtracted(bite));
    painter.setPen(QPen(QColor(200, 190, 235), s * 0.05, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(s * 0.2, s * 0.8), QPointF(s * 0.8, s * 0.8));
    return pixmap;
}

QPixmap helpIcon()
{
    QPixmap pixmap = sharpPixmap(16, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 90, 160), 1));
    painter.setBrush(QColor(220, 235, 252));
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    painter.setPen(QPen(QColor(40, 90, 160), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoint(QPointF(8, 4.5));
    painter.drawLine(QPointF(8, 7.5), QPointF(8, 12));
    return pixmap;
}

QPixmap missingMarker()
{
    QPixmap pixmap = sharpPixmap(16, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawEllipse(QRectF(0, 0, 16, 16));
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 3.5), QPointF(8, 9));
    painter.drawPoint(QPointF(8, 12.5));
    return pixmap;
}

QPushButton *addFocusHolder(QWidget *window)
{
    auto *holder = new QPushButton(QStringLiteral("Foc"), window);
    holder->setObjectName(QStringLiteral("Foc"));
    holder->setGeometry(-200, -200, 40, 20);
    holder->setAutoDefault(true);
    holder->setDefault(true);
    // Given the focus by the window, never reached by Tab: the focus a user
    // moves always lands on something seen.
    holder->setFocusPolicy(Qt::NoFocus);
    return holder;
}

void placeUpperCentre(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        window->move(area.x() + (area.width() - window->width()) / 2,
                     area.y() + (area.height() - window->height()) / 3);
    }
}

} // namespace WindowParts

InfoIcon::InfoIcon(QWidget *parent)
    : HoverPicture(WindowParts::helpIcon(), WindowParts::helpIcon(), parent)
{
    setFixedSize(16, 16);
    setToolTip(QStringLiteral("Plus d'info"));
}
