// One candidate search on the largest block of the synonyms dictionary: it
// runs on every keystroke of the synonyms page.
#include "lexicon/DataSizes.h"
#include "synonyms/CandidateLines.h"
#include "synonyms/SynonymList.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
// The shipped dictionary from the source tree.
const SynonymList &dictionary()
{
    static const std::unique_ptr<SynonymList> list = [] {
        auto loaded = std::make_unique<SynonymList>();
        const QString path = QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../data/listsyno.ret"));
        if (loaded->open(path) || loaded->readBlocks('A', 'Z'))
            qFatal("cannot read %s", qPrintable(path));
        return loaded;
    }();
    return *list;
}

int largestBlock()
{
    const auto &sizes = DataSizes::kSynonymBlockSizes;
    return int(std::max_element(sizes.begin(), sizes.end()) - sizes.begin());
}

void searchLargestBlock(benchmark::State &state, const QString &tail)
{
    const SynonymList &list = dictionary();
    const int block = largestBlock();
    const QString word = QChar(u'a' + block) + tail;
    CandidateLines candidates;
    qsizetype found = 0;
    for (auto _ : state) {
        const QStringList headwords = candidates.candidateSearch(list, word);
        found = headwords.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["lines"] = double(list.block(block).size());
    state.counters["candidates"] = double(found);
    state.SetLabel(word.toStdString());
}

void BM_CandidateSearchTwoLetters(benchmark::State &state) { searchLargestBlock(state, QStringLiteral("o")); }
void BM_CandidateSearchLongWord(benchmark::State &state) { searchLargestBlock(state, QStringLiteral("onstruction")); }

// Block E folds three accents on every line.
void BM_CandidateSearchAccentedBlock(benchmark::State &state)
{
    const SynonymList &list = dictionary();
    CandidateLines candidates;
    for (auto _ : state)
        benchmark::DoNotOptimize(candidates.candidateSearch(list, QStringLiteral("écl")));
    state.counters["lines"] = double(list.blockOf('E').size());
}
} // namespace

BENCHMARK(BM_CandidateSearchTwoLetters)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CandidateSearchLongWord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CandidateSearchAccentedBlock)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
