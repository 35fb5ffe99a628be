#pragma once

// Pieces shared by the secondary windows: their title band, the white band
// with the program's icon, the "Plus d'info" icon, the missing-field marker,
// and the off-screen focus holder "Foc".
#include "ui/windows/WindowChrome.h"

#include <QColor>
#include <QLabel>
#include <QPixmap>

class QPushButton;

namespace WindowParts {
// Names a secondary window and gives it what all of them share: its
// stylesheet background, and no say in ending the program (only the main
// window ends it).
void setUpSecondaryWindow(QWidget *window, const QString &objectName, const QString &title);

// The light blue of the secondary windows' title bands.
inline const QColor TitleBlue {135, 185, 244};

// A band across the top that moves the window when dragged; its label is
// returned (it moves the window too).
QLabel *addTitleBand(QWidget *window, const QString &title, int height);
// A white band with the program's icon, at the given place.
QLabel *addIconBand(QWidget *window, const QRect &geometry);

QPixmap programIcon(int size);
QPixmap helpIcon();
QPixmap missingMarker();

// The window's default button, parked outside the visible area: Enter (or
// Space while it has the focus) clicks it.
QPushButton *addFocusHolder(QWidget *window);

// Centred horizontally, a third of the free height from the top.
void placeUpperCentre(QWidget *window);
} // namespace WindowParts

// A "Plus d'info" icon of a secondary window: a small picture that reports
// clicks, with no highlighted look.
class InfoIcon : public HoverPicture {
    Q_OBJECT
public:
    explicit InfoIcon(QWidget *parent);
};
