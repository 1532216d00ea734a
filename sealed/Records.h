#pragma once

// One record of a sealed file: XChaCha20-Poly1305 (IETF) of a chunk, in
// place, its 16-byte tag after it (FORMAT.md, "Chunks").
//
// XChaCha20-Poly1305 is ChaCha20-Poly1305 (IETF) under a subkey: HChaCha20 of
// the key and the nonce's first 16 bytes, with the nonce's last 8 bytes after
// 4 zero bytes as the 12-byte nonce. Where the build has OpenSSL's libcrypto,
// records are made that way with its ChaCha20-Poly1305, several times as fast
// as libsodium's on processors with wide vector units; elsewhere with
// libsodium's own function. The bytes are the same either way.

#include <QtGlobal>
#include <cstddef>

namespace sealed {

inline constexpr size_t kRecordNonceSize = 24;

enum class RecordEngine {
    Fastest, // libcrypto where the build has it, else libsodium
    Sodium,  // libsodium's crypto_aead_xchacha20poly1305_ietf_*, always
};

// True when Fastest uses libcrypto.
bool fastRecordsAvailable();

// Seals size bytes at data in place; the tag goes to data[size..size + 16).
// False only when the library failed (then the data is not to be used).
bool sealRecord(const unsigned char* key, const unsigned char* nonce, const unsigned char* ad,
                size_t adSize, unsigned char* data, size_t size,
                RecordEngine engine = RecordEngine::Fastest);

// Opens a record of size bytes (its tag included) in place; false, with the
// data not to be used, when it does not authenticate.
bool openRecord(const unsigned char* key, const unsigned char* nonce, const unsigned char* ad,
                size_t adSize, unsigned char* data, size_t size,
                RecordEngine engine = RecordEngine::Fastest);

} // namespace sealed
