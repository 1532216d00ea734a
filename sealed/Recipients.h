#pragma once

// Sealed to people: the recipients kind of sealed file, version 2 of the
// header (FORMAT.md, "Sealed to people"). A random file key opens the file;
// for each recipient an entry holds it wrapped so that only that recipient's
// identity unwraps it (X25519 with a fresh key pair per entry, HKDF-SHA-256,
// ChaCha20-Poly1305); a MAC keyed from the file key covers the whole header,
// so no entry can be added, dropped or changed; and the records are those of
// the password kind (Stream.h), under a key derived from the file key.
//
// The file key and every key derived from it are wiped when the call ends.
// Both calls take the Source and Sink of Stream.h and keep its promises: a
// caller discards the output unless the result is Ok.

#include "base/Progress.h"
#include "sealed/Header.h"
#include "sealed/Identity.h"
#include "sealed/Stream.h"

#include <QList>
#include <functional>
#include <optional>

namespace sealed {

inline constexpr int kRecipientsVersion = 2;
inline constexpr int kEntryKindX25519 = 1;
inline constexpr qint64 kRecipientsFixedSize = 31; // up to the first entry
inline constexpr qint64 kEntrySize = 80;           // ephemeral public key, wrapped file key
inline constexpr qint64 kHeaderMacSize = 32;
// A reader tries at most this many entries (a hostile header could list
// millions), and a writer writes no more.
inline constexpr int kMaxRecipients = 64;

constexpr qint64 recipientsHeaderSize(qint64 entries) {
    return kRecipientsFixedSize + entries * kEntrySize + kHeaderMacSize;
}

// Where a new file's random bytes come from: the file key, the nonce prefix,
// then each entry's ephemeral secret key, in that order. Empty: the system's.
// Fixed bytes are for the generator of the test kit, never for a real file.
using RandomBytes = std::function<void(unsigned char* into, size_t size)>;

// Seals everything the source gives to the recipients (1 to kMaxRecipients;
// params: only the chunk size counts).
Result sealToRecipients(Source& source, Sink& sink, const QList<PublicKey>& recipients,
                        const Params& params, base::Progress& progress,
                        const RandomBytes& random = {});

// Opens a file sealed to people with whichever identity has an entry in it:
// NotForThisIdentity when none has, and NeedsPassword for a file of the
// password kind.
Result openWithIdentities(Source& source, Sink& sink, const QList<Identity>& identities,
                          const Limits& limits, base::Progress& progress);

// What may open a sealed input: its password, its identities, or both.
struct Opener {
    std::optional<KeySource> password;
    QList<Identity> identities;
};

// Opens a sealed input of either kind, telling them apart by the version
// byte after the magic: NeedsIdentity or NeedsPassword when the opener lacks
// what its kind needs.
Result openEither(Source& source, Sink& sink, const Opener& opener, const Limits& limits,
                  base::Progress& progress);

// The version byte of a sealed input, from its first 9 bytes or more; 0 when
// there are fewer or the magic is not there.
int sealedVersion(QByteArrayView firstBytes);

} // namespace sealed
