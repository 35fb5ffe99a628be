// One whole search (rich rhymes, approximate rhymes, endings, no filter) over
// a full 90,000-line word list with large sound groups, and the same search
// over the shipped word list.
#include "lexicon/DataItems.h"
#include "lexicon/WordList.h"
#include "search/SearchRun.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

namespace {

// 90,000 lines: the 'val' exact group holds 450 lines, the 'al' approximate
// group 2,250 and the ending 'heval' 225; the rest spread over 2,795 exact
// and 334 approximate sounds like the shipped list. 'cheval' itself sits in
// the middle, so the exact pass scans half the list.
std::unique_ptr<WordList> syntheticList()
{
    QList<QByteArray> lines;
    lines.reserve(WordList::Capacity);
    const char *categories[] = {"NOM", "ADJ", "VER", "NOM;ADJ", "ADV", "Ignoré"};
    for (int i = 0; i < WordList::Capacity; ++i) {
        QString word = QStringLiteral("mot%1").arg(i, 5, 26, QLatin1Char('a'));
        QString exact = QStringLiteral("e%1").arg(i % 2795);
        QString approx = QStringLiteral("a%1").arg(i % 334);
        if (i % 40 == 0) {
            approx = QStringLiteral("al");
            word += QStringLiteral("al");
        }
        if (i % 200 == 0) {
            exact = QStringLiteral("val");
            word += (i % 400 == 0) ? QStringLiteral("cheval") : QStringLiteral("ival");
        }
        if (i == WordList::Capacity / 2) {
            word = QStringLiteral("cheval");
            exact = QStringLiteral("val");
            approx = QStringLiteral("al");
        }
        lines << TestSupport::wordListLine(word, exact, approx, word.right(7), i % 7 == 0, 1 + i % 9,
                                           QString::fromUtf8(categories[i % 6]));
    }
    auto words = std::make_unique<WordList>();
    words->readLines(TestSupport::wordListItem(lines));
    words->cutLines();
    return words;
}

void runSearch(benchmark::State &state, const WordList &words, const QString &typed)
{
    SearchParameters parameters;
    parameters.typedText = typed;
    int listed = 0;
    for (auto _ : state) {
        SearchRun run(words, parameters);
        run.runAll();
        listed = run.exactCount() + run.approxCount() + run.endingCount();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["listed"] = listed;
}

void wholeSearchSynthetic(benchmark::State &state)
{
    static const auto words = syntheticList();
    runSearch(state, *words, QStringLiteral("cheval"));
}
BENCHMARK(wholeSearchSynthetic)->Unit(benchmark::kMillisecond);

// A word whose ending is nowhere: all three attempts scan the list twice.
void unknownWordSynthetic(benchmark::State &state)
{
    static const auto words = syntheticList();
    runSearch(state, *words, QStringLiteral("zzzzzzzz"));
}
BENCHMARK(unknownWordSynthetic)->Unit(benchmark::kMillisecond);

const WordList &shippedList()
{
    static WordList words;
    static const bool loaded = [] {
        words.readLines(DataItems::read(DataItems::WordListType, DataItems::WordListId),
                        DataItems::read(DataItems::WordListTablesType, DataItems::WordListId));
        words.cutLines();
        return true;
    }();
    Q_UNUSED(loaded);
    return words;
}

void wholeSearchShipped(benchmark::State &state)
{
    const WordList &words = shippedList();
    state.counters["lines"] = words.wordCount();
    runSearch(state, words, QString::fromUtf8(state.range(0) == 0 ? "cheval" : "porte"));
}
BENCHMARK(wholeSearchShipped)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The genre filter deciphers the headword of every line whose sound matches:
// a word with large lists ('-ement'), without and with the filter.
void genreFilterShipped(benchmark::State &state)
{
    SearchParameters parameters;
    parameters.typedText = QStringLiteral("extraordinairement");
    parameters.genreFilter = state.range(0) == 0 ? QStringLiteral("Toutes") : QStringLiteral("Masculine");
    int listed = 0;
    for (auto _ : state) {
        SearchRun run(shippedList(), parameters);
        run.runAll();
        listed = run.exactCount() + run.approxCount() + run.endingCount();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["listed"] = listed;
}
BENCHMARK(genreFilterShipped)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// rimes as a whole process: start-up, loading the built-in list, one search
// and its printing. The program is found beside the benchmarks' build folder.
void rimesProcess(benchmark::State &state)
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const auto program = self.parent_path().parent_path() / "src" / "cli" / "rimes";
    if (error || !std::filesystem::exists(program)) {
        state.SkipWithError("rimes is not built");
        return;
    }
    for (auto _ : state) {
        QProcess process;
        process.start(QString::fromStdString(program.string()), {QStringLiteral("cheval")});
        process.waitForFinished();
        benchmark::DoNotOptimize(process.readAllStandardOutput().size());
    }
}
BENCHMARK(rimesProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// One kind of search alone on the shipped list: 0 rich rhymes, 1 approximate
// rhymes, 2 endings.
void oneKindShipped(benchmark::State &state)
{
    static const std::unique_ptr<WordList> words = [] {
        auto list = std::make_unique<WordList>();
        list->readLines(DataItems::read(DataItems::WordListType, DataItems::WordListId));
        list->cutLines();
        return list;
    }();
    SearchParameters parameters;
    parameters.typedText = QStringLiteral("amour");
    parameters.richRhymes = state.range(0) == 0;
    parameters.approxRhymes = state.range(0) == 1;
    parameters.wordEndings = state.range(0) == 2;
    for (auto _ : state) {
        SearchRun run(*words, parameters);
        run.runAll();
        benchmark::DoNotOptimize(run.count(ResultKind(state.range(0))));
    }
}
BENCHMARK(oneKindShipped)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Loading and one whole search on synthetic lists of growing length, to show
// the cost growing with the lines. A list longer than the program's capacity
// gets a store of its own length (the program itself cuts a longer list).
QByteArray syntheticItem(int lineCount)
{
    QByteArray item;
    for (int i = 0; i < lineCount; ++i) {
        const QByteArray word = "mot" + QByteArray::number(i, 36);
        const QByteArray tail = i % 97 == 0 ? QByteArray("amour") : word.right(5);
        item += TestSupport::wordListLine(QString::fromLatin1(word), QStringLiteral("e%1").arg(i % 2795),
                                          QStringLiteral("a%1").arg(i % 334), QString::fromLatin1(tail),
                                          i % 7 == 0, 1 + i % 9, QStringLiteral("NOM"));
        item += "\r\n";
    }
    return item;
}

void loadScaled(benchmark::State &state)
{
    const int lines = int(state.range(0));
    const QByteArray item = syntheticItem(lines);
    int cut = 0;
    for (auto _ : state) {
        WordList words(std::max(lines, WordList::Capacity));
        words.readLines(item);
        words.cutLines();
        cut = words.recordCount();
        benchmark::DoNotOptimize(cut);
    }
    state.counters["lines"] = cut;
}
BENCHMARK(loadScaled)->Arg(62500)->Arg(125000)->Arg(250000)->Arg(500000)->Unit(benchmark::kMillisecond);

void searchScaled(benchmark::State &state)
{
    const int lines = int(state.range(0));
    WordList words(std::max(lines, WordList::Capacity));
    words.readLines(syntheticItem(lines));
    words.cutLines();
    runSearch(state, words, QStringLiteral("amour"));
    state.counters["lines"] = words.wordCount();
}
BENCHMARK(searchScaled)->Arg(62500)->Arg(125000)->Arg(250000)->Arg(500000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
