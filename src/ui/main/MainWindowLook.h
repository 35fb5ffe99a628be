#pragma once

// The colours the main window's handlers switch: captions black when their
// option is active and grey when not, lists and count lines light grey when
// their search type is on and a darker grey when it is off.
#include <QColor>

class QWidget;

namespace MainWindowLook {
inline const QColor kActiveInk(0, 0, 0);
inline const QColor kInactiveInk(128, 128, 128);
inline const QColor kListOn(240, 240, 240);
inline const QColor kListOff(224, 224, 224);
// The program's violet, for headings and the clicked word.
inline const QColor kCaptionInk(0x3b, 0x2d, 0x6b);
inline const QColor kSoftInk(0x5d, 0x55, 0x77);

void setTextColour(QWidget *widget, const QColor &colour);
// Black when active, grey when not.
void setActiveInk(QWidget *widget, bool active);
QColor textColour(const QWidget *widget);

// The background of a label or a list.
void setBackground(QWidget *widget, const QColor &colour);
QColor backgroundColour(const QWidget *widget);
} // namespace MainWindowLook
