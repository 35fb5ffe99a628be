#include "support/PreviousSearch.h"

#include "lexicon/WordList.h"
#include "search/QueryPreparation.h"
#include "search/ResultOrder.h"
#include "search/RhymeGenre.h"
#include "search/SearchRun.h"

#include <QSet>
#include <algorithm>

namespace {

bool sameText(QStringView a, QStringView b)
{
    return a.size() == b.size() && a == b;
}

bool endsWith(QStringView tail, QStringView key)
{
    return tail.size() >= key.size() && sameText(tail.right(key.size()), key);
}

int firstTail(const WordList &words, QStringView key, bool whole)
{
    for (int i = 0; i < words.wordCount(); ++i) {
        if (whole ? sameText(words.writtenTail(i), key) : endsWith(words.writtenTail(i), key))
            return i;
    }
    return -1;
}

QString exactSoundOf(const WordList &words, QString &key)
{
    const qsizetype blank = key.indexOf(QLatin1Char(' '));
    if (blank >= 0)
        key = key.mid(blank + 1);
    for (int shortenings = 0; !key.isEmpty(); ++shortenings) {
        int found = firstTail(words, key, true);
        if (found < 0)
            found = firstTail(words, key, false);
        if (found >= 0)
            return words.exactSound(found).toString();
        if (shortenings >= 2 || key.size() < 4)
            break;
        key.remove(0, 1);
    }
    return {};
}

bool passes(const WordList &words, int i, const SearchParameters &parameters)
{
    if (parameters.syllableFilter != QLatin1String("Toutes") && parameters.syllableFilter.toInt() != words.syllableCount(i))
        return false;
    if (parameters.categoryFilter != QLatin1String("Toutes")) {
        const QString code = parameters.categoryCode.isEmpty() ? CategoryCodeFor(parameters.categoryFilter)
                                                               : parameters.categoryCode;
        if (code.isEmpty() || !words.categories(i).contains(code))
            return false;
    }
    if (parameters.excludeConjugated && words.isConjugated(i) == 1)
        return false;
    const auto genre = GenreForCaption(parameters.genreFilter);
    return !genre || RhymeGenreOf(words.headword(i), words.exactSound(i), words.categories(i)) == *genre;
}

ResultEntry entryOf(const WordList &words, int i, const QString &headword)
{
    ResultEntry entry;
    entry.index = i;
    entry.headword = headword;
    entry.paddedHeadword = PaddedHeadword(headword);
    entry.line = entry.paddedHeadword + QString::number(words.syllableCount(i)) + QString(10, QLatin1Char(' '))
        + words.categories(i).toString();
    return entry;
}

QStringList linesOf(QList<ResultEntry> entries, bool alphabetical)
{
    if (alphabetical)
        SortAlphabetically(entries);
    QStringList lines;
    for (const ResultEntry &entry : entries)
        lines.append(entry.line);
    return lines;
}

} // namespace

PreviousSearchResult RunPreviousSearch(const WordList &words, const SearchParameters &parameters)
{
    PreviousSearchResult result;
    QString key = PrepareSearchKey(parameters.typedText);
    QSet<QString> rich;
    QSet<QString> listed[ResultKindCount];
    QList<ResultEntry> entries[ResultKindCount];
    auto take = [&](ResultKind kind, int i) {
        const QString headword = words.headword(i);
        if (kind == ResultKind::Approx && !parameters.showDuplicates && rich.contains(PaddedHeadword(headword)))
            return;
        if (kind == ResultKind::Ending && headword.compare(parameters.typedText, Qt::CaseInsensitive) == 0)
            return;
        if (listed[int(kind)].contains(headword))
            return;
        listed[int(kind)].insert(headword);
        entries[int(kind)].append(entryOf(words, i, headword));
        if (kind == ResultKind::Rich)
            rich.insert(PaddedHeadword(headword));
    };
    if (parameters.richRhymes) {
        result.exactSound = exactSoundOf(words, key);
        for (int i = 0; !result.exactSound.isEmpty() && i < words.wordCount(); ++i) {
            if (sameText(words.exactSound(i), result.exactSound) && passes(words, i, parameters))
                take(ResultKind::Rich, i);
        }
    }
    if (parameters.approxRhymes && !key.isEmpty()) {
        const int found = firstTail(words, key, false);
        result.approxSound = found >= 0 ? words.approxSound(found).toString() : QString();
        for (int i = 0; !result.approxSound.isEmpty() && i < words.wordCount(); ++i) {
            if (sameText(words.approxSound(i), result.approxSound) && passes(words, i, parameters))
                take(ResultKind::Approx, i);
        }
    }
    if (parameters.wordEndings) {
        result.endingKey = key.right(std::clamp(parameters.endingLength, 2, 5));
        for (int i = 0; !result.endingKey.isEmpty() && i < words.wordCount(); ++i) {
            if (endsWith(words.writtenTail(i), result.endingKey) && passes(words, i, parameters))
                take(ResultKind::Ending, i);
        }
    }
    for (int kind = 0; kind < ResultKindCount; ++kind)
        result.lines[kind] = linesOf(entries[kind], parameters.alphabetical);
    return result;
}
