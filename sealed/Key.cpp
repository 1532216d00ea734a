#include "sealed/Key.h"

#include "base/Limits.h"

#include <cstring>
#include <memory>
#include <sodium.h>

namespace sealed {

static_assert(kKeySize == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);

bool sodiumReady() {
    // sodium_init is itself safe to call from several threads; the static
    // makes the answer cheap to ask for again.
    static const bool ready = sodium_init() >= 0;
    return ready;
}

QByteArray passwordBytes(const QString& password) {
    QString normalised = password.normalized(QString::NormalizationForm_C);
    QByteArray bytes = normalised.toUtf8();
    // A copy made by the normalisation is ours alone to wipe; when there was
    // nothing to change it is the caller's own string.
    if (normalised.constData() != password.constData())
        sodium_memzero(normalised.data(), static_cast<size_t>(normalised.size()) * sizeof(QChar));
    return bytes;
}

SecretKey::~SecretKey() {
    // sodium_free wipes the memory before it lets it go.
    if (m_owned)
        sodium_free(m_data);
}

bool SecretKey::allocate() {
    if (!m_owned) {
        m_data = static_cast<unsigned char*>(sodium_malloc(kKeySize));
        m_owned = m_data != nullptr;
    }
    return m_owned;
}

void SecretKey::borrow(const SecretKey& other) {
    if (m_owned)
        sodium_free(m_data);
    m_data = other.m_data;
    m_owned = false;
}

Result deriveKey(const QString& password, const Header& header, SecretKey* key) {
    if (!sodiumReady())
        return Result{Status::Failed, QStringLiteral("The encryption library could not start.")};
    if (!key->allocate())
        return Result{Status::Failed, QStringLiteral("There was not enough memory to keep the key.")};
    QByteArray bytes = passwordBytes(password);
    sodium_mprotect_readwrite(key->m_data);
    const int rc = crypto_pwhash(key->m_data, kKeySize, bytes.constData(),
                                 static_cast<unsigned long long>(bytes.size()), header.salt.data(),
                                 header.opslimit, static_cast<size_t>(header.memlimit),
                                 crypto_pwhash_ALG_ARGON2ID13);
    sodium_memzero(bytes.data(), static_cast<size_t>(bytes.size()));
    // Read-only from here on: the engine's threads only read it.
    sodium_mprotect_readonly(key->m_data);
    if (rc != 0) {
        return Result{Status::Failed,
                      QStringLiteral("There was not enough memory to derive the key (%1).")
                          .arg(describeMemory(header.memlimit))};
    }
    return Result::success();
}

bool SecretKey::assign(const unsigned char* bytes) {
    if (!sodiumReady() || !allocate())
        return false;
    sodium_mprotect_readwrite(m_data);
    std::memcpy(m_data, bytes, kKeySize);
    sodium_mprotect_readonly(m_data);
    return true;
}

KeySource passwordKey(const QString& password) {
    return [password](const Header& header, SecretKey* key) {
        return deriveKey(password, header, key);
    };
}

KeySource fixedKey(const std::array<unsigned char, kKeySize>& bytes) {
    // Kept once, in guarded memory, and lent to every stream.
    auto kept = std::make_shared<SecretKey>();
    if (!kept->assign(bytes.data()))
        kept.reset();
    return [kept](const Header&, SecretKey* key) {
        if (!kept)
            return Result{Status::Failed, QStringLiteral("There was not enough memory to keep the key.")};
        key->borrow(*kept);
        return Result::success();
    };
}

std::optional<QString> passwordProblem(const QString& password) {
    return base::passwordLengthProblem(password);
}

} // namespace sealed
