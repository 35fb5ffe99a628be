// Loading a full 90,000-line word list through both loading stages, and the
// memory the loaded store takes.
#include "lexicon/WordList.h"
#include "support/TestSupport.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {
QByteArray fullItem()
{
    QList<QByteArray> lines;
    lines.reserve(WordList::Capacity);
    const char *categories[] = {"NOM", "ADJ", "VER", "NOM;ADJ", "ADV"};
    for (int i = 0; i < WordList::Capacity; ++i) {
        const QString word = QStringLiteral("mot%1abaissé").arg(i);
        lines << TestSupport::wordListLine(word, QStringLiteral("ésé"), QStringLiteral("sé"), word.right(7), i % 2,
                                           1 + i % 9, QString::fromLatin1(categories[i % 5]));
    }
    return TestSupport::wordListItem(lines);
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

void loadWordList(benchmark::State &state)
{
    const QByteArray item = fullItem();
    for (auto _ : state) {
        WordList list;
        list.readLines(item);
        list.cutLines();
        benchmark::DoNotOptimize(list.wordCount());
    }
}
BENCHMARK(loadWordList)->Unit(benchmark::kMillisecond);

void storeMemory(benchmark::State &state)
{
    const QByteArray item = fullItem();
    for (auto _ : state) {
        const long before = residentKiB();
        auto list = std::make_unique<WordList>();
        list->readLines(item);
        list->cutLines();
        state.counters["store_MiB"] = double(residentKiB() - before) / 1024.0;
        benchmark::DoNotOptimize(list->wordCount());
    }
}
BENCHMARK(storeMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
