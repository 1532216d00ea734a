// Feeds arbitrary bytes to the sealed readers. The first byte picks what the
// rest is: a sealed file (header, chunk framing), a sealed message file (tag
// line, base64 lines), or a plaintext to seal, open, cut and change. Limits
// are low so that no input makes a run slow; the password is the one the seed
// corpus was sealed with, so mutations of the seeds get past the key.

#include "sealed/Header.h"
#include "sealed/Key.h"
#include "sealed/Message.h"
#include "sealed/Stream.h"

#include <cstdint>

namespace {

using namespace sealed;

const QString kPassword = QStringLiteral("fuzz");
const Limits kLimits{64 * 1024, 2, 4096};

void openFile(const QByteArray& input) {
    MemorySource source(input);
    QByteArray out;
    ByteArraySink sink(&out);
    const Result result = open(source, sink, kPassword, kLimits);
    if (out.size() > input.size())
        __builtin_trap();
    if (result.ok()) {
        Header header;
        if (!parseHeader(reinterpret_cast<const unsigned char*>(input.constData()), input.size(),
                         kLimits, &header)
                 .ok() ||
            sealedSize(out.size(), header.chunkSize) != input.size())
            __builtin_trap(); // authenticated, yet framed otherwise than a writer frames
    }
}

void openMessageFile(const QByteArray& input) {
    QString text;
    const Result result = openMessage(input, kPassword, &text, kLimits);
    if (result.ok() && text.size() > input.size())
        __builtin_trap();
    if (!result.ok() && !text.isEmpty())
        __builtin_trap(); // a refusal must leave the output alone
}

// What is sealed opens again, and no cut or changed byte of it does.
void roundTrip(const QByteArray& input) {
    if (input.isEmpty())
        return;
    Params params = Params::fastest();
    params.chunkSize = kMinChunkSize + static_cast<quint8>(input[0]);
    const QByteArray plain = input.mid(1);
    QByteArray sealedBytes;
    {
        MemorySource source(plain);
        ByteArraySink sink(&sealedBytes);
        if (!seal(source, sink, kPassword, params).ok() ||
            sealedBytes.size() != sealedSize(plain.size(), params.chunkSize))
            __builtin_trap();
    }
    const auto opens = [](const QByteArray& bytes, QByteArray* out) {
        MemorySource source(bytes);
        ByteArraySink sink(out);
        return open(source, sink, kPassword, kLimits).ok();
    };
    QByteArray out;
    if (!opens(sealedBytes, &out) || out != plain)
        __builtin_trap();
    const qsizetype at = static_cast<qsizetype>(qHash(plain) % quint64(sealedBytes.size()));
    out.clear();
    if (opens(sealedBytes.left(at), &out) || !plain.startsWith(out))
        __builtin_trap();
    QByteArray changed = sealedBytes;
    changed[at] = static_cast<char>(changed[at] ^ 0x20);
    out.clear();
    if (opens(changed, &out) || !plain.startsWith(out))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    switch (data[0] % 3) {
    case 0:
        openFile(input);
        break;
    case 1:
        openMessageFile(input);
        break;
    default:
        roundTrip(input);
    }
    return 0;
}
