// Sealing to people, below the command line: a new identity and its file
// (what keygen does before it writes), and a short message sealed to 10
// people opened by the last of them (every entry tried before its own): the
// goals are under 10 ms and under 5 ms.
//   build/bench/bench_sealed_recipients

#include "sealed/Identity.h"
#include "sealed/Recipients.h"

#include <benchmark/benchmark.h>

namespace {

using namespace sealed;

void BM_NewIdentityFile(benchmark::State& state) {
    for (auto _ : state) {
        const std::optional<Identity> identity = Identity::generate();
        QByteArray file;
        if (!identity || !identityFile(*identity, nullptr, &file).ok())
            state.SkipWithError("no identity");
        benchmark::DoNotOptimize(file.data());
    }
}

// A message-sized input sealed to n people, opened by the last one.
void BM_OpenSealedToPeople(benchmark::State& state) {
    QList<Identity> people;
    QList<PublicKey> recipients;
    for (int i = 0; i < state.range(0); ++i) {
        people.append(*Identity::generate());
        recipients.append(people.constLast().recipient());
    }
    const QByteArray plain(10000, 'x');
    QByteArray sealedBytes;
    MemorySource source(plain);
    ByteArraySink sink(&sealedBytes);
    base::Progress quiet;
    sealToRecipients(source, sink, recipients, {}, quiet);
    for (auto _ : state) {
        MemorySource in(sealedBytes);
        QByteArray out;
        ByteArraySink opened(&out);
        if (!openWithIdentities(in, opened, {people.constLast()}, {}, quiet).ok())
            state.SkipWithError("not opened");
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_SealToPeople(benchmark::State& state) {
    QList<PublicKey> recipients;
    for (int i = 0; i < state.range(0); ++i)
        recipients.append(Identity::generate()->recipient());
    const QByteArray plain(10000, 'x');
    base::Progress quiet;
    for (auto _ : state) {
        MemorySource source(plain);
        QByteArray out;
        ByteArraySink sink(&out);
        if (!sealToRecipients(source, sink, recipients, {}, quiet).ok())
            state.SkipWithError("not sealed");
        benchmark::DoNotOptimize(out.data());
    }
}

BENCHMARK(BM_NewIdentityFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenSealedToPeople)->Arg(1)->Arg(10)->Arg(64)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SealToPeople)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
