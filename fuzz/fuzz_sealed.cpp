// The record layer of sealed files, below the key derivation. The first byte
// picks what the rest is: a sealed file to open (header, records, final
// flag, framing), or a plaintext to seal, then open whole and damaged.

#include "fuzz/SealedFuzz.h"
#include "sealed/Stream.h"

#include <cstdint>

namespace {

using namespace sealed;

Result openBytes(const QByteArray& bytes, QByteArray* out) {
    MemorySource source(bytes);
    ByteArraySink sink(out);
    base::Progress quiet;
    return open(source, sink, fuzzing::key(), fuzzing::kLimits, quiet);
}

void openFile(const QByteArray& input) {
    QByteArray out;
    const Result result = openBytes(input, &out);
    if (out.size() > input.size())
        __builtin_trap();
    if (!result.ok())
        return;
    Header header;
    if (!parseHeader(reinterpret_cast<const unsigned char*>(input.constData()), input.size(),
                     fuzzing::kLimits, &header)
             .ok() ||
        sealedSize(out.size(), header.chunkSize) != input.size())
        __builtin_trap(); // authenticated, yet framed otherwise than a writer frames
}

// What is sealed opens again, and no cut or changed byte of it does.
void roundTrip(const QByteArray& input) {
    if (input.isEmpty())
        return;
    const Params params = fuzzing::params(static_cast<unsigned char>(input[0]));
    const QByteArray plain = input.mid(1);
    QByteArray sealedBytes;
    {
        MemorySource source(plain);
        ByteArraySink sink(&sealedBytes);
        base::Progress quiet;
        if (!seal(source, sink, fuzzing::key(), params, quiet).ok() ||
            sealedBytes.size() != sealedSize(plain.size(), params.chunkSize))
            __builtin_trap();
    }
    QByteArray out;
    if (!openBytes(sealedBytes, &out).ok() || out != plain)
        __builtin_trap();
    // Then one damage, cut or changed, wherever the plaintext's hash says.
    const size_t hash = qHash(plain);
    const qsizetype at = static_cast<qsizetype>(hash % quint64(sealedBytes.size()));
    QByteArray damaged = sealedBytes.left(at);
    if (hash & 0x100)
        damaged = sealedBytes, damaged[at] = static_cast<char>(damaged[at] ^ (1 << (hash % 8)));
    out.clear();
    if (openBytes(damaged, &out).ok() || !plain.startsWith(out))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::pick(data, size, openFile, roundTrip);
    return 0;
}
