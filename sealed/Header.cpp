#include "sealed/Header.h"

#include <QByteArrayView>
#include <algorithm>
#include <cstring>
#include <limits>
#include <sodium.h>

namespace sealed {

static_assert(kSaltSize == crypto_pwhash_SALTBYTES);
static_assert(kKeySize == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);
static_assert(kTagSize == crypto_aead_xchacha20poly1305_ietf_ABYTES);
// The nonce is the prefix, the 8-byte chunk counter and the final-chunk byte.
static_assert(kNoncePrefixSize + 8 + 1 == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
static_assert(kHeaderSize == 8 + 1 + 1 + 4 + 8 + kSaltSize + 4 + kNoncePrefixSize);

namespace {

// Where each field of the header starts.
constexpr qint64 kVersionAt = 8;
constexpr qint64 kKdfAt = 9;
constexpr qint64 kOpslimitAt = 10;
constexpr qint64 kMemlimitAt = 14;
constexpr qint64 kSaltAt = 22;
constexpr qint64 kChunkSizeAt = 38;
constexpr qint64 kNoncePrefixAt = 42;

void putLittle(unsigned char* at, quint64 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

quint64 getLittle(const unsigned char* at, int bytes) {
    quint64 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | at[i];
    return value;
}

} // namespace

Params Params::fastest() {
    Params params;
    params.memlimit = crypto_pwhash_argon2id_MEMLIMIT_MIN;
    params.opslimit = crypto_pwhash_argon2id_OPSLIMIT_MIN;
    return params;
}

Result checkParams(quint64 memlimit, quint64 opslimit, qint64 chunkSize, const Limits& limits) {
    // Argon2 counts its memory in KiB; a size between two of them would name
    // the same key under two headers.
    if (memlimit < crypto_pwhash_argon2id_MEMLIMIT_MIN || memlimit % 1024 != 0 ||
        opslimit < crypto_pwhash_argon2id_OPSLIMIT_MIN) {
        Result refused = refusal(Status::Unsupported, base::Fault::InvalidKeySettings,
                                 qint64(memlimit));
        refused.failure.other = qint64(opslimit);
        return refused;
    }
    if (memlimit > limits.maxMemlimit || memlimit > crypto_pwhash_argon2id_MEMLIMIT_MAX) {
        return refusal(Status::LimitsExceeded, base::Fault::MemoryBeyondLimit,
                       qint64(std::min<quint64>(memlimit, quint64(std::numeric_limits<qint64>::max()))), qint64(limits.maxMemlimit));
    }
    if (opslimit > limits.maxOpslimit || opslimit > crypto_pwhash_argon2id_OPSLIMIT_MAX) {
        return refusal(Status::LimitsExceeded, base::Fault::PassesBeyondLimit,
                       qint64(std::min<quint64>(opslimit, quint64(std::numeric_limits<qint64>::max()))), qint64(limits.maxOpslimit));
    }
    return checkChunkSize(chunkSize, limits);
}

Result checkChunkSize(qint64 chunkSize, const Limits& limits) {
    if (chunkSize < kMinChunkSize) {
        return refusal(Status::Unsupported, base::Fault::InvalidChunkSize, chunkSize);
    }
    if (chunkSize > limits.maxChunkSize || chunkSize > 0xFFFFFFFF) {
        return refusal(Status::LimitsExceeded, base::Fault::ChunkBeyondLimit, chunkSize,
                       limits.maxChunkSize);
    }
    return Result::success();
}

Header newHeader(const Params& params) {
    Header header;
    header.opslimit = params.opslimit;
    header.memlimit = params.memlimit;
    header.chunkSize = params.chunkSize;
    randombytes_buf(header.salt.data(), header.salt.size());
    randombytes_buf(header.noncePrefix.data(), header.noncePrefix.size());
    if (params.fixedSalt)
        header.salt = *params.fixedSalt;
    if (params.fixedNoncePrefix)
        header.noncePrefix = *params.fixedNoncePrefix;
    return header;
}

HeaderBytes encodeHeader(const Header& header) {
    HeaderBytes bytes{};
    std::memcpy(bytes.data(), kMagic.data(), kMagic.size());
    bytes[kVersionAt] = static_cast<unsigned char>(header.version);
    bytes[kKdfAt] = static_cast<unsigned char>(header.kdf);
    putLittle(bytes.data() + kOpslimitAt, header.opslimit, 4);
    putLittle(bytes.data() + kMemlimitAt, header.memlimit, 8);
    std::memcpy(bytes.data() + kSaltAt, header.salt.data(), header.salt.size());
    putLittle(bytes.data() + kChunkSizeAt, static_cast<quint64>(header.chunkSize), 4);
    std::memcpy(bytes.data() + kNoncePrefixAt, header.noncePrefix.data(),
                header.noncePrefix.size());
    return bytes;
}

Result parseHeader(const unsigned char* data, qint64 size, const Limits& limits,
                   Header* header) {
    if (size < qint64(kMagic.size()) || std::memcmp(data, kMagic.data(), kMagic.size()) != 0)
        return refusal(Status::NotSealed, base::Fault::NotSealedFile);
    if (size < kHeaderSize)
        return refusal(Status::Cut, base::Fault::HeaderCut);
    // A later version may lay out the rest differently, so nothing after the
    // version byte is read before it is known.
    if (data[kVersionAt] != kVersion) {
        return refusal(Status::Unsupported, base::Fault::UnknownVersion, data[kVersionAt]);
    }
    if (data[kKdfAt] != kKdfArgon2id13) {
        return refusal(Status::Unsupported, base::Fault::UnknownKeyDerivation, data[kKdfAt]);
    }
    Header parsed;
    parsed.opslimit = getLittle(data + kOpslimitAt, 4);
    parsed.memlimit = getLittle(data + kMemlimitAt, 8);
    std::memcpy(parsed.salt.data(), data + kSaltAt, parsed.salt.size());
    parsed.chunkSize = static_cast<qint64>(getLittle(data + kChunkSizeAt, 4));
    std::memcpy(parsed.noncePrefix.data(), data + kNoncePrefixAt, parsed.noncePrefix.size());
    if (Result checked = checkParams(parsed.memlimit, parsed.opslimit, parsed.chunkSize, limits);
        !checked.ok())
        return checked;
    *header = parsed;
    return Result::success();
}

qint64 sealedSize(qint64 plainSize, qint64 chunkSize) {
    // Every full chunk, then a final one of fewer bytes (none, when the input
    // is a whole number of chunks).
    return kHeaderSize + plainSize + (plainSize / chunkSize + 1) * kTagSize;
}

} // namespace sealed
