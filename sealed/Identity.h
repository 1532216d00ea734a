#pragma once

// Keys for sealing to people (FORMAT.md, "Keys"): an identity is an X25519
// secret key, which opens what was sealed to it; its recipient is the public
// key, which anyone may hold and seal to.
//
// Both have a text form: a recipient is one lowercase line starting
// "tessera1", an identity one uppercase line starting "TESSERA-IDENTITY-1",
// each with a bech32m checksum that catches every one-character change and
// every swap of two neighbours. An identity file holds identities, with their
// recipients in comment lines; a protected one holds them sealed under a
// password with the password kind. A people file (tessera-cli's --to-file)
// holds recipients, one a line, each with an optional name in a comment.

#include "sealed/Header.h"
#include "sealed/Key.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <memory>
#include <optional>

namespace sealed {

inline constexpr qint64 kX25519KeySize = 32;
using PublicKey = std::array<unsigned char, kX25519KeySize>;

inline const QString kRecipientPrefix = QStringLiteral("tessera1");
inline const QString kIdentityPrefix = QStringLiteral("TESSERA-IDENTITY-1");
// Every recipient has this many characters; the checksum covers them all.
inline constexpr int kRecipientLength = 66;
// An identity or people file larger than this is refused unread.
inline constexpr qint64 kMaxKeyFileSize = 64 * 1024;

// A key pair. The secret key lies in libsodium's guarded memory, wiped when
// the last copy of the identity goes; copies share it.
class Identity {
public:
    // A new identity from the system's randomness; nothing when the library
    // could not start or keep the key.
    static std::optional<Identity> generate();
    // The identity of these 32 secret bytes.
    static std::optional<Identity> fromSecret(const unsigned char* secret);

    const PublicKey& recipient() const { return m_public; }
    const unsigned char* secret() const { return m_secret->data(); }

private:
    std::shared_ptr<const SecretKey> m_secret;
    PublicKey m_public{};
};

// Why a text is not a usable recipient.
enum class KeyTextProblem {
    None,
    Empty,
    IsIdentity,    // a secret key where a public one belongs: refused, never used
    NotARecipient, // does not start with tessera1 (nor is an identity)
    WrongLength,   // a character missing or added
    BadCharacter,  // a character outside the checksum's alphabet, or mixed case
    BadChecksum,   // a typo
    WeakKey,       // a public key of low order, which no key pair has
};

// Whether a public key is of low order: every secret key gives the same
// shared secret with it (zero), so X25519 refuses it.
bool isWeakKey(const unsigned char* publicKey);

// Whether a text is bech32m (BIP 350) with a valid checksum, whatever its
// human-readable part and length: the check the key texts rest on.
bool bech32mValid(const QByteArray& text);

QString recipientText(const PublicKey& key);
// The identity's secret text. The caller wipes it (base::wipe) once used.
QString identityText(const Identity& identity);

// A recipient from its text (white space around it ignored); nothing, with
// the reason in problem, when it is not one.
std::optional<PublicKey> parseRecipient(const QString& text, KeyTextProblem* problem);
// An identity from its text; nothing when it is not one.
std::optional<Identity> parseIdentity(const QString& text);

// A person of a people file: the recipient, and the name in the comment after it.
struct Person {
    PublicKey recipient{};
    QString name;
};

// The people of a people file: one recipient a line, a "#" comment after it
// naming the person; blank lines and lines that are comments are skipped.
// Nothing, with the first bad line (counting from 1) and its problem, when a
// line is not a recipient.
struct PeopleProblem {
    int line = 0;
    KeyTextProblem problem = KeyTextProblem::None;
    QString given; // the line's text before any comment, for describe()
};
std::optional<QList<Person>> parsePeople(const QByteArray& content, PeopleProblem* problem);
// A people file's text: each person's line, "recipient  # name".
QByteArray peopleFile(const QList<Person>& people);

// The text of an identity file holding this identity. With a password, its
// identity lines are sealed under it with the password kind (params: the key
// derivation's cost); the recipient stays readable in a comment either way.
Result identityFile(const Identity& identity, const QString* password, QByteArray* file,
                    const Params& params = {});

// Whether an identity file's content is protected (needs a password).
bool isProtectedIdentityFile(const QByteArray& content);

// The identities an identity file holds. A protected one is opened with the
// password (NeedsPassword without one; WrongPasswordOrDamaged for a wrong one).
// Anything but comments, blank lines and identities is refused as Unsupported;
// a recipient in their place too (it cannot open anything).
Result readIdentityFile(const QByteArray& content, const QString* password,
                        QList<Identity>* identities, const Limits& limits = {});

} // namespace sealed
