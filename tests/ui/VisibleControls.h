#pragma once

// The controls inside a window's own area that a user can click or reach
// with the keyboard; the helpers parked out of sight are left out.
#include "ui/windows/WindowChrome.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QList>
#include <QWidget>

inline QList<QWidget *> visibleControls(QWidget &window)
{
    QList<QWidget *> controls;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        const bool control = w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton *>(w)
            || qobject_cast<HoverPicture *>(w);
        const QRect area(w->mapTo(&window, QPoint(0, 0)), w->size());
        if (control && w->isVisible() && window.rect().intersects(area) && !w->inherits("QScrollBar")
            && w->parentWidget() && !w->parentWidget()->inherits("QAbstractScrollArea"))
            controls.append(w);
    }
    return controls;
}
