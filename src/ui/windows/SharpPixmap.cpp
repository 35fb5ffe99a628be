#include "ui/windows/SharpPixmap.h"

#include <QGuiApplication>

QPixmap sharpPixmap(QSize logicalSize)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(logicalSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}
