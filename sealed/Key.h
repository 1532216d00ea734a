#pragma once

// The key of a sealed file: Argon2id of the password, with the header's salt
// and parameters, kept in guarded memory.

#include "base/Progress.h"
#include "base/Secret.h"
#include "sealed/Header.h"

#include <array>
#include <functional>
#include <optional>

namespace sealed {

// The bytes the key is derived from: the UTF-8 of the password in Unicode
// normalisation form C, so that the same password typed on two systems (one
// composing "é" from "e" and an accent, one not) gives the same key.
QByteArray passwordBytes(const QString& password);

// The key, in memory from libsodium's guarded allocator (taken when the key is
// derived or given), readable only once it is there and wiped when freed.
class SecretKey {
public:
    SecretKey() = default;
    ~SecretKey();
    SecretKey(const SecretKey&) = delete;
    SecretKey& operator=(const SecretKey&) = delete;

    const unsigned char* data() const { return m_data; }
    // A key given whole (kKeySize bytes), for a stream whose key is not derived.
    bool assign(const unsigned char* bytes);
    // Reads another key's memory, which must outlive this one: one key given
    // to many streams in turn then costs no allocation each.
    void borrow(const SecretKey& other);

private:
    friend Result deriveKey(const QString& password, const Header& header, SecretKey* key);
    bool allocate();
    unsigned char* m_data = nullptr;
    bool m_owned = false;
};

// Argon2id with the header's salt and parameters. The parameters must already
// have been checked (parseHeader, or newHeader from checked Params).
Result deriveKey(const QString& password, const Header& header, SecretKey* key);

// Where a stream's key comes from once its header is known: derived from a
// password, the program's way, or given whole, for tests and fuzzers, which
// must not pay for a derivation on every input. A password's source holds the
// secret (base/Secret.h) until it goes; one given as a QString is copied into
// a secret of its own.
using KeySource = std::function<Result(const Header& header, SecretKey* key)>;
KeySource passwordKey(const base::Secret& password);
KeySource passwordKey(const QString& password);
KeySource fixedKey(const std::array<unsigned char, kKeySize>& bytes);

// What deriving a header's key costs: its passes over its memory.
struct Cost {
    quint64 opslimit = 0;
    quint64 memlimit = 0;
    // More than a file of the program's own asks (the default Params): a
    // hostile or foreign header can ask up to the reader's Limits.
    bool aboveDefault() const {
        return opslimit > kDefaultOpslimit || memlimit > kDefaultMemlimit;
    }
};

// The cost the header at the start of a sealed file asks, from its first
// kHeaderSize bytes; nothing when they hold no header a reader with default
// Limits accepts.
std::optional<Cost> fileCost(const QByteArray& firstBytes);

// Asked before a key that costs more than the default is derived: true to
// derive it, false to stop (the derivation then ends as Cancelled).
using CostCheck = std::function<bool(const Cost& cost)>;

// The password's key, derived on a thread of its own so that a cancel ends
// the wait at once: the derivation itself cannot be stopped, so it finishes
// alone, then wipes and frees what it used. Nothing has been written with the
// key before it exists, so leaving it is always safe. With confirm, a costly
// header is confirmed first.
KeySource passwordKey(const base::Secret& password, const base::CancelToken* cancel,
                      CostCheck confirm = {});

// False when libsodium could not start (no source of randomness); every entry
// point checks this itself, and the result is cached.
bool sodiumReady();

// Why a password cannot be used for the sealed format, whose key comes from
// the password's UTF-8: any character may be used, and only the length is
// bounded (PasswordTooLong); nothing when it can.
std::optional<base::Failure> passwordProblem(const QString& password);

} // namespace sealed
