// Scanning a poem: the whole of a 2,000-line poem, and the rescan after one
// edited line (the line's own scan, then the poem pass).
#include "lexicon/DataItems.h"
#include "lexicon/LexiconData.h"
#include "verse/PoemScanner.h"
#include "verse/VerseLexicon.h"

#include <QStringList>
#include <benchmark/benchmark.h>

namespace {
const VerseLexicon &lexicon()
{
    WordList &words = LexiconData::instance().words;
    if (words.recordCount() == 0) {
        words.readLines(DataItems::read(DataItems::WordListType, DataItems::WordListId));
        words.cutLines();
    }
    return VerseLexicon::shipped();
}

QString longPoem()
{
    const QStringList stanza = {
        QStringLiteral("Heureux qui, comme Ulysse, a fait un beau voyage,"),
        QStringLiteral("Ou comme cestuy-l\u00E0 qui conquit la toison,"),
        QStringLiteral("Et puis est retourn\u00E9, plein d'usage et raison,"),
        QStringLiteral("Vivre entre ses parents le reste de son \u00E2ge !"),
        QString(),
    };
    QStringList lines;
    while (lines.size() < 2000)
        lines += stanza;
    return lines.mid(0, 2000).join(QLatin1Char('\n'));
}
} // namespace

static void BM_ScanPoem2000(benchmark::State &state)
{
    const VerseLexicon &words = lexicon();
    const QString poem = longPoem();
    for (auto _ : state) {
        PoemScanner scanner(words);
        scanner.setText(poem);
        benchmark::DoNotOptimize(scanner.lines().size());
    }
}
BENCHMARK(BM_ScanPoem2000)->Unit(benchmark::kMillisecond);

static void BM_RescanOneLine(benchmark::State &state)
{
    const VerseLexicon &words = lexicon();
    PoemScanner scanner(words);
    scanner.setText(longPoem());
    bool flip = false;
    for (auto _ : state) {
        scanner.setLine(1000, flip ? QStringLiteral("Vivre entre ses parents le reste de son \u00E2ge !")
                                   : QStringLiteral("Vivre entre ses amis le reste de son \u00E2ge !"));
        flip = !flip;
        benchmark::DoNotOptimize(scanner.lines().size());
    }
}
BENCHMARK(BM_RescanOneLine)->Unit(benchmark::kMicrosecond);

static void BM_ScanOneLine(benchmark::State &state)
{
    const VerseLexicon &words = lexicon();
    PoemScanner scanner(words);
    for (auto _ : state) {
        scanner.setText(QStringLiteral("Vivre entre ses parents le reste de son \u00E2ge !"));
        benchmark::DoNotOptimize(scanner.lines().size());
    }
}
BENCHMARK(BM_ScanOneLine)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
