// How long one spelling check takes: the scan of a 30,000-word list on its
// own, and the whole check as a window runs it on the largest built-in list
// (read, decode, split, scan).
#include "spelling/LetterDictionary.h"
#include "spelling/SpellCheck.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

namespace {
// Made-up words of 3 to 14 letters, each starting with "d".
QStringList madeUpList(int count)
{
    QRandomGenerator random(1036);
    const QString letters = QStringLiteral("abcdeeeéfghiiijlmnnoopqrrsssttuuv");
    QStringList words;
    words.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int length = 3 + int(random.bounded(12));
        QString word(QLatin1Char('d'));
        while (word.size() < length)
            word += letters.at(int(random.bounded(int(letters.size()))));
        words.append(word);
    }
    return words;
}

// The built-in list with the most bytes.
QString largestItemType()
{
    QString largest;
    qsizetype largestSize = -1;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const QString type = QStringLiteral("DICO") + QLatin1Char(letter);
        const auto item = DataItems::read(type, LetterDictionary::itemIdForType(type));
        if (item && item->size() > largestSize) {
            largestSize = item->size();
            largest = type;
        }
    }
    return largest;
}
} // namespace

static void BM_ScanThirtyThousandWords(benchmark::State &state)
{
    const QStringList list = madeUpList(30000);
    const bool oneLetterOff = state.range(0) != 0;
    for (auto _ : state) {
        const SpellCheckResult result = SpellCheck(QStringLiteral("dictionnère"), list, oneLetterOff, DefaultMinRate);
        benchmark::DoNotOptimize(result.suggestions.size());
    }
}
BENCHMARK(BM_ScanThirtyThousandWords)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

static void BM_CheckOnLargestBuiltInList(benchmark::State &state)
{
    const QString type = largestItemType();
    // A misspelt word of that letter, of a common length.
    const QString word = type.right(1).toLower() + QStringLiteral("ifférant");
    qsizetype words = 0;
    for (auto _ : state) {
        const std::optional<QStringList> list = LetterDictionary::listForWord(word);
        const SpellCheckResult result = SpellCheck(word, list.value_or(QStringList()), true, DefaultMinRate);
        words = list ? list->size() : 0;
        benchmark::DoNotOptimize(result.suggestions.size());
    }
    state.SetLabel(type.toStdString() + ", " + std::to_string(words) + " words");
}
BENCHMARK(BM_CheckOnLargestBuiltInList)->Unit(benchmark::kMillisecond);

// The parts of the whole check, to see where its time goes.
static void BM_ReadLargestItem(benchmark::State &state)
{
    const QString type = largestItemType();
    for (auto _ : state)
        benchmark::DoNotOptimize(DataItems::read(type, LetterDictionary::itemIdForType(type))->size());
}
BENCHMARK(BM_ReadLargestItem)->Unit(benchmark::kMillisecond);

static void BM_SplitLargestItem(benchmark::State &state)
{
    const QString type = largestItemType();
    const QByteArray item = *DataItems::read(type, LetterDictionary::itemIdForType(type));
    for (auto _ : state)
        benchmark::DoNotOptimize(LetterDictionary::parseList(item).size());
}
BENCHMARK(BM_SplitLargestItem)->Unit(benchmark::kMillisecond);

static void BM_ScanLargestItem(benchmark::State &state)
{
    const QString type = largestItemType();
    const QString word = type.right(1).toLower() + QStringLiteral("ifférant");
    const QStringList list = *LetterDictionary::listForWord(word);
    for (auto _ : state)
        benchmark::DoNotOptimize(SpellCheck(word, list, true, DefaultMinRate).suggestions.size());
}
BENCHMARK(BM_ScanLargestItem)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
