// A full 10000-character message sealed and opened with the default key
// derivation (64 MiB, 3 passes), beside the key derivation alone: each of the
// two should take at most the derivation's time plus 2 ms. The same with the
// cheapest derivation (Arg 1) shows that remainder on its own, free of the
// derivation's noise.
//   build/bench/bench_sealed_message

#include "sealed/Key.h"
#include "sealed/Message.h"

#include <benchmark/benchmark.h>

namespace {

using namespace sealed;

const QString kPassword = QStringLiteral("correct horse battery");

// Not only Windows-1252: sealed messages hold any character.
QString message() {
    QString text;
    const QString line =
        QStringLiteral("The quick brown fox jumps over the lazy dog, 0123456789! \u00e9\u4e2d\r\n");
    while (text.size() < 10000)
        text += line;
    text.truncate(10000);
    return text;
}

void BM_KeyDerivation(benchmark::State& state) {
    const Header header = newHeader(Params{});
    for (auto _ : state) {
        SecretKey key;
        if (!deriveKey(kPassword, header, &key).ok())
            state.SkipWithError("key derivation failed");
    }
}

Params paramsFor(const benchmark::State& state) {
    return state.range(0) ? Params::fastest() : Params{};
}

void BM_SealMessage10000(benchmark::State& state) {
    const QString text = message();
    const Params params = paramsFor(state);
    for (auto _ : state) {
        QByteArray file;
        if (!sealMessage(text, kPassword, &file, params).ok())
            state.SkipWithError("sealing failed");
        benchmark::DoNotOptimize(file.data());
    }
}

void BM_OpenMessage10000(benchmark::State& state) {
    QByteArray file;
    if (!sealMessage(message(), kPassword, &file, paramsFor(state)).ok())
        state.SkipWithError("sealing failed");
    for (auto _ : state) {
        QString text;
        if (!openMessage(file, kPassword, &text).ok() || text.size() != 10000)
            state.SkipWithError("opening failed");
    }
}

} // namespace

BENCHMARK(BM_KeyDerivation)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SealMessage10000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenMessage10000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
