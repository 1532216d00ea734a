#include "sealed/Key.h"

#include "base/Limits.h"
#include "base/ThreadName.h"
#include "base/Wipe.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <sodium.h>
#include <unicode/unorm2.h>
#include <system_error>
#include <thread>

namespace sealed {

static_assert(kKeySize == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);

bool sodiumReady() {
    // sodium_init is itself safe to call from several threads; the static
    // makes the answer cheap to ask for again.
    static const bool ready = sodium_init() >= 0;
    return ready;
}

QByteArray passwordBytes(const QString& password) {
    // ICU normalises into a buffer of ours, which is wiped; QString's own
    // normalisation would leave copies in memory we cannot reach.
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
    QString normalised(password.size() * 3 + 8, Qt::Uninitialized);
    qsizetype length = -1;
    if (U_SUCCESS(status)) {
        length = unorm2_normalize(nfc, reinterpret_cast<const UChar*>(password.utf16()),
                                  int32_t(password.size()),
                                  reinterpret_cast<UChar*>(normalised.data()),
                                  int32_t(normalised.size()), &status);
    }
    QByteArray bytes = U_SUCCESS(status) && length >= 0
                           ? QStringView(normalised).first(length).toUtf8()
                           : password.toUtf8(); // no normaliser: the text as typed
    base::wipe(normalised);
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
        return refusal(Status::Failed, base::Fault::LibraryUnavailable);
    if (!key->allocate())
        return refusal(Status::Failed, base::Fault::NoMemoryForKey);
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
        return refusal(Status::Failed, base::Fault::NoMemoryToDeriveKey,
                       qint64(header.memlimit));
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

KeySource passwordKey(const base::Secret& password) {
    return [password](const Header& header, SecretKey* key) {
        return deriveKey(password.text(), header, key);
    };
}

KeySource passwordKey(const QString& password) {
    return passwordKey(base::Secret::copyOf(password));
}

namespace {

// A derivation that may be left to finish alone: it keeps what it needs.
struct Derivation {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    Result result;
    SecretKey key;
};

// How often a wait for the derivation looks at the cancel.
constexpr std::chrono::milliseconds kCancelLook{20};

Result cancelledDerivation() {
    return refusal(Status::Cancelled, base::Fault::Cancelled);
}

Result deriveAside(const base::Secret& password, const Header& header, SecretKey* key,
                   const base::CancelToken& cancel) {
    auto job = std::make_shared<Derivation>();
    std::thread thread;
    try {
        // The thread holds the secret too: left alone, it lets it go last.
        thread = std::thread([job, header, password] {
            base::nameThisThread("tessera-key");
            Result result = deriveKey(password.text(), header, &job->key);
            std::lock_guard lock(job->mutex);
            job->result = std::move(result);
            job->done = true;
            job->finished.notify_all();
        });
    } catch (const std::system_error&) {
        return deriveKey(password.text(), header, key); // no second thread: here, then
    }
    std::unique_lock lock(job->mutex);
    while (!job->finished.wait_for(lock, kCancelLook, [&] { return job->done; })) {
        if (cancel.cancelled()) {
            thread.detach();
            return cancelledDerivation();
        }
    }
    lock.unlock();
    thread.join();
    if (!job->result.ok())
        return job->result;
    if (!key->assign(job->key.data()))
        return refusal(Status::Failed, base::Fault::NoMemoryForKey);
    return Result::success();
}

} // namespace

KeySource passwordKey(const base::Secret& password, const base::CancelToken* cancel,
                      CostCheck confirm) {
    return [password, cancel, confirm = std::move(confirm)](const Header& header, SecretKey* key) {
        const Cost cost{header.opslimit, header.memlimit};
        if (confirm && cost.aboveDefault() && !confirm(cost))
            return cancelledDerivation();
        if (!cancel)
            return deriveKey(password.text(), header, key);
        if (cancel->cancelled())
            return cancelledDerivation();
        return deriveAside(password, header, key, *cancel);
    };
}

std::optional<Cost> fileCost(const QByteArray& firstBytes) {
    Header header;
    if (!parseHeader(reinterpret_cast<const unsigned char*>(firstBytes.constData()),
                     firstBytes.size(), Limits{}, &header)
             .ok())
        return std::nullopt;
    return Cost{header.opslimit, header.memlimit};
}

KeySource fixedKey(const std::array<unsigned char, kKeySize>& bytes) {
    // Kept once, in guarded memory, and lent to every stream.
    auto kept = std::make_shared<SecretKey>();
    if (!kept->assign(bytes.data()))
        kept.reset();
    return [kept](const Header&, SecretKey* key) {
        if (!kept)
            return refusal(Status::Failed, base::Fault::NoMemoryForKey);
        key->borrow(*kept);
        return Result::success();
    };
}

std::optional<base::Failure> passwordProblem(const QString& password) {
    return base::passwordLengthProblem(password);
}

} // namespace sealed
