#include "sealed/Hkdf.h"

#include <algorithm>
#include <sodium.h>

#if defined(TESSERA_HAVE_LIBCRYPTO)
#include <openssl/core_names.h>
#include <openssl/kdf.h>
#include <openssl/params.h>
#endif

namespace sealed {
namespace {

constexpr size_t kHashSize = crypto_auth_hmacsha256_BYTES;
constexpr size_t kMaxOutput = 255 * kHashSize;

void hmac(unsigned char* mac, ByteView key, std::initializer_list<ByteView> parts) {
    crypto_auth_hmacsha256_state state;
    crypto_auth_hmacsha256_init(&state, key.data(), key.size());
    for (const ByteView part : parts)
        crypto_auth_hmacsha256_update(&state, part.data(), part.size());
    crypto_auth_hmacsha256_final(&state, mac);
    sodium_memzero(&state, sizeof state);
}

// Extract, then expand: T(i) = HMAC(PRK, T(i - 1) ‖ info ‖ i), out = T(1) ‖ T(2) ‖ …
bool hkdfSodium(std::span<unsigned char> out, ByteView ikm, ByteView salt, ByteView info) {
    static const unsigned char zeros[kHashSize] = {};
    unsigned char prk[kHashSize];
    hmac(prk, salt.empty() ? ByteView(zeros) : salt, {ikm});
    unsigned char block[kHashSize];
    size_t done = 0;
    for (unsigned char counter = 1; done < out.size(); ++counter) {
        const ByteView previous(block, counter == 1 ? 0 : kHashSize);
        hmac(block, prk, {previous, info, ByteView(&counter, 1)});
        const size_t n = std::min(kHashSize, out.size() - done);
        std::copy_n(block, n, out.begin() + static_cast<std::ptrdiff_t>(done));
        done += n;
    }
    sodium_memzero(prk, sizeof prk);
    sodium_memzero(block, sizeof block);
    return true;
}

#if defined(TESSERA_HAVE_LIBCRYPTO)

OSSL_PARAM octets(const char* name, ByteView bytes) {
    // OpenSSL reads the bytes without changing them; its type has no const.
    return OSSL_PARAM_construct_octet_string(name, const_cast<unsigned char*>(bytes.data()),
                                             bytes.size());
}

bool hkdfLibcrypto(std::span<unsigned char> out, ByteView ikm, ByteView salt, ByteView info) {
    static EVP_KDF* const kdf = EVP_KDF_fetch(nullptr, "HKDF", nullptr);
    if (!kdf)
        return false;
    EVP_KDF_CTX* ctx = EVP_KDF_CTX_new(kdf);
    if (!ctx)
        return false;
    static const unsigned char zeros[kHashSize] = {};
    char digest[] = "SHA256";
    const OSSL_PARAM params[] = {
        OSSL_PARAM_construct_utf8_string(OSSL_KDF_PARAM_DIGEST, digest, 0),
        octets(OSSL_KDF_PARAM_KEY, ikm),
        octets(OSSL_KDF_PARAM_SALT, salt.empty() ? ByteView(zeros) : salt),
        octets(OSSL_KDF_PARAM_INFO, info),
        OSSL_PARAM_construct_end(),
    };
    const bool ok = EVP_KDF_derive(ctx, out.data(), out.size(), params) == 1;
    EVP_KDF_CTX_free(ctx);
    return ok;
}

#endif

} // namespace

bool libcryptoHkdfAvailable() {
#if defined(TESSERA_HAVE_LIBCRYPTO)
    return true;
#else
    return false;
#endif
}

bool hkdfSha256(std::span<unsigned char> out, ByteView ikm, ByteView salt, ByteView info,
                HkdfEngine engine) {
    bool ok = out.size() <= kMaxOutput;
#if defined(TESSERA_HAVE_LIBCRYPTO)
    if (ok)
        ok = engine == HkdfEngine::Fastest ? hkdfLibcrypto(out, ikm, salt, info)
                                           : hkdfSodium(out, ikm, salt, info);
#else
    (void)engine;
    ok = ok && hkdfSodium(out, ikm, salt, info);
#endif
    if (!ok)
        sodium_memzero(out.data(), out.size());
    return ok;
}

} // namespace sealed
