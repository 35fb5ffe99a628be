#include "ui/main/ResultColumns.h"

#include <algorithm>

ResultColumns ResultColumns::forWidth(int viewportWidth, const QFontMetrics &metrics)
{
    constexpr int kMargin = 4;
    ResultColumns columns;
    const int threeCategories = metrics.horizontalAdvance(QStringLiteral("NOM;ADJ;VER")) + kMargin;
    columns.syllableWidth = metrics.horizontalAdvance(QStringLiteral("00")) + 2 * kMargin;
    columns.wordLeft = kMargin;
    // Past a word column twice the category one, the room left is shared
    // between the two: a wide list shows longer category lists whole.
    const int shared = viewportWidth - columns.wordLeft - columns.syllableWidth;
    columns.categoryWidth = threeCategories + std::max(0, shared - 3 * threeCategories) / 2;
    columns.wordWidth = std::max(0, viewportWidth - columns.wordLeft - columns.syllableWidth - columns.categoryWidth);
    columns.categoryLeft = columns.wordLeft + columns.wordWidth;
    columns.syllableLeft = columns.categoryLeft + columns.categoryWidth;
    return columns;
}
