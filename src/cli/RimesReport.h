#pragma once

// What rimes prints: the three result lists as the main window shows them,
// the same result as JSON, and the whole word list as tab-separated text.
#include <QByteArray>
#include <QString>

class QIODevice;
class SearchRun;
class WordList;

// Headers, count captions, result lines, then the sound lines of the
// information panel. Only the searches that ran are listed.
QString RimesText(const SearchRun &run);

// One JSON object: the word, its keys, the sounds found and, for each search
// that ran, its count, caption and entries.
QByteArray RimesJson(const SearchRun &run);

// The list heading of each search, as above the window's lists.
QString ResultListTitle(int kind);

// Every line of the word list, deciphered, as UTF-8: headword, exact sound,
// approximate sound, written tail, conjugated, syllables, categories, rhyme
// genre, joined by tabs. Returns false when the device refuses the text.
bool WriteWordListExport(const WordList &words, QIODevice &out);
