#pragma once

// The homonyms page: the headwords of the homonyms list, last line first,
// and the homonyms of a clicked headword with their number.
#include "synonyms/HomonymList.h"

#include <QString>
#include <QStringList>

struct HomonymResult {
    QString text; // one homonym a line, lines joined by CR LF
    int count = 1;

    // "1 homonyme." or "3 homonymes.".
    QString countSentence() const;
};

namespace HomonymPage {
// The headwords in reverse file order. Lines without "@" (a list that could
// not be read) are left out rather than shown as blank items.
QStringList fillHomonymHeadwords(const HomonymList &list);
// The homonyms of the clicked item, compared lower-cased with the stored
// headwords. Every matching line is replaced in turn, so the last one wins,
// while the count goes on from one line to the next: it starts at 1 and
// adds each separator replaced.
HomonymResult showHomonyms(const HomonymList &list, const QString &clickedItem);
} // namespace HomonymPage
