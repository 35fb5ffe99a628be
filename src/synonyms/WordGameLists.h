#pragma once

// The two fixed lists of the word-games page, shipped inside the program:
// anacyclics ("AB et BA") and palindromes ("ABA"), one item a line.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace WordGameLists {
QStringList anacyclics();
QStringList palindromes();
// The items of a list's bytes: lines split at CR LF or LF, empty lines left out.
QStringList itemsOf(const std::optional<QByteArray> &bytes);

// "1548 anacycliques.", "173 Palindromes.", true to the shipped lists.
QString anacyclicCaption();
QString palindromeCaption();
} // namespace WordGameLists
