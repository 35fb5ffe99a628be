#include "spelling/SpellCheck.h"

#include "spelling/WordSimilarity.h"

#include <QVarLengthArray>
#include <array>

namespace {
// The word being checked, upper-cased once, with the count of each of its
// characters (characters sharing their low byte share a count, which can
// only raise the counts of matches below).
class PreparedWord {
public:
    explicit PreparedWord(const QString &word) : m_upper(UpperCaseLetters(word))
    {
        for (const QChar c : std::as_const(m_upper))
            ++m_counts[c.unicode() & 0xFF];
    }

    // The rate of a candidate in hundredths, or -1 when it cannot reach
    // minHundredths: no more characters can match than the two words have
    // in common, and the full measure is only taken when that count would
    // be enough.
    int rateAtLeast(const QString &candidate, double minHundredths) const
    {
        QVarLengthArray<QChar, 64> upper(candidate.size());
        std::array<int, 256> left = m_counts;
        int common = 0;
        for (qsizetype i = 0; i < candidate.size(); ++i) {
            upper[i] = candidate[i].toUpper();
            if (left[upper[i].unicode() & 0xFF]-- > 0)
                ++common;
        }
        const int total = int(candidate.size() + m_upper.size());
        if (RateHundredths(common, total) < minHundredths)
            return -1;
        const QStringView a(upper.data(), upper.size());
        if (a == QStringView(m_upper))
            return 10000;
        return RateHundredths(CommonCharCount(a, 1, int(a.size()), m_upper, 1, int(m_upper.size())), total);
    }

private:
    QString m_upper;
    std::array<int, 256> m_counts {};
};
} // namespace

SpellCheckResult SpellCheck(const QString &word, const QStringList &list, bool oneLetterOff, double minRate)
{
    SpellCheckResult result;
    const PreparedWord prepared(word);
    const qsizetype length = word.size();
    const double minHundredths = minRate * 100.0;
    for (const QString &element : list) {
        const qsizetype elementLength = element.size();
        // Capitals do not count: 'Cheval' at the start of a line is 'cheval'.
        if (elementLength == length && element.compare(word, Qt::CaseInsensitive) == 0)
            return {SpellVerdict::WordValid, {}};
        const bool measured = elementLength == length
            || (oneLetterOff && (elementLength == length - 1 || elementLength == length + 1));
        if (!measured || result.suggestions.size() >= MaxSuggestions)
            continue;
        if (prepared.rateAtLeast(element, minHundredths) >= minHundredths)
            result.suggestions.append(element);
    }
    result.verdict = result.suggestions.isEmpty() ? SpellVerdict::NoSuggestion : SpellVerdict::WordIncorrect;
    return result;
}

namespace {
// The digits (and at most one point) at the start of a trimmed text.
QStringView leadingNumberText(QStringView text)
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
    return text.left(end);
}
} // namespace

double LeadingNumber(QStringView text)
{
    bool ok = false;
    const double value = leadingNumberText(text).toDouble(&ok);
    return ok ? value : 0.0;
}

std::optional<double> MinRateFromText(QStringView text)
{
    const QStringView number = leadingNumberText(text);
    bool ok = false;
    const double rate = number.toDouble(&ok);
    // A text that is no number ("abc", "-3": a rate below 0 would let every
    // word of the length through) is refused like a rate above 100, and so is
    // a number too long to hold.
    if (!ok)
        return std::nullopt;
    if (rate > 100.0)
        return std::nullopt;
    return rate;
}
