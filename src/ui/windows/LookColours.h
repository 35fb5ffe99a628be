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

// In the program's own dress the application takes its style's standard
// (light) palette: the design's light panels keep light boxes and lists on a
// dark desktop. The desktop look keeps the desktop's palette.
void applyApplicationPalette();

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

// A style sheet without the colours, backgrounds and borders it sets: what
// is left (fonts, sizes, spacing) keeps the design's proportions while the
// palette paints.
QString withoutColours(const QString &sheet);

// With the desktop look, a window made in the program's own dress (a title
// strip of titleHeight pixels across its top, its own colours) gives up the
// strip, whose place its content takes, and lets the palette paint it.
// Nothing changes in the program's own dress. Call it once the window's
// controls are placed.
void fitToDesktop(QWidget *window, int titleHeight);
} // namespace Look
