#include "ui/main/ResultColumns.h"

#include <algorithm>

ResultColumns ResultColumns::forWidth(int viewportWidth, const QFontMetrics &metrics)
{
    constexpr int kMargin = 4;
    ResultColumns columns;
    columns.categoryWidth = metrics.horizontalAdvance(QStringLiteral("NOM;ADJ;VER")) + kMargin;
    columns.syllableWidth = metrics.horizontalAdvance(QStringLiteral("00")) + 2 * kMargin;
    columns.wordLeft = kMargin;
    columns.wordWidth = std::max(0, viewportWidth - columns.wordLeft - columns.syllableWidth - columns.categoryWidth);
    columns.categoryLeft = columns.wordLeft + columns.wordWidth;
    columns.syllableLeft = columns.categoryLeft + columns.categoryWidth;
    return columns;
}
