// Writes the seed corpus of the sealed fuzzers, sealed under their fixed key:
//   build-fuzz/fuzz/fuzz_seeds fuzz/corpus
// Each seed begins with the byte that picks what the fuzzer makes of the rest
// (0: input to open, 1: plaintext to seal), except the header fuzzer's.

#include "fuzz/SealedFuzz.h"
#include "io/OutputFile.h"
#include "sealed/Identity.h"
#include "sealed/Message.h"
#include "sealed/Recipients.h"
#include "sealed/Stream.h"

#include <QDir>
#include <cstdio>

namespace {

using namespace sealed;

// Through the program's one writer: never through a planted link, whole or not at all.
bool save(const QString& folder, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(folder);
    io::OutputFile out(folder + QLatin1Char('/') + name);
    QString error;
    if (out.open(&error) && out.write(bytes, &error) && out.commit(&error))
        return true;
    out.cancel();
    std::fprintf(stderr, "fuzz_seeds: %s: %s\n", qPrintable(name), qPrintable(error));
    return false;
}

QByteArray sealedFile(const QByteArray& plain, qint64 chunkSize) {
    Params params = Params::fastest();
    params.chunkSize = chunkSize;
    QByteArray out;
    MemorySource source(plain);
    ByteArraySink sink(&out);
    base::Progress quiet;
    if (!seal(source, sink, fuzzing::key(), params, quiet).ok())
        return {};
    return out;
}

QByteArray toPeople(const QByteArray& plain, qint64 chunkSize) {
    Params params;
    params.chunkSize = chunkSize;
    QByteArray out;
    MemorySource source(plain);
    ByteArraySink sink(&out);
    base::Progress quiet;
    const QList<PublicKey> recipients{fuzzing::identities()[0].recipient(),
                                      fuzzing::identities()[1].recipient()};
    if (!sealToRecipients(source, sink, recipients, params, quiet).ok())
        return {};
    return out;
}

QByteArray sealedMessage(const QString& text, QByteArray lineEnd = "\r\n") {
    QByteArray file;
    Params params = Params::fastest();
    params.chunkSize = 256;
    if (!sealMessage(text, fuzzing::key(), &file, params).ok())
        return {};
    return file.replace("\r\n", lineEnd);
}

QByteArray text(int length) {
    QByteArray bytes;
    for (int i = 0; bytes.size() < length; ++i)
        bytes += "Line " + QByteArray::number(i) + " \xC3\xA9\xE4\xB8\xAD\r\n";
    return bytes.left(length);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds CORPUS-FOLDER\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString files = root + QStringLiteral("/sealed");
    const QString messages = root + QStringLiteral("/sealed_message");
    const QString headers = root + QStringLiteral("/sealed_header");
    const QString people = root + QStringLiteral("/sealed_recipients");
    QByteArray identity;
    identityFile(fuzzing::identities()[0], nullptr, &identity);
    const QByteArray recipient = recipientText(fuzzing::identities()[1].recipient()).toLatin1();
    const QString hello = QStringLiteral("Hello, \u00e9\u4e2d\U0001F600\r\nsecond line");
    const QByteArray file = sealedFile(text(300), 64);
    const QByteArray message = sealedMessage(hello);
    bool ok = !file.isEmpty() && !message.isEmpty();
    const struct {
        QString folder, name;
        QByteArray bytes;
    } seeds[] = {
        {files, QStringLiteral("file-empty"), '\0' + sealedFile({}, 64)},
        {files, QStringLiteral("file-one-chunk"), '\0' + sealedFile(text(40), 64)},
        {files, QStringLiteral("file-whole-chunks"), '\0' + sealedFile(text(128), 64)},
        {files, QStringLiteral("file-chunks"), '\0' + file},
        {files, QStringLiteral("file-large-chunk"), '\0' + sealedFile(text(1000), 4096)},
        {files, QStringLiteral("roundtrip-empty"), QByteArray("\1\0", 2)},
        {files, QStringLiteral("roundtrip-text"), "\1\x10" + text(200)},
        {messages, QStringLiteral("message"), '\0' + message},
        {messages, QStringLiteral("message-lf"), '\0' + sealedMessage(hello, "\n")},
        {messages, QStringLiteral("message-long"), '\0' + sealedMessage(QString::fromUtf8(text(1200)))},
        {messages, QStringLiteral("message-empty"), '\0' + sealedMessage({})},
        {messages, QStringLiteral("roundtrip-text"), "\1\x20" + hello.toUtf8()},
        {headers, QStringLiteral("file-header"), file.left(kHeaderSize + 8)},
        {headers, QStringLiteral("file-damaged-magic"), 'x' + file.mid(1, kHeaderSize)},
        {headers, QStringLiteral("message"), message.left(80)},
        {headers, QStringLiteral("message-lower"), message.left(80).toLower()},
        {people, QStringLiteral("file-empty"), '\0' + toPeople({}, 64)},
        {people, QStringLiteral("file-chunks"), '\0' + toPeople(text(300), 64)},
        {people, QStringLiteral("password-kind"), '\0' + file},
        {people, QStringLiteral("roundtrip-text"), "\1\x10" + text(200)},
        {people, QStringLiteral("recipient"), '\2' + recipient},
        {people, QStringLiteral("people-file"), "\2# people\n" + recipient + "  # Bob\n"},
        {people, QStringLiteral("identity-file"), '\2' + identity},
    };
    for (const auto& seed : seeds)
        ok = save(seed.folder, seed.name, seed.bytes) && ok;
    return ok ? 0 : 1;
}
