#pragma once

// The scansion of one line on its own: its words, each word's readings in
// its place (mute e counted, elided or silent at the end), the totals they
// allow, the rhyme of its end and its hiatuses.
#include "verse/VerseTypes.h"

class VerseLexicon;

LineScan ScanLine(const VerseLexicon &lexicon, const QString &text);
