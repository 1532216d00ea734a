#pragma once

// What the sealed fuzzers share: the key every input is opened with, so that no
// input pays for a key derivation and mutations of the seeds (sealed under this
// key by fuzz_seeds) get past the first record; and limits low enough that no
// input makes a run slow.

#include "sealed/Identity.h"
#include "sealed/Key.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <cstddef>
#include <cstdint>

namespace fuzzing {

inline constexpr std::array<unsigned char, sealed::kKeySize> kKey = {
    0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xaa, 0xbb, 0xcc, 0xdd, 0xee, 0xff,
    0x0f, 0x1e, 0x2d, 0x3c, 0x4b, 0x5a, 0x69, 0x78, 0x87, 0x96, 0xa5, 0xb4, 0xc3, 0xd2, 0xe1, 0xf0};

inline const sealed::KeySource& key() {
    static const sealed::KeySource source = sealed::fixedKey(kKey);
    return source;
}

inline constexpr sealed::Limits kLimits{64 * 1024, 2, 4096};

// The identities files sealed to people are opened with: the seeds are sealed
// to the first, with the second's entry beside it.
inline const QList<sealed::Identity>& identities() {
    static const QList<sealed::Identity> kept = [] {
        QList<sealed::Identity> out;
        for (unsigned char seed : {0x21, 0x42}) {
            std::array<unsigned char, 32> secret{};
            for (size_t i = 0; i < secret.size(); ++i)
                secret[i] = static_cast<unsigned char>(seed + i * 7);
            out.append(*sealed::Identity::fromSecret(secret.data()));
        }
        return out;
    }();
    return kept;
}

// The cheapest parameters, with the chunk size a byte of the input picks, so
// that chunk boundaries fall everywhere.
inline sealed::Params params(unsigned char chunkByte) {
    sealed::Params params = sealed::Params::fastest();
    params.chunkSize = sealed::kMinChunkSize + chunkByte;
    return params;
}

// The first byte of an input picks what the rest is: even, bytes to open; odd,
// a plaintext for a round trip.
inline void pick(const uint8_t* data, size_t size, void (*open)(const QByteArray&),
                 void (*roundTrip)(const QByteArray&)) {
    if (size == 0)
        return;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    (data[0] % 2 == 0 ? open : roundTrip)(rest);
}

} // namespace fuzzing
