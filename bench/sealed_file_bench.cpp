// The sealed engine on real files, as the file pass will drive it: an
// unbuffered QFile as the source, the safe writer as the sink.
//
//   bench_sealed_file seal|open PASSWORD_FILE INPUT OUTPUT
//
// Prints the time of the whole run (key derivation included) and the
// throughput on standard error; bench/sealed_throughput.sh times it against
// age with /usr/bin/time. Exit status 0 on success.

#include "cipher/OutputFile.h"
#include "cipher/Sealed.h"
#include "cipher/SealedStream.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

using namespace cipher::sealed;

class OutputSink final : public Sink {
public:
    explicit OutputSink(cipher::OutputFile& file) : m_file(file) {}
    bool write(const char* data, qint64 size, QString* error) override {
        return m_file.write(data, size, error);
    }

private:
    cipher::OutputFile& m_file;
};

int fail(const QString& text) {
    std::fprintf(stderr, "bench_sealed_file: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5 || (qstrcmp(argv[1], "seal") != 0 && qstrcmp(argv[1], "open") != 0))
        return fail(QStringLiteral("usage: bench_sealed_file seal|open PASSWORD_FILE INPUT OUTPUT"));
    const bool sealing = qstrcmp(argv[1], "seal") == 0;
    QFile passwordFile(QFile::decodeName(argv[2]));
    if (!passwordFile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read the password file"));
    QString password = QString::fromUtf8(passwordFile.readAll());
    if (password.endsWith(QLatin1Char('\n')))
        password.chop(1);

    QFile input(QFile::decodeName(argv[3]));
    if (!input.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fail(QStringLiteral("cannot open the input"));
    const QString outputPath = QFile::decodeName(argv[4]);
    cipher::OutputFile output(outputPath);
    output.setSyncOnCommit(QFileInfo::exists(outputPath));
    QString error;
    if (!output.open(&error))
        return fail(error);
    DeviceSource source(input);
    OutputSink sink(output);

    QElapsedTimer clock;
    clock.start();
    const Result result =
        sealing ? seal(source, sink, password, Params{}) : open(source, sink, password, Limits{});
    if (!result.ok()) {
        output.cancel();
        return fail(result.message);
    }
    if (!output.commit(&error))
        return fail(error);
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double bytes = static_cast<double>(input.size());
    std::fprintf(stderr, "%s: %.0f bytes in %.3f s (%.3f GB/s), key derivation included\n",
                 argv[1], bytes, seconds, bytes / seconds / 1e9);
    return 0;
}
