#include "spelling/NearSpellings.h"

#include <QSet>

#include <utility>

QString SpellingSkeleton(QStringView word)
{
    QString skeleton;
    skeleton.reserve(word.size());
    for (const QChar c : word) {
        const QChar upper = c.toUpper();
        if (upper == QChar(0x0152)) {
            skeleton += QStringLiteral("OE");
            continue;
        }
        if (upper == QChar(0x00C6)) {
            skeleton += QStringLiteral("AE");
            continue;
        }
        // The first piece of a letter's decomposition is the letter without its accent.
        const QString decomposed = QString(upper).normalized(QString::NormalizationForm_D);
        const QChar base = decomposed.isEmpty() ? upper : decomposed.front();
        skeleton += base == QLatin1Char('Y') ? QLatin1Char('I') : base;
    }
    return skeleton;
}

bool OneSlipApart(QStringView a, QStringView b)
{
    if (a.size() < b.size())
        std::swap(a, b);
    const qsizetype la = a.size(), lb = b.size();
    if (la - lb > 1)
        return false;
    qsizetype i = 0;
    while (i < lb && a[i] == b[i])
        ++i;
    if (i == lb)
        return true; // equal, or one letter added at the end
    if (la > lb)
        return a.mid(i + 1) == b.mid(i); // one letter added inside
    if (a.mid(i + 1) == b.mid(i + 1))
        return true; // one letter changed
    return i + 1 < la && a[i] == b[i + 1] && a[i + 1] == b[i] && a.mid(i + 2) == b.mid(i + 2);
}

QStringList NearSpellings(const QString &word, const QStringList &list)
{
    const QString skeleton = SpellingSkeleton(word);
    QStringList accentsOnly, oneSlip;
    for (const QString &element : list) {
        if (qAbs(element.size() - word.size()) > 2 || element.compare(word, Qt::CaseInsensitive) == 0)
            continue;
        const QString other = SpellingSkeleton(element);
        if (other == skeleton)
            accentsOnly.append(element);
        else if (OneSlipApart(other, skeleton))
            oneSlip.append(element);
    }
    return accentsOnly + oneSlip;
}

SpellCheckResult SpellCheckWithNearSpellings(const QString &word, const QStringList &list, bool oneLetterOff,
                                             double minRate)
{
    SpellCheckResult rated = SpellCheck(word, list, oneLetterOff, minRate);
    if (rated.verdict == SpellVerdict::WordValid)
        return rated;
    SpellCheckResult result;
    QSet<QString> seen;
    const auto add = [&result, &seen](const QStringList &suggestions) {
        for (const QString &suggestion : suggestions) {
            if (result.suggestions.size() >= MaxSuggestions)
                return;
            if (!seen.contains(suggestion)) {
                seen.insert(suggestion);
                result.suggestions.append(suggestion);
            }
        }
    };
    add(NearSpellings(word, list));
    add(rated.suggestions);
    result.verdict = result.suggestions.isEmpty() ? SpellVerdict::NoSuggestion : SpellVerdict::WordIncorrect;
    return result;
}
