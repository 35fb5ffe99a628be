#pragma once

// The exact synonym search: finds the typed word among the candidates left
// by the candidate searches and lists its synonyms, with the sentences the
// synonyms page and the one-shot lookup show.
#include <QString>
#include <QStringList>

struct ExactSearchResult {
    bool found = false;
    QString headword;     // the matched headword, lower-cased
    QStringList synonyms; // all of them, in stored order
    QString sentence;     // "Un synonyme trouvé pour ''x''." and the like

    // Lbl4's text: the sentence's first SentenceWidth characters.
    QString summary() const;
    // The one-shot message: the sentence without its final ".", cut, then
    // one synonym a line; a long list goes several to a line, separated by
    // commas, so that the message stays within the screen.
    QString oneShotMessage() const;
};

namespace ExactSearch {
// Up to this many synonyms the one-shot message gives each its own line.
inline constexpr int OneALineMax = 25;
// The width of a line of the one-shot message when they share lines.
inline constexpr int SharedLineWidth = 72;
inline constexpr int SentenceWidth = 47;
// Only the first slots of the candidates are looked at.
inline constexpr int Reach = 1000;
inline const QString NoSynonymMessage = QStringLiteral("Pas de synonyme pour ce mot.      ");

// Looks at the candidate slots from the first, stopping at the first slot
// without "@" (never filled) or after Reach slots; a slot matches when its
// headword, lower-cased, equals the key exactly (accents count).
ExactSearchResult search(const QString &key, const QStringList &candidateSlots);
// The result for one matched line.
ExactSearchResult resultForLine(const QString &line);
} // namespace ExactSearch
