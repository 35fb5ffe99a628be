#pragma once

// The three columns of a result list (word, category, syllable count), in
// pixels from the left of the list's viewport. The list draws its lines in
// them and the "Syllabes" heading stands over the last one, so that both
// follow the list's width and nothing needs scrolling sideways. The count
// comes last so that its heading, wider than a digit, leaves the room on
// the left to the caption that counts the rhymes.
#include <QFontMetrics>

struct ResultColumns {
    int wordLeft = 0;
    int wordWidth = 0;
    int syllableLeft = 0;
    int syllableWidth = 0;
    int categoryLeft = 0;
    int categoryWidth = 0;

    // For a viewport of this width and the list's font. The category column
    // is sized for three categories ("NOM;ADJ;VER") and grows with a wide
    // list, by half of what is left once the word column is twice as wide;
    // the word column takes the rest.
    static ResultColumns forWidth(int viewportWidth, const QFontMetrics &metrics);
};
