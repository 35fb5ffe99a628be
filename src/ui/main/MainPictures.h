#pragma once

// The main window's own pictures, drawn rather than loaded so that they stay
// sharp and share the program's violet palette: the title strip, the options
// panel background and the "Plus d'info" icon in its two looks.
#include <QPixmap>
#include <QSize>

namespace MainPictures {
QPixmap titleStrip(QSize size);
QPixmap panelBackground(QSize size);
QPixmap helpIcon(bool highlighted);
} // namespace MainPictures
