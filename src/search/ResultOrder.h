#pragma once

// The order of a result list. The word list comes commonest word first, and
// so do the lists by default; a poet may ask for dictionary order instead.
#include <QList>
#include <QString>

struct ResultEntry;

// Sorts the entries by headword in French dictionary order (accents and case
// count only to separate words otherwise equal); words that compare equal
// keep their word-list order.
void SortAlphabetically(QList<ResultEntry> &entries);

// True when a comes before b in French dictionary order.
bool FrenchLess(const QString &a, const QString &b);
