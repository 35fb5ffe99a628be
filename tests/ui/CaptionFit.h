#pragma once

// Measures the captions of a window against their controls: a text that
// does not fit is cut at the control's edge for the user.
#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// The text a label shows fits inside it.
inline bool fits(const QLabel *label)
{
    if (label->text().isEmpty() || !label->isVisibleTo(label->window()))
        return true;
    const QRect room = label->contentsRect();
    const QRect needed = label->fontMetrics().boundingRect(room, int(label->alignment()) | Qt::TextShowMnemonic
                                                                     | (label->wordWrap() ? Qt::TextWordWrap : 0),
                                                           label->text());
    return needed.width() <= room.width() + 1 && needed.height() <= room.height() + 1;
}

// Whether the user can see the widget: shown, and inside the window (the
// window's helpers are parked outside it).
inline bool inSight(const QWidget *widget, const QWidget *window)
{
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return widget->isVisibleTo(window) && window->rect().intersects(area);
}

// Every caption of a window fits its control: labels, check boxes, buttons.
inline QStringList clippedTexts(const QWidget *window)
{
    QStringList clipped;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (inSight(label, window) && label->pixmap().isNull() && !fits(label))
            clipped.append(QStringLiteral("%1 (%2 < %3)").arg(label->text()).arg(label->contentsRect().width())
                               .arg(label->fontMetrics().horizontalAdvance(label->text())));
    }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!inSight(button, window) || button->text().isEmpty())
            continue;
        if (button->width() < button->sizeHint().width() - 2 || button->height() < button->sizeHint().height() - 4)
            clipped.append(QStringLiteral("%1 (%2x%3 < %4x%5)").arg(button->text()).arg(button->width())
                               .arg(button->height()).arg(button->sizeHint().width()).arg(button->sizeHint().height()));
    }
    return clipped;
}
