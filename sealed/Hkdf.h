#pragma once

// HKDF-SHA-256 (RFC 5869), which the recipients kind uses to turn shared
// secrets and the file key into keys (FORMAT.md, "Sealed to people").
//
// Where the build has OpenSSL's libcrypto this is its HKDF; elsewhere it is
// built from libsodium's HMAC-SHA-256, step by step as RFC 5869 gives it. The
// bytes are the same either way, as the tests check against the RFC's own
// vectors on both engines.

#include <cstddef>
#include <span>

namespace sealed {

using ByteView = std::span<const unsigned char>;

enum class HkdfEngine {
    Fastest, // libcrypto where the build has it, else libsodium
    Sodium,  // built from libsodium's crypto_auth_hmacsha256, always
};

// True when Fastest uses libcrypto.
bool libcryptoHkdfAvailable();

// Fills out (at most 255 × 32 bytes) with HKDF-SHA-256 of the input key
// material, the salt (empty: 32 zero bytes, as RFC 5869 says) and the info.
// False when the library failed or out is too long; out is then wiped.
bool hkdfSha256(std::span<unsigned char> out, ByteView ikm, ByteView salt, ByteView info,
                HkdfEngine engine = HkdfEngine::Fastest);

} // namespace sealed
