#pragma once

// Rhyme sounds in the program's plain-letter notation, read back as phonemes
// so that two line ends can be compared from the end: the last vowel and what
// follows it must agree for a rhyme; each further shared phoneme makes it
// richer.
#include <QString>
#include <QStringList>

// The phonemes of a key ("ïér" -> ï, é, r; "kann" -> k, a, n).
QStringList SoundPhonemes(const QString &key);
bool IsVowelPhoneme(const QString &phoneme);
// A key of phonemes: the last n, or from the last vowel on when that is longer.
QString RhymeKey(const QStringList &phonemes, int n);
// The last vowel and everything after it.
QStringList RhymePart(const QStringList &phonemes);
// Phonemes two keys share from the end.
int SharedFromEnd(const QStringList &a, const QStringList &b);
