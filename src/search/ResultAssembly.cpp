#include "search/ResultAssembly.h"

#include "lexicon/WordList.h"
#include "search/RhymeGenre.h"
#include "search/SoundLookup.h"

#include <algorithm>
#include <charconv>

bool PassesFilters(const WordList &words, int index, const SearchParameters &parameters)
{
    if (parameters.syllableFilter != QLatin1String("Toutes")
        && parameters.syllableFilter.toInt() != words.syllableCount(index))
        return false;
    if (parameters.categoryFilter != QLatin1String("Toutes")) {
        // An empty code would be found in every line: take the caption's own.
        const QString code = parameters.categoryCode.isEmpty()
            ? CategoryCodeFor(parameters.categoryFilter) : parameters.categoryCode;
        if (code.isEmpty() || !StoredTextContains(words.categoriesBytes(index), code))
            return false;
    }
    if (parameters.excludeConjugated && words.isConjugated(index) == 1)
        return false;
    // Last: the genre needs the deciphered headword.
    if (const auto genre = GenreForCaption(parameters.genreFilter); genre && RhymeGenreOf(words, index) != *genre)
        return false;
    return true;
}

QString PaddedHeadword(const QString &headword)
{
    if (headword.size() >= PaddedHeadwordWidth)
        return headword;
    QString padded(PaddedHeadwordWidth, Qt::Uninitialized);
    QChar *out = std::copy(headword.cbegin(), headword.cend(), padded.data());
    std::fill(out, padded.data() + PaddedHeadwordWidth, QLatin1Char(' '));
    return padded;
}

QStringView PaddingKey(QStringView headword)
{
    if (headword.size() > PaddedHeadwordWidth)
        return headword;
    while (!headword.isEmpty() && headword.back() == QLatin1Char(' '))
        headword.chop(1);
    return headword;
}

QString PaddedHeadword(const WordList &words, int index)
{
    return PaddedHeadword(words.headword(index));
}

QString FormatResultLine(const WordList &words, int index, const QString &paddedHeadword)
{
    // Written in place into one string: a search lists thousands of lines.
    const QByteArrayView categories = words.categoriesBytes(index);
    char syllables[12];
    const auto digits = std::to_chars(syllables, syllables + sizeof syllables, words.syllableCount(index));
    const qsizetype digitCount = digits.ptr - syllables;
    constexpr qsizetype Gap = 10;
    QString line(paddedHeadword.size() + digitCount + Gap + categories.size(), Qt::Uninitialized);
    QChar *out = std::copy(paddedHeadword.cbegin(), paddedHeadword.cend(), line.data());
    out = std::transform(syllables, digits.ptr, out, [](char digit) { return QLatin1Char(digit); });
    out = std::fill_n(out, Gap, QLatin1Char(' '));
    for (const char byte : categories)
        *out++ = QChar(WordList::StoredChar(static_cast<unsigned char>(byte)));
    return line;
}

QString CountCaption(int count)
{
    if (count <= 0)
        return QStringLiteral("Aucune rime trouv\u00E9e.");
    if (count == 1)
        return QStringLiteral("Une rime trouv\u00E9e.");
    return QString::number(count) + QStringLiteral(" rimes trouv\u00E9es.");
}

QString SoundCaption(const QString &sound)
{
    if (sound.isEmpty())
        return QStringLiteral(" Pas de rime. ");
    return QLatin1Char(' ') + sound + QLatin1Char(' ');
}

SearchSummary Summary(const SearchParameters &parameters, const QString &queryExactSound,
                      const QString &queryApproxSound, const QString &endingKey,
                      int exactCount, int approxCount, int endingCount)
{
    SearchSummary summary;
    const bool searched[ResultKindCount] = {parameters.richRhymes, parameters.approxRhymes,
                                            parameters.wordEndings};
    const int counts[ResultKindCount] = {exactCount, approxCount, endingCount};
    for (int kind = 0; kind < ResultKindCount; ++kind) {
        if (!searched[kind])
            continue;
        summary.countLabel[kind] = CountCaption(counts[kind]);
        if (counts[kind] > 0)
            summary.syllableLabel[kind] = QStringLiteral("Syllabes");
    }
    summary.soundLabel[0] = SoundCaption(queryExactSound);
    summary.soundLabel[1] = SoundCaption(queryApproxSound);
    // The ending shows only when it listed something.
    summary.soundLabel[2] = SoundCaption(endingCount != 0 ? endingKey : QString());
    return summary;
}
