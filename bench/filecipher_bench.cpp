// FileCipherPass with all its file work: a 64 MiB file enciphered into a new
// copy, in place, and a small file (the fixed cost of a pass). Wall-clock
// time: the copy is written on a second thread.

#include "cipher/Files.h"
#include "words/Describe.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

QByteArray randomBytes(qint64 n) {
    std::mt19937_64 rng(42);
    QByteArray out(n, Qt::Uninitialized);
    for (qint64 i = 0; i + 8 <= n; i += 8) {
        const quint64 v = rng();
        std::memcpy(out.data() + i, &v, 8);
    }
    return out;
}

void prepare(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(randomBytes(size)) != size)
        std::abort();
}

void run(benchmark::State& state, const QString& input, const QString& output) {
    base::Progress host;
    const cipher::PassRequest request{input, output, base::Secret::copyOf(u"benchmark password"),
                                          cipher::Direction::Encipher};
    for (auto _ : state) {
        if (output != input) {
            state.PauseTiming();
            QFile::remove(output);
            state.ResumeTiming();
        }
        const auto result = cipher::FileCipherPass(request, host);
        if (result.status != cipher::PassStatus::Done)
            state.SkipWithError(words::sentence(result.failure).toUtf8().constData());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_EncipherIntoANewFile(benchmark::State& state) {
    QTemporaryDir dir;
    prepare(dir.filePath("in"), state.range(0));
    run(state, dir.filePath("in"), dir.filePath("out"));
}

void BM_EncipherInPlace(benchmark::State& state) {
    QTemporaryDir dir;
    prepare(dir.filePath("in"), state.range(0));
    run(state, dir.filePath("in"), dir.filePath("in"));
}

} // namespace

BENCHMARK(BM_EncipherIntoANewFile)
    ->Arg(64 << 20)
    ->Arg(4 << 10)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_EncipherInPlace)->Arg(64 << 20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
