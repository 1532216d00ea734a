#include "sealed/Identity.h"

#include "base/Wipe.h"
#include "sealed/Message.h"

#include <QByteArrayView>
#include <QStringList>
#include <cstring>
#include <sodium.h>

namespace sealed {

static_assert(kX25519KeySize == crypto_scalarmult_BYTES);
static_assert(kX25519KeySize == crypto_scalarmult_SCALARBYTES);

namespace {

// ---- bech32m (BIP 350) --------------------------------------------------------

constexpr char kAlphabet[] = "qpzry9x8gf2tvdw0s3jn54khce6mua7l";
constexpr quint32 kBech32mConstant = 0x2bc830a3;
constexpr int kChecksumLength = 6;

const QByteArray kRecipientHrp = QByteArrayLiteral("tessera");
const QByteArray kIdentityHrp = QByteArrayLiteral("tessera-identity-");

quint32 polymod(const QByteArray& values) {
    static constexpr quint32 kGenerator[5] = {0x3b6a57b2, 0x26508e6d, 0x1ea119fa, 0x3d4233dd,
                                              0x2a1462b3};
    quint32 check = 1;
    for (const char value : values) {
        const quint32 top = check >> 25;
        check = ((check & 0x1ffffff) << 5) ^ static_cast<unsigned char>(value);
        for (int i = 0; i < 5; ++i) {
            if ((top >> i) & 1)
                check ^= kGenerator[i];
        }
    }
    return check;
}

// The human-readable part as the checksum sees it: its high bits, a zero, its low bits.
QByteArray expandHrp(const QByteArray& hrp) {
    QByteArray out;
    for (const char c : hrp)
        out += static_cast<char>(static_cast<unsigned char>(c) >> 5);
    out += '\0';
    for (const char c : hrp)
        out += static_cast<char>(c & 31);
    return out;
}

// 32 bytes as 5-bit groups, the last one padded with zero bits.
QByteArray toGroups(const unsigned char* bytes, size_t size) {
    QByteArray groups;
    quint32 buffer = 0;
    int bits = 0;
    for (size_t i = 0; i < size; ++i) {
        buffer = (buffer << 8) | bytes[i];
        for (bits += 8; bits >= 5; bits -= 5)
            groups += static_cast<char>((buffer >> (bits - 5)) & 31);
    }
    if (bits > 0)
        groups += static_cast<char>((buffer << (5 - bits)) & 31);
    buffer = 0;
    return groups;
}

// The key of 5-bit groups; false when they do not make exactly one key with
// zero padding.
bool fromGroups(QByteArrayView groups, PublicKey* key) {
    quint32 buffer = 0;
    int bits = 0;
    size_t at = 0;
    for (const char group : groups) {
        buffer = (buffer << 5) | static_cast<unsigned char>(group);
        bits += 5;
        if (bits >= 8) {
            bits -= 8;
            if (at == key->size())
                return false;
            (*key)[at++] = static_cast<unsigned char>(buffer >> bits);
        }
    }
    const bool exact = at == key->size() && bits < 5 && (buffer & ((1u << bits) - 1)) == 0;
    buffer = 0;
    return exact;
}

// hrp "1" groups checksum, in lower case.
QByteArray encode(const QByteArray& hrp, const unsigned char* bytes) {
    QByteArray groups = toGroups(bytes, kX25519KeySize);
    QByteArray checked = expandHrp(hrp) + groups + QByteArray(kChecksumLength, '\0');
    const quint32 mod = polymod(checked) ^ kBech32mConstant;
    QByteArray out = hrp + '1';
    for (const char group : groups)
        out += kAlphabet[static_cast<unsigned char>(group)];
    for (int i = 0; i < kChecksumLength; ++i)
        out += kAlphabet[(mod >> (5 * (kChecksumLength - 1 - i))) & 31];
    base::wipe(groups);
    base::wipe(checked);
    return out;
}

// The key of a lower-case text hrp "1" groups checksum.
KeyTextProblem decode(const QByteArray& text, const QByteArray& hrp, PublicKey* key) {
    const qsizetype dataLength = text.size() - hrp.size() - 1;
    if (dataLength != (kX25519KeySize * 8 + 4) / 5 + kChecksumLength)
        return KeyTextProblem::WrongLength;
    QByteArray values = expandHrp(hrp);
    for (qsizetype i = hrp.size() + 1; i < text.size(); ++i) {
        const char* found = text[i] ? std::strchr(kAlphabet, text[i]) : nullptr;
        if (!found) {
            base::wipe(values);
            return KeyTextProblem::BadCharacter;
        }
        values += static_cast<char>(found - kAlphabet);
    }
    KeyTextProblem problem = KeyTextProblem::BadChecksum;
    if (polymod(values) == kBech32mConstant) {
        const QByteArrayView groups =
            QByteArrayView(values).sliced(expandHrp(hrp).size()).chopped(kChecksumLength);
        if (fromGroups(groups, key))
            problem = KeyTextProblem::None;
    }
    base::wipe(values);
    return problem;
}

// ---- keys -----------------------------------------------------------------------

} // namespace

bool bech32mValid(const QByteArray& given) {
    const QByteArray text = given.toLower();
    const qsizetype separator = text.lastIndexOf('1');
    if ((given != text && given != given.toUpper()) || separator < 1 ||
        separator + 1 + kChecksumLength > text.size())
        return false;
    const QByteArray hrp = text.first(separator);
    QByteArray values = expandHrp(hrp);
    for (const char c : hrp) {
        if (c < 33 || c > 126)
            return false;
    }
    for (qsizetype i = separator + 1; i < text.size(); ++i) {
        const char* found = text[i] ? std::strchr(kAlphabet, text[i]) : nullptr;
        if (!found)
            return false;
        values += static_cast<char>(found - kAlphabet);
    }
    return polymod(values) == kBech32mConstant;
}

bool isWeakKey(const unsigned char* publicKey) {
    // Any scalar will do: X25519 clears its low bits, so a key of low order
    // gives zero, which it refuses, whatever the scalar.
    unsigned char scalar[crypto_scalarmult_SCALARBYTES] = {1};
    unsigned char shared[crypto_scalarmult_BYTES];
    const bool refused = crypto_scalarmult(shared, scalar, publicKey) != 0;
    sodium_memzero(shared, sizeof shared);
    return refused;
}

std::optional<Identity> Identity::fromSecret(const unsigned char* secret) {
    auto key = std::make_shared<SecretKey>();
    if (!sodiumReady() || !key->assign(secret))
        return std::nullopt;
    Identity identity;
    if (crypto_scalarmult_base(identity.m_public.data(), key->data()) != 0)
        return std::nullopt;
    identity.m_secret = std::move(key);
    return identity;
}

std::optional<Identity> Identity::generate() {
    if (!sodiumReady())
        return std::nullopt;
    unsigned char secret[kX25519KeySize];
    randombytes_buf(secret, sizeof secret);
    std::optional<Identity> identity = fromSecret(secret);
    sodium_memzero(secret, sizeof secret);
    return identity;
}

QString recipientText(const PublicKey& key) {
    return QString::fromLatin1(encode(kRecipientHrp, key.data()));
}

QString identityText(const Identity& identity) {
    QByteArray text = encode(kIdentityHrp, identity.secret()).toUpper();
    const QString out = QString::fromLatin1(text);
    base::wipe(text);
    return out;
}

std::optional<PublicKey> parseRecipient(const QString& given, KeyTextProblem* problem) {
    const QString text = given.trimmed();
    *problem = KeyTextProblem::None;
    if (text.isEmpty())
        *problem = KeyTextProblem::Empty;
    else if (text.startsWith(kIdentityPrefix, Qt::CaseInsensitive))
        *problem = KeyTextProblem::IsIdentity;
    else if (!text.startsWith(kRecipientPrefix, Qt::CaseInsensitive))
        *problem = KeyTextProblem::NotARecipient;
    else if (text != text.toLower() && text != text.toUpper())
        *problem = KeyTextProblem::BadCharacter; // mixed case
    PublicKey key{};
    if (*problem == KeyTextProblem::None)
        *problem = decode(text.toLower().toLatin1(), kRecipientHrp, &key);
    if (*problem == KeyTextProblem::None && isWeakKey(key.data()))
        *problem = KeyTextProblem::WeakKey;
    if (*problem != KeyTextProblem::None)
        return std::nullopt;
    return key;
}

std::optional<Identity> parseIdentity(const QString& given) {
    const QString text = given.trimmed();
    if (!text.startsWith(kIdentityPrefix, Qt::CaseInsensitive) ||
        (text != text.toLower() && text != text.toUpper()))
        return std::nullopt;
    QByteArray lower = text.toLower().toLatin1();
    PublicKey secret{};
    std::optional<Identity> identity;
    if (decode(lower, kIdentityHrp, &secret) == KeyTextProblem::None)
        identity = Identity::fromSecret(secret.data());
    base::wipe(lower);
    base::wipe(secret.data(), secret.size());
    return identity;
}

} // namespace sealed
