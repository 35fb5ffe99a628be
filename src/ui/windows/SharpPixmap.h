#pragma once

// Pictures painted by the program are drawn at the screen's pixel density,
// so that they stay sharp on a high-density screen (or at 200 %).
#include <QPixmap>
#include <QSize>

// A transparent pixmap of the given size in window units, holding as many
// device pixels as the densest screen has; QPainter draws on it in window units.
QPixmap sharpPixmap(QSize logicalSize);
inline QPixmap sharpPixmap(int width, int height) { return sharpPixmap(QSize(width, height)); }
