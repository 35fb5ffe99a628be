#include "ui/main/MainPictures.h"
#include "ui/windows/LookColours.h"
#include "ui/windows/SharpPixmap.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace MainPictures {

QPixmap titleStrip(QSize size)
{
    QPixmap pixmap = sharpPixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, size.width(), 0);
    band.setColorAt(0, QColor(0x3b, 0x2d, 0x6b));
    band.setColorAt(0.6, QColor(0x5b, 0x3f, 0xa8));
    band.setColorAt(1, QColor(0x7b, 0x5f, 0xc7));
    painter.fillRect(pixmap.rect(), band);
    // A thin light rule along the bottom edge.
    painter.fillRect(QRect(0, size.height() - 2, size.width(), 1), QColor(255, 255, 255, 60));

    // The crescent moon of the name: a disc with a shifted disc taken away.
    const qreal d = size.height() - 12;
    const QRectF moon(10, 6, d, d);
    QPainterPath disc;
    disc.addEllipse(moon);
    QPainterPath bite;
    bite.addEllipse(moon.translated(d * 0.35, -d * 0.12));
    painter.fillPath(disc.subtracted(bite), QColor(0xf3, 0xe7, 0xb0));

    QFont font(QStringLiteral("serif"));
    font.setPixelSize(int(size.height() * 0.58));
    font.setItalic(true);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(16 + d, 0, 200, size.height() - 1), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Versalune"));
    return pixmap;
}

QPixmap panelBackground(QSize size)
{
    QPixmap pixmap = sharpPixmap(size);
    QPainter painter(&pixmap);
    if (Look::desktopLook()) {
        painter.fillRect(pixmap.rect(), Look::designColour(QPalette::Window, {}));
    } else {
        QLinearGradient shade(0, 0, 0, size.height());
        shade.setColorAt(0, QColor(0xee, 0xea, 0xf6));
        shade.setColorAt(1, QColor(0xe0, 0xda, 0xee));
        painter.fillRect(pixmap.rect(), shade);
    }
    painter.fillRect(QRect(0, 0, size.width(), 1), QColor(0x9a, 0x8c, 0xc4));
    return pixmap;
}

QPixmap helpIcon(bool highlighted)
{
    QPixmap pixmap = sharpPixmap(16, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x4b, 0x33, 0x91);
    painter.setPen(QPen(ink, 1.2));
    painter.setBrush(highlighted ? QColor(0xf0, 0xb4, 0x29) : QColor(0xf4, 0xf1, 0xfa));
    painter.drawEllipse(QRectF(1, 1, 14, 14));
    QFont font(QStringLiteral("serif"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(highlighted ? Qt::white : ink);
    painter.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("i"));
    return pixmap;
}

} // namespace MainPictures
