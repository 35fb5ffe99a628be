// Start-up costs on the shipped data: the work of the whole loading chain
// (its twelve stages without the loading window; the 30 ms pauses between
// stages are idle and not counted), and a whole `rimes MOT` process.
#include "lexicon/InternalErrorReport.h"
#include "lexicon/LexiconData.h"
#include "lexicon/LoadingSequence.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <sys/resource.h>

namespace {

double threadCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double childrenCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The chain's own work: the CPU time of the (only) thread from the start of
// the chain to its last stage. The time spent waiting for the stage timers
// is not CPU time.
void loadingChain(benchmark::State &state)
{
    const QString appDir = QStringLiteral(VERSALUNE_DATA_DIR "/");
    for (auto _ : state) {
        auto data = std::make_unique<LexiconData>();
        InternalErrorReport errors;
        LoadingSequence sequence(*data, errors, appDir);
        QEventLoop loop;
        QObject::connect(&sequence, &LoadingSequence::finished, &loop, &QEventLoop::quit);
        const double before = threadCpuSeconds();
        sequence.start();
        loop.exec();
        state.SetIterationTime(threadCpuSeconds() - before);
        if (!errors.errorCode.isEmpty())
            state.SkipWithError("the loading chain reported an error");
        benchmark::DoNotOptimize(data->words.wordCount());
    }
}
BENCHMARK(loadingChain)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The CPU time (user and system) of one whole rimes process, start to exit.
void rimesProcess(benchmark::State &state)
{
    const QString word = QStringLiteral("maison");
    for (auto _ : state) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        const double before = childrenCpuSeconds();
        process.start(QStringLiteral(RIMES_PROGRAM), {word});
        process.waitForFinished(30000);
        state.SetIterationTime(childrenCpuSeconds() - before);
        if (process.exitCode() != 0)
            state.SkipWithError("rimes did not find rhymes");
    }
}
BENCHMARK(rimesProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
