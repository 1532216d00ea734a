#include "sealed/Records.h"

#include <climits>
#include <sodium.h>

#if defined(TESSERA_HAVE_LIBCRYPTO)
#include <openssl/evp.h>
#endif

namespace sealed {

static_assert(kRecordNonceSize == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);

namespace {

constexpr size_t kTag = crypto_aead_xchacha20poly1305_ietf_ABYTES;

void sealSodium(const unsigned char* key, const unsigned char* nonce, const unsigned char* ad,
                size_t adSize, unsigned char* data, size_t size) {
    crypto_aead_xchacha20poly1305_ietf_encrypt(data, nullptr, data, size, ad, adSize, nullptr,
                                               nonce, key);
}

bool openSodium(const unsigned char* key, const unsigned char* nonce, const unsigned char* ad,
                size_t adSize, unsigned char* data, size_t size) {
    return size >= kTag && crypto_aead_xchacha20poly1305_ietf_decrypt(
                               data, nullptr, nullptr, data, size, ad, adSize, nonce, key) == 0;
}

#if defined(TESSERA_HAVE_LIBCRYPTO)

// The cipher fetched once, not looked up on every record.
const EVP_CIPHER* chacha20Poly1305() {
    static EVP_CIPHER* const cipher = EVP_CIPHER_fetch(nullptr, "ChaCha20-Poly1305", nullptr);
    return cipher;
}

// A context for each thread, made on its first record and kept for the next.
struct Context {
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    ~Context() { EVP_CIPHER_CTX_free(ctx); }
};

EVP_CIPHER_CTX* threadContext() {
    thread_local Context context;
    return context.ctx;
}

// The subkey and the 12-byte nonce that make XChaCha20 of ChaCha20; false
// when libcrypto cannot take the record (then libsodium does).
bool start(EVP_CIPHER_CTX* ctx, const unsigned char* key, const unsigned char* nonce,
           const unsigned char* ad, size_t adSize, size_t size, int encrypt) {
    if (!ctx || !chacha20Poly1305() || size > INT_MAX || adSize > INT_MAX)
        return false;
    unsigned char subkey[crypto_core_hchacha20_KEYBYTES];
    crypto_core_hchacha20(subkey, nonce, key, nullptr);
    unsigned char shortNonce[12] = {0, 0, 0, 0};
    for (int i = 0; i < 8; ++i)
        shortNonce[4 + i] = nonce[16 + i];
    // A context that has run a record keeps its cipher: only the key, the
    // nonce and the direction change, which spares the provider's set-up.
    const EVP_CIPHER* cipher = EVP_CIPHER_CTX_get0_cipher(ctx) ? nullptr : chacha20Poly1305();
    int n = 0;
    const bool ok =
        EVP_CipherInit_ex(ctx, cipher, nullptr, subkey, shortNonce, encrypt) == 1 &&
        EVP_CipherUpdate(ctx, nullptr, &n, ad, int(adSize)) == 1;
    sodium_memzero(subkey, sizeof subkey);
    return ok;
}

// 1 sealed, 0 failed, -1 libcrypto could not take it (the data is untouched).
int sealLibcrypto(const unsigned char* key, const unsigned char* nonce, const unsigned char* ad,
                  size_t adSize, unsigned char* data, size_t size) {
    EVP_CIPHER_CTX* ctx = threadContext();
    if (!start(ctx, key, nonce, ad, adSize, size, 1))
        return -1;
    int n = 0, last = 0;
    return EVP_CipherUpdate(ctx, data, &n, data, int(size)) == 1 &&
                   EVP_CipherFinal_ex(ctx, data + n, &last) == 1 &&
                   EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_AEAD_GET_TAG, int(kTag), data + size) == 1
               ? 1
               : 0;
}

// 1 authenticated, 0 refused, -1 libcrypto could not take it (the data is untouched).
int openLibcrypto(const unsigned char* key, const unsigned char* nonce, const unsigned char* ad,
                  size_t adSize, unsigned char* data, size_t size) {
    if (size < kTag)
        return 0;
    EVP_CIPHER_CTX* ctx = threadContext();
    const size_t plain = size - kTag;
    int n = 0, last = 0;
    if (!start(ctx, key, nonce, ad, adSize, plain, 0) ||
        EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_AEAD_SET_TAG, int(kTag), data + plain) != 1)
        return -1;
    return EVP_CipherUpdate(ctx, data, &n, data, int(plain)) == 1 &&
                   EVP_CipherFinal_ex(ctx, data + n, &last) == 1
               ? 1
               : 0;
}

#endif

} // namespace

bool fastRecordsAvailable() {
#if defined(TESSERA_HAVE_LIBCRYPTO)
    return chacha20Poly1305() != nullptr;
#else
    return false;
#endif
}

namespace {

enum class Way { Seal, Open };

// One record either way, on the engine asked for where the build has it.
bool record(Way way, const unsigned char* key, const unsigned char* nonce,
            const unsigned char* ad, size_t adSize, unsigned char* data, size_t size,
            RecordEngine engine) {
#if defined(TESSERA_HAVE_LIBCRYPTO)
    if (engine == RecordEngine::Fastest) {
        const int done = way == Way::Seal ? sealLibcrypto(key, nonce, ad, adSize, data, size)
                                          : openLibcrypto(key, nonce, ad, adSize, data, size);
        if (done >= 0)
            return done == 1;
    }
#endif
    Q_UNUSED(engine);
    if (way == Way::Open)
        return openSodium(key, nonce, ad, adSize, data, size);
    sealSodium(key, nonce, ad, adSize, data, size);
    return true;
}

} // namespace

bool sealRecord(const unsigned char* key, const unsigned char* nonce, const unsigned char* ad,
                size_t adSize, unsigned char* data, size_t size, RecordEngine engine) {
    return record(Way::Seal, key, nonce, ad, adSize, data, size, engine);
}

bool openRecord(const unsigned char* key, const unsigned char* nonce, const unsigned char* ad,
                size_t adSize, unsigned char* data, size_t size, RecordEngine engine) {
    return record(Way::Open, key, nonce, ad, adSize, data, size, engine);
}

} // namespace sealed
