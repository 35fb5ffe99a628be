#pragma once

// The three columns of a result list (word, syllable count, category), in
// pixels from the left of the list's viewport. The list draws its lines in
// them and the "Syllabes" heading stands over the middle one, so that both
// follow the list's width and nothing needs scrolling sideways.
#include <QFontMetrics>

struct ResultColumns {
    int wordLeft = 0;
    int wordWidth = 0;
    int syllableLeft = 0;
    int syllableWidth = 0;
    int categoryLeft = 0;
    int categoryWidth = 0;

    // For a viewport of this width and the list's font. The category column
    // is sized for two categories ("NOM;ADJ"); the word column takes the rest.
    static ResultColumns forWidth(int viewportWidth, const QFontMetrics &metrics);
};
