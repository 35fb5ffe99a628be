#include "ui/main/ResultLineDelegate.h"

#include "ui/main/ResultColumns.h"
#include "ui/main/WordDetails.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

int ResultLineDelegate::layoutWidth(const QAbstractItemView *view)
{
    const int frame = view->frameWidth();
    const int bar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view->verticalScrollBar());
    return view->width() - 2 * frame - bar;
}

void ResultLineDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString line = item.text;
    item.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const auto details = WordDetails::fromResultLine(line);
    if (!details)
        return;
    const auto *view = qobject_cast<const QAbstractItemView *>(widget);
    const int width = view ? layoutWidth(view) : option.rect.width();
    const ResultColumns columns = ResultColumns::forWidth(width, item.fontMetrics);

    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                               : QPalette::Inactive;
    const QPalette::ColorRole role = (option.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                             : QPalette::Text;
    painter->save();
    painter->setPen(option.palette.color(group, role));
    painter->setFont(item.font);
    const QRect r = option.rect;
    const auto cell = [&](int left, int cellWidth) { return QRect(r.left() + left, r.top(), cellWidth, r.height()); };
    const QFontMetrics &metrics = item.fontMetrics;
    painter->drawText(cell(columns.wordLeft, columns.wordWidth), Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(details->word, Qt::ElideMiddle, columns.wordWidth - 2));
    painter->drawText(cell(columns.syllableLeft, columns.syllableWidth), Qt::AlignHCenter | Qt::AlignVCenter,
                      details->syllables);
    painter->drawText(cell(columns.categoryLeft, columns.categoryWidth), Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(details->category, Qt::ElideRight, columns.categoryWidth));
    painter->restore();
}

bool ResultLineDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                   const QModelIndex &index)
{
    // A word or a category drawn shortened shows whole in a tooltip.
    if (event->type() == QEvent::ToolTip && view) {
        const auto details = WordDetails::fromResultLine(index.data(Qt::DisplayRole).toString());
        if (details) {
            const ResultColumns columns = ResultColumns::forWidth(layoutWidth(view), option.fontMetrics);
            const bool wordCut = option.fontMetrics.horizontalAdvance(details->word) > columns.wordWidth - 2;
            const bool categoryCut = option.fontMetrics.horizontalAdvance(details->category) > columns.categoryWidth;
            if (wordCut || categoryCut) {
                QToolTip::showText(event->globalPos(), details->word + QStringLiteral(" \u2013 ") + details->category,
                                   view);
                return true;
            }
        }
        QToolTip::hideText();
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
