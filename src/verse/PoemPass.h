#pragma once

// The poem pass over the line scans: stanzas, the metres in use, the reading
// of each ambiguous word that fits them, the rhymes and the warnings.
#include "verse/VerseTypes.h"

#include <QHash>
#include <QString>

#include <optional>
#include <utility>

struct PoemPassResult {
    QList<PoemLine> lines;
    QList<int> metres;
};

PoemPassResult RunPoemPass(const QList<LineScan> &scans, const VerseOptions &options,
                           const VerseOverrides &overrides);

// What the metre choice needs of a line: the word readings (overrides
// applied) only when a word has more than one or the poet chose one, the
// preferred total, every reachable total, and the choices found so far.
struct LineReadings {
    QList<QList<int>> readings;
    int preferred = 0;
    QList<int> possible;
    mutable QList<std::pair<int, std::optional<QList<int>>>> choices;
    int rhymeId = -1; // the line's rhyme key as a number, from PoemPassCache::rhymeIds
};

// The readings of each line, kept between passes; a line marked stale (its
// scan or its overrides changed) has them computed again.
struct PoemPassCache {
    QList<LineReadings> readings;
    QList<bool> stale;
    QHash<QString, int> rhymeIds; // each rhyme key met so far, numbered
};

// The same pass over lines already holding their scans: what an earlier pass
// added is reset, the scans' readings are chosen again.
void RunPoemPassInPlace(QList<PoemLine> &lines, QList<int> &metres, const VerseOptions &options,
                        const VerseOverrides &overrides, PoemPassCache &cache);

// The key two lines must share to rhyme, from a scan's sound and genre.
QString RhymeKeyOf(const LineScan &scan);
