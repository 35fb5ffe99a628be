#pragma once

// Draws a result line ("word, blanks, syllable digit, ten blanks,
// categories") in three columns that fit the list's width: the word on the
// left, shortened in its middle with "…" when it does not fit (its ending,
// where the rhyme is, stays in sight; the tooltip and the details panel show
// it whole), the categories, and the syllable count on the right under its
// heading. The item keeps the line as its text.
#include <QStyledItemDelegate>

class ResultLineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // The width a list's lines are laid out in: the viewport as it is when
    // the vertical scroll bar shows, so that the columns do not move when it
    // comes and goes.
    static int layoutWidth(const QAbstractItemView *view);
};
