// Encrypts and decrypts a 10000-character message, file work included.
//   build/bench/bench_message

#include "cipher/Messages.h"
#include "words/Present.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class QuietHost : public words::MessageHost {
public:
    void showMessage(const QString& text, Tone) override { last = text; }
    void clearOutput() override { output.clear(); }
    void showText(const QString& text) override { output = text; }
    QString last;
    QString output;
};

QString message() {
    QString text;
    const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog, 0123456789!\r\n");
    while (text.size() < 10000)
        text += line;
    text.truncate(10000);
    return text;
}

void encryptRequest(cipher::EncryptRequest& r, const QTemporaryDir& dir, bool options) {
    r.text = message();
    r.password = base::Secret::copyOf(u"correct horse battery");
    r.path = dir.filePath(QStringLiteral("message.txt"));
    r.scratchPath = dir.filePath(QStringLiteral("cache/TempFile.enc"));
    r.pic = options;
    r.junkBitz = options;
}

void BM_Encrypt10000(benchmark::State& state) {
    QTemporaryDir dir;
    cipher::EncryptRequest request;
    encryptRequest(request, dir, state.range(0) != 0);
    QuietHost host;
    base::Progress progress;
    for (auto _ : state) {
        if (words::EncryptMessage(request, host, progress) != cipher::EncryptResult::Finished)
            state.SkipWithError("encryption failed");
    }
}
BENCHMARK(BM_Encrypt10000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Decrypt10000(benchmark::State& state) {
    QTemporaryDir dir;
    cipher::EncryptRequest request;
    encryptRequest(request, dir, state.range(0) != 0);
    QuietHost host;
    base::Progress progress;
    words::EncryptMessage(request, host, progress);
    for (auto _ : state) {
        words::DecryptMessage({request.path, request.password}, host, progress);
        if (host.output.size() != 10000)
            state.SkipWithError("decryption lost characters");
    }
}
BENCHMARK(BM_Decrypt10000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
