#include "ui/windows/SpellingLook.h"
#include "ui/windows/SharpPixmap.h"

#include <QFontDatabase>
#include <QPainter>

namespace SpellingLook {

QPixmap icon()
{
    // An open book with a tick: the spelling lists, checked.
    QPixmap pixmap = sharpPixmap(48, 48);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor("#3b2d6b"), 1.5));
    painter.setBrush(QColor("#ffffff"));
    painter.drawRect(QRectF(4, 10, 19, 28));
    painter.drawRect(QRectF(23, 10, 19, 28));
    painter.setPen(QPen(QColor("#9d86e0"), 1));
    for (int y = 16; y <= 32; y += 4) {
        painter.drawLine(QPointF(7, y), QPointF(20, y));
        painter.drawLine(QPointF(26, y), QPointF(39, y));
    }
    painter.setPen(QPen(QColor("#2e8b57"), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(26, 34), QPointF(32, 41), QPointF(45, 24)}));
    return pixmap;
}

QFont listFont()
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(9);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

QString windowStyle(const QString &className)
{
    return className + QStringLiteral(" { background: #f7f5fb; border: 1px solid #5b3fa8; }");
}

} // namespace SpellingLook
