#pragma once

// The plain inputs of one search, as the main window's controls give them.
#include <QString>

struct SearchParameters {
    // Text of the input box, already filtered (FilterInputText).
    QString typedText;

    bool richRhymes = true;     // "Rime riche."
    bool approxRhymes = true;   // "Rime pauvre ou suffis."
    bool wordEndings = true;    // "Terminaison du  mot."
    int endingLength = 5;       // 2 to 5 last letters

    // "Toutes" or "1" to "9".
    QString syllableFilter = QStringLiteral("Toutes");
    // "Toutes", "Adjectif", "Nom" or "Verbe"; the category filter is on only
    // when this is not "Toutes", and then categoryCode is what is looked for.
    QString categoryFilter = QStringLiteral("Toutes");
    // "ADJ", "NOM" or "VER"; may keep an old code while categoryFilter is "Toutes".
    QString categoryCode;
    // Taken also while its check box is disabled.
    bool excludeConjugated = false;
    // "Toutes", "Masculine" or "Féminine": the genre of the rhyme kept.
    QString genreFilter = QStringLiteral("Toutes");

    bool showDuplicates = false;
    bool showSecondaryMessages = true;
    bool spellCheckOn = false;
    // Each list in French dictionary order instead of the word list's order
    // (commonest words first).
    bool alphabetical = false;
};

// The category code that goes with a category caption: "Adjectif" gives
// "ADJ", "Nom" "NOM", "Verbe" "VER"; anything else gives "".
QString CategoryCodeFor(const QString &categoryFilter);
