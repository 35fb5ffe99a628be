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
} // namespace TestSupport
