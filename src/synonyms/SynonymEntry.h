#pragma once

// One line of the synonyms or homonyms file: "headword@word1\word2\...".
#include <QString>
#include <QStringView>

namespace SynonymEntry {
// The text before the first "@"; the whole line when it has none.
inline QStringView headwordOf(QStringView line)
{
    const qsizetype at = line.indexOf(QLatin1Char('@'));
    return at < 0 ? line : line.left(at);
}

// The text after the first "@"; empty when the line has none.
inline QStringView wordsOf(QStringView line)
{
    const qsizetype at = line.indexOf(QLatin1Char('@'));
    return at < 0 ? QStringView() : line.mid(at + 1);
}

inline bool hasSeparator(QStringView line) { return line.contains(QLatin1Char('@')); }

inline constexpr QChar WordSeparator = QLatin1Char('\\');
} // namespace SynonymEntry
