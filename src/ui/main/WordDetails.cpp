#include "ui/main/WordDetails.h"

std::optional<WordDetails> WordDetails::fromResultLine(const QString &line)
{
    if (line.isEmpty())
        return std::nullopt;
    WordDetails details;
    // p: 1-based position of the first double blank.
    const qsizetype found = line.indexOf(QStringLiteral("  "));
    if (found < 0) {
        // Not a result line: show it as the word, nothing else.
        details.word = line.trimmed();
        details.letters = QString::number(details.word.size());
        return details;
    }
    const qsizetype p = found + 1;
    // A short word is followed by its padding, so the syllable digit stands in
    // column 24; from 22 characters on, the digit is just before the double blank.
    const qsizetype wordLength = p < 25 ? p - 1 : p - 2;
    const qsizetype digitColumn = p < 25 ? 24 : p - 1;
    const qsizetype categoryColumn = digitColumn + 11;
    details.word = line.left(wordLength).trimmed();
    details.syllables = line.mid(digitColumn - 1, 1).remove(QLatin1Char(' '));
    details.letters = QString::number(details.word.size());
    details.category = line.mid(categoryColumn - 1).trimmed();
    return details;
}
