#pragma once

// What the details panel shows for a clicked result line. A result line is
// the word padded with blanks to 23 characters, the syllable digit, ten
// blanks and the category text; the first double blank ends the word.
#include <QString>
#include <optional>

struct WordDetails {
    QString word;
    QString syllables;
    QString letters;
    QString category;

    // Nothing for an empty line. For a word of 24 characters or more, which
    // pushes the columns to the right, the digit and the category are taken
    // where they then stand, not a letter of the word.
    static std::optional<WordDetails> fromResultLine(const QString &line);
};
