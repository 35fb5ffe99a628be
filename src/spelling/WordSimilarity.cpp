#include "spelling/WordSimilarity.h"

#include <algorithm>

int CommonCharCount(QStringView A, int s1, int e1, QStringView B, int s2, int e2)
{
    if (s1 < 1 || s2 < 1 || s1 > e1 || s2 > e2)
        return 0;
    // Ranges beyond the texts are cut to them: the count is about characters.
    e1 = std::min<int>(e1, int(A.size()));
    e2 = std::min<int>(e2, int(B.size()));
    if (s1 > e1 || s2 > e2)
        return 0;

    int best = 0, p = 0, q = 0;
    for (int i = s1; i <= e1; ++i) {
        for (int j = s2; j <= e2; ++j) {
            int k = 0;
            while (i + k <= e1 && j + k <= e2 && A[i + k - 1] == B[j + k - 1]) {
                ++k;
                if (k > best) {
                    best = k;
                    p = i;
                    q = j;
                }
            }
        }
    }
    if (best == 0)
        return 0;
    return best + CommonCharCount(A, p + best, e1, B, q + best, e2)
        + CommonCharCount(A, s1, p - 1, B, s2, q - 1);
}

QString UpperCaseLetters(QStringView text)
{
    QString upper(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        upper[i] = text[i].toUpper();
    return upper;
}

namespace {
// Matching characters and total length of the two words in upper case.
struct Measure {
    int matches;
    int totalLength;
};

Measure measure(QStringView candidate, QStringView word)
{
    const QString a = UpperCaseLetters(candidate);
    const QString b = UpperCaseLetters(word);
    const int total = int(a.size() + b.size());
    if (a == b)
        return {total / 2, total};
    return {CommonCharCount(a, 1, int(a.size()), b, 1, int(b.size())), total};
}
} // namespace

double WordSimilarity(QStringView candidate, QStringView word)
{
    const Measure m = measure(candidate, word);
    if (m.matches * 2 == m.totalLength)
        return 1.0;
    return (double(m.matches) / double(m.totalLength)) * 2.0;
}

int SimilarityRateHundredths(QStringView candidate, QStringView word)
{
    const Measure m = measure(candidate, word);
    return RateHundredths(m.matches, m.totalLength);
}

int RateHundredths(int matches, int totalLength)
{
    if (totalLength <= 0)
        return 10000;
    // rate × 100 = 2 × M × 10000 / total, rounded half to even.
    const long long numerator = 20000LL * matches;
    const long long quotient = numerator / totalLength;
    const long long twiceRemainder = 2 * (numerator % totalLength);
    if (twiceRemainder > totalLength || (twiceRemainder == totalLength && quotient % 2 == 1))
        return int(quotient + 1);
    return int(quotient);
}
