#include "ui/main/MainWindowLook.h"
#include "ui/windows/LookColours.h"

#include <QAbstractItemView>
#include <QWidget>

namespace MainWindowLook {

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::Text, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(palette);
}

void setActiveInk(QWidget *widget, bool active)
{
    setTextColour(widget, active ? Look::designColour(QPalette::WindowText, kActiveInk)
                                 : Look::designColour(QPalette::PlaceholderText, kInactiveInk));
}

QColor textColour(const QWidget *widget)
{
    const QPalette::ColorRole role =
        qobject_cast<const QAbstractItemView *>(widget) ? QPalette::Text : QPalette::WindowText;
    return widget->palette().color(QPalette::Active, role);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    const bool list = qobject_cast<QAbstractItemView *>(widget) != nullptr;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, list ? QPalette::Base : QPalette::Window, colour);
    widget->setPalette(palette);
    if (!list)
        widget->setAutoFillBackground(true);
}

QColor backgroundColour(const QWidget *widget)
{
    const bool list = qobject_cast<const QAbstractItemView *>(widget) != nullptr;
    return widget->palette().color(QPalette::Active, list ? QPalette::Base : QPalette::Window);
}

} // namespace MainWindowLook
