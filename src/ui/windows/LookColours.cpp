#include "ui/windows/LookColours.h"

#include "lexicon/AppGlobals.h"

#include <QApplication>
#include <QWidget>

namespace Look {

bool desktopLook()
{
    return AppGlobals::instance().preferences.desktopLook == 1;
}

Qt::WindowFlags windowFlags(Qt::WindowFlags flags)
{
    if (desktopLook())
        return flags & ~Qt::WindowFlags(Qt::FramelessWindowHint);
    return flags | Qt::FramelessWindowHint;
}

QColor designColour(QPalette::ColorRole role, const QColor &design)
{
    if (!desktopLook())
        return design;
    return QApplication::palette().color(QPalette::Active, role);
}

QString css(QPalette::ColorRole role, const QColor &design)
{
    const QColor colour = designColour(role, design);
    if (colour.alpha() == 255)
        return colour.name();
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

void hideUnderDesktopLook(QWidget *ownChrome)
{
    if (ownChrome && desktopLook())
        ownChrome->hide();
}

} // namespace Look
