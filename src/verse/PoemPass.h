#pragma once

// The poem pass over the line scans: stanzas, the metres in use, the reading
// of each ambiguous word that fits them, the rhymes and the warnings.
#include "verse/VerseTypes.h"

struct PoemPassResult {
    QList<PoemLine> lines;
    QList<int> metres;
};

PoemPassResult RunPoemPass(const QList<LineScan> &scans, const VerseOptions &options,
                           const VerseOverrides &overrides);

// The same pass over lines already holding their scans: what an earlier pass
// added is reset, the scans' readings are chosen again.
void RunPoemPassInPlace(QList<PoemLine> &lines, QList<int> &metres, const VerseOptions &options,
                        const VerseOverrides &overrides);

// The key two lines must share to rhyme, from a scan's sound and genre.
QString RhymeKeyOf(const LineScan &scan);
