#include "ui/windows/TextFit.h"

#include <QFontMetrics>
#include <QLabel>

namespace TextFit {

void shrinkToFit(QLabel *label, int largestPointSize, int smallestPointSize)
{
    QFont font = label->font();
    const int room = label->contentsRect().width() - label->indent() - 2;
    int size = largestPointSize;
    for (; size > smallestPointSize; --size) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= room)
            break;
    }
    font.setPointSize(size);
    if (font != label->font())
        label->setFont(font);
}

} // namespace TextFit
