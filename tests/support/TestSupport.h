#pragma once

// Helpers shared by the tests: word lists and data files made on the spot.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace TestSupport {
// One word list line: the headword enciphered with the program's key, then
// the six plain fields.
QByteArray wordListLine(const QString &headword, const QString &exact, const QString &approx,
                        const QString &tail, int conjugated, int syllables, const QString &categories);
// Lines joined by CR LF, each followed by CR LF, then three zero bytes.
QByteArray wordListItem(const QList<QByteArray> &lines);
// A synonyms file with exactly the program's block sizes: entry n of block L
// reads "<l>motN@synonymeN" (headwords of blocks H, Q and U enciphered).
QByteArray synonymFile();
// A homonyms file of the given number of lines "motN@homonymeN".
QByteArray homonymFile(int lines);
// Writes bytes to a file, creating or replacing it.
void writeFile(const QString &path, const QByteArray &bytes);
// A named pipe with no writer at path; false where pipes cannot be made.
bool makeFifo(const QString &path);
} // namespace TestSupport
