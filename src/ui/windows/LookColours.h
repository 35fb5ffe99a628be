#pragma once

// The program's look in one place. By default its windows wear their own
// dress: no system frame, a title strip of their own and the design's
// colours. With the desktop look (preference desktopLook) they take the
// desktop's frames and the application palette, so that a dark desktop
// gives dark windows.
#include <QColor>
#include <QPalette>
#include <QString>

class QWidget;

namespace Look {
// The preference as read at start-up.
bool desktopLook();

// The flags of a top-level window: frameless in the program's own dress,
// as given with the desktop look.
Qt::WindowFlags windowFlags(Qt::WindowFlags flags);

// The design colour, or the palette's colour of that role with the desktop
// look.
QColor designColour(QPalette::ColorRole role, const QColor &design);
// The same, written for a style sheet.
QString css(QPalette::ColorRole role, const QColor &design);

// The program's own title strip and its pictures are hidden with the desktop
// look, whose title bar shows the window's title instead.
void hideUnderDesktopLook(QWidget *ownChrome);
} // namespace Look
