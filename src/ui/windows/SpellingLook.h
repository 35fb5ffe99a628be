#pragma once

// What the two spelling windows share in their dress: the title strip and
// side panel colours, the icon of the side panel, and the fixed-pitch font
// of their result lists (the header lines are drawn with hyphens).
#include <QFont>
#include <QPixmap>
#include <QString>

namespace SpellingLook {
QPixmap icon();
QFont listFont();
QString windowStyle(const QString &className);
inline const QString TitleStripStyle =
    QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #3b2d6b, stop:1 #7b5fc7);");
inline const QString TitleTextStyle =
    QStringLiteral("color: white; font-weight: bold; background: transparent;");
inline const QString SidePanelStyle =
    QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e7e2f3, stop:1 #cfc6e6);");
} // namespace SpellingLook
