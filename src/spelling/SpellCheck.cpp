#include "spelling/SpellCheck.h"

#include "spelling/WordSimilarity.h"

SpellCheckResult SpellCheck(const QString &word, const QStringList &list, bool oneLetterOff, double minRate)
{
    SpellCheckResult result;
    const qsizetype length = word.size();
    const double minHundredths = minRate * 100.0;
    for (const QString &element : list) {
        if (element == word)
            return {SpellVerdict::WordValid, {}};
        const qsizetype elementLength = element.size();
        const bool measured = elementLength == length
            || (oneLetterOff && (elementLength == length - 1 || elementLength == length + 1));
        if (!measured || result.suggestions.size() >= MaxSuggestions)
            continue;
        if (SimilarityRateHundredths(element, word) >= minHundredths)
            result.suggestions.append(element);
    }
    result.verdict = result.suggestions.isEmpty() ? SpellVerdict::NoSuggestion : SpellVerdict::WordIncorrect;
    return result;
}

double LeadingNumber(QStringView text)
{
    text = text.trimmed();
    qsizetype end = 0;
    bool point = false;
    while (end < text.size()) {
        const QChar c = text[end];
        if (c.isDigit() && c.unicode() < 128) {
            ++end;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
            ++end;
        } else {
            break;
        }
    }
    bool ok = false;
    const double value = text.left(end).toDouble(&ok);
    return ok ? value : 0.0;
}
