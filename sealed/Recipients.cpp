#include "sealed/Recipients.h"

#include "io/ReadFully.h"
#include "sealed/Hkdf.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <sodium.h>

namespace sealed {

static_assert(kX25519KeySize == crypto_aead_chacha20poly1305_ietf_KEYBYTES);
static_assert(kEntrySize == kX25519KeySize + kKeySize + crypto_aead_chacha20poly1305_ietf_ABYTES);
static_assert(kHeaderMacSize == crypto_auth_hmacsha256_BYTES);
static_assert(kRecipientsFixedSize == 8 + 1 + 1 + 4 + kNoncePrefixSize + 2);

namespace {

// Where the fields of the fixed part start.
constexpr qint64 kEntryKindAt = 9;
constexpr qint64 kChunkSizeAt = 10;
constexpr qint64 kNoncePrefixAt = 14;
constexpr qint64 kEntryCountAt = 29;

// The info of each HKDF, so that no two keys are ever the same.
constexpr char kWrapInfo[] = "tessera sealed x25519";
constexpr char kMacInfo[] = "tessera sealed header";
constexpr char kPayloadInfo[] = "tessera sealed payload";

// 32 bytes that are wiped when they go.
struct Wiped {
    unsigned char bytes[kKeySize];
    ~Wiped() { sodium_memzero(bytes, sizeof bytes); }
    std::span<unsigned char> span() { return bytes; }
    ByteView view() const { return bytes; }
};

ByteView info(const char* text) {
    return {reinterpret_cast<const unsigned char*>(text), std::strlen(text)};
}

ByteView view(const QByteArray& bytes, qint64 at, qint64 size) {
    return {reinterpret_cast<const unsigned char*>(bytes.constData()) + at, size_t(size)};
}

const Result kFailed = refusal(Status::Failed, base::Fault::LibraryFailed);
const Result kCutShort = refusal(Status::Cut, base::Fault::RecipientsHeaderCut);

// The header's MAC over everything before it, under a key from the file key.
bool headerMac(const Wiped& fileKey, const QByteArray& header, qint64 size, unsigned char* mac) {
    Wiped macKey;
    if (!hkdfSha256(macKey.span(), fileKey.view(), {}, info(kMacInfo)))
        return false;
    crypto_auth_hmacsha256(mac, view(header, 0, size).data(), size_t(size), macKey.bytes);
    return true;
}

// The records' key: from the file key, salted with the nonce prefix.
bool payloadKey(const Wiped& fileKey, const QByteArray& header, SecretKey* key) {
    Wiped derived;
    return hkdfSha256(derived.span(), fileKey.view(),
                      view(header, kNoncePrefixAt, kNoncePrefixSize), info(kPayloadInfo)) &&
           key->assign(derived.bytes);
}

// The key that wraps the file key in an entry: from the shared secret of the
// ephemeral key and the recipient's, salted with both public keys.
bool wrappingKey(const Wiped& shared, ByteView ephemeral, const PublicKey& recipient, Wiped* wrap) {
    unsigned char salt[2 * kX25519KeySize];
    std::copy(ephemeral.begin(), ephemeral.end(), salt);
    std::copy(recipient.begin(), recipient.end(), salt + kX25519KeySize);
    return hkdfSha256(wrap->span(), shared.view(), salt, info(kWrapInfo));
}

// ---- Writing ----------------------------------------------------------------------

void putLittle(QByteArray* out, quint64 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out->append(static_cast<char>(value >> (8 * i)));
}

// One entry for a recipient: the ephemeral public key, the wrapped file key.
bool appendEntry(QByteArray* header, const Wiped& fileKey, const PublicKey& recipient,
                 const RandomBytes& random) {
    Wiped ephemeral, shared, wrap;
    random(ephemeral.bytes, sizeof ephemeral.bytes);
    unsigned char entry[kEntrySize];
    if (crypto_scalarmult_base(entry, ephemeral.bytes) != 0 ||
        crypto_scalarmult(shared.bytes, ephemeral.bytes, recipient.data()) != 0 ||
        !wrappingKey(shared, ByteView(entry, kX25519KeySize), recipient, &wrap))
        return false;
    static const unsigned char zeroNonce[crypto_aead_chacha20poly1305_ietf_NPUBBYTES] = {};
    crypto_aead_chacha20poly1305_ietf_encrypt(entry + kX25519KeySize, nullptr, fileKey.bytes,
                                              kKeySize, nullptr, 0, nullptr, zeroNonce, wrap.bytes);
    header->append(reinterpret_cast<const char*>(entry), kEntrySize);
    return true;
}

// The whole header for the recipients, its MAC last.
bool makeHeader(const Wiped& fileKey, const QList<PublicKey>& recipients, qint64 chunkSize,
                const RandomBytes& random, QByteArray* header) {
    header->reserve(recipientsHeaderSize(recipients.size()));
    header->append(reinterpret_cast<const char*>(kMagic.data()), kMagic.size());
    header->append(char(kRecipientsVersion));
    header->append(char(kEntryKindX25519));
    putLittle(header, quint64(chunkSize), 4);
    header->resize(kNoncePrefixAt + kNoncePrefixSize);
    random(reinterpret_cast<unsigned char*>(header->data()) + kNoncePrefixAt, kNoncePrefixSize);
    putLittle(header, quint64(recipients.size()), 2);
    for (const PublicKey& recipient : recipients) {
        if (!appendEntry(header, fileKey, recipient, random))
            return false;
    }
    unsigned char mac[kHeaderMacSize];
    if (!headerMac(fileKey, *header, header->size(), mac))
        return false;
    header->append(reinterpret_cast<const char*>(mac), kHeaderMacSize);
    return true;
}

Result checkRecipients(const QList<PublicKey>& recipients, const Params& params) {
    if (recipients.isEmpty())
        return refusal(Status::Unsupported, base::Fault::NoRecipientGiven);
    if (recipients.size() > kMaxRecipients) {
        return refusal(Status::LimitsExceeded, base::Fault::TooManyRecipients, recipients.size(),
                       kMaxRecipients);
    }
    for (qsizetype i = 0; i < recipients.size(); ++i) {
        if (isWeakKey(recipients[i].data())) {
            return refusal(Status::Unsupported, base::Fault::UnusableRecipient, i + 1);
        }
    }
    // The key settings are not this kind's; only the chunk size is checked.
    return checkChunkSize(params.chunkSize, {});
}

// ---- Reading ----------------------------------------------------------------------

quint64 getLittle(const QByteArray& bytes, qint64 at, int size) {
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The fixed part's fields, checked in the order FORMAT.md gives.
Result checkFixedPart(const QByteArray& fixed, const Limits& limits) {
    const int version = sealedVersion(fixed);
    if (version == 0)
        return refusal(Status::NotSealed, base::Fault::NotSealedFile);
    if (version == kVersion)
        return refusal(Status::NeedsPassword, base::Fault::SealedWithPassword);
    if (version != kRecipientsVersion)
        return refusal(Status::Unsupported, base::Fault::UnknownVersion, version);
    if (fixed.size() < kRecipientsFixedSize)
        return kCutShort;
    if (fixed[kEntryKindAt] != kEntryKindX25519) {
        return refusal(Status::Unsupported, base::Fault::UnknownRecipientKind,
                       static_cast<unsigned char>(fixed[kEntryKindAt]));
    }
    const qint64 chunkSize = qint64(getLittle(fixed, kChunkSizeAt, 4));
    if (Result checked = checkChunkSize(chunkSize, limits); !checked.ok())
        return checked;
    const quint64 count = getLittle(fixed, kEntryCountAt, 2);
    if (count == 0)
        return refusal(Status::WrongPasswordOrDamaged, base::Fault::ListsNoRecipient);
    if (count > quint64(kMaxRecipients)) {
        return refusal(Status::LimitsExceeded, base::Fault::ListsTooManyRecipients, qint64(count),
                       kMaxRecipients);
    }
    return Result::success();
}

// The whole header: its fixed part checked, then the entries and the MAC.
Result readHeader(Source& source, const Limits& limits, QByteArray* header) {
    const auto read = [&](char* into, qint64 n) { return source.read(into, n); };
    header->resize(kRecipientsFixedSize);
    const qint64 got = io::readFully(read, header->data(), kRecipientsFixedSize);
    if (got < 0)
        return {Status::ReadFailed, base::failure(base::Fault::SystemError, source.errorString())};
    header->truncate(got);
    if (Result checked = checkFixedPart(*header, limits); !checked.ok())
        return checked;
    const qint64 size = recipientsHeaderSize(qint64(getLittle(*header, kEntryCountAt, 2)));
    header->resize(size);
    const qint64 rest = io::readFully(read, header->data() + got, size - got);
    if (rest < 0)
        return {Status::ReadFailed, base::failure(base::Fault::SystemError, source.errorString())};
    return rest == size - got ? Result::success() : kCutShort;
}

int entryCount(const QByteArray& header) {
    return int(getLittle(header, kEntryCountAt, 2));
}

ByteView ephemeralKey(const QByteArray& header, int entry) {
    return view(header, kRecipientsFixedSize + entry * kEntrySize, kX25519KeySize);
}

enum class Unwrapped { Found, None, Forged };

// The file key, from the first entry that one of the identities opens.
Unwrapped unwrap(const QByteArray& header, const QList<Identity>& identities, Wiped* fileKey) {
    static const unsigned char zeroNonce[crypto_aead_chacha20poly1305_ietf_NPUBBYTES] = {};
    for (int entry = 0; entry < entryCount(header); ++entry) {
        const ByteView ephemeral = ephemeralKey(header, entry);
        const unsigned char* wrapped = ephemeral.data() + kX25519KeySize;
        for (const Identity& identity : identities) {
            Wiped shared, wrap;
            if (crypto_scalarmult(shared.bytes, identity.secret(), ephemeral.data()) != 0)
                return Unwrapped::Forged;
            if (!wrappingKey(shared, ephemeral, identity.recipient(), &wrap))
                continue;
            if (crypto_aead_chacha20poly1305_ietf_decrypt(fileKey->bytes, nullptr, nullptr, wrapped,
                                                          kEntrySize - kX25519KeySize, nullptr, 0,
                                                          zeroNonce, wrap.bytes) == 0)
                return Unwrapped::Found;
        }
    }
    return Unwrapped::None;
}

bool anyWeakEntry(const QByteArray& header) {
    for (int entry = 0; entry < entryCount(header); ++entry) {
        if (isWeakKey(ephemeralKey(header, entry).data()))
            return true;
    }
    return false;
}

// The records' key, once an identity has unwrapped the file key and the
// header's MAC has been checked with it.
Result unlock(const QByteArray& header, const QList<Identity>& identities, SecretKey* key) {
    if (anyWeakEntry(header)) {
        return refusal(Status::WrongPasswordOrDamaged, base::Fault::ForgedKey);
    }
    Wiped fileKey;
    if (unwrap(header, identities, &fileKey) != Unwrapped::Found) {
        return refusal(Status::NotForThisIdentity, base::Fault::NotForThisIdentity,
                       identities.size());
    }
    const qint64 macAt = header.size() - kHeaderMacSize;
    unsigned char mac[kHeaderMacSize];
    if (!headerMac(fileKey, header, macAt, mac))
        return kFailed;
    if (sodium_memcmp(mac, header.constData() + macAt, kHeaderMacSize) != 0) {
        return refusal(Status::WrongPasswordOrDamaged, base::Fault::RecipientsChanged);
    }
    return payloadKey(fileKey, header, key) ? Result::success() : kFailed;
}

// Hands out bytes already read from a source, then the rest of the source.
class Replay final : public Source {
public:
    Replay(const unsigned char* first, qint64 size, Source& rest)
        : m_first(first), m_size(size), m_rest(rest) {}
    qint64 read(char* data, qint64 size) override {
        if (m_pos == m_size)
            return m_rest.read(data, size);
        const qint64 n = std::min(size, m_size - m_pos);
        std::memcpy(data, m_first + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 remaining() const override {
        const qint64 rest = m_rest.remaining();
        return rest < 0 ? -1 : rest + m_size - m_pos;
    }
    QString errorString() const override { return m_rest.errorString(); }

private:
    const unsigned char* m_first;
    qint64 m_size;
    qint64 m_pos = 0;
    Source& m_rest;
};

} // namespace

Result sealToRecipients(Source& source, Sink& sink, const QList<PublicKey>& recipients,
                        const Params& params, base::Progress& progress, const RandomBytes& random) {
    if (!sodiumReady())
        return refusal(Status::Failed, base::Fault::LibraryUnavailable);
    if (Result checked = checkRecipients(recipients, params); !checked.ok())
        return checked;
    const RandomBytes draw = random ? random : RandomBytes(randombytes_buf);
    Wiped fileKey;
    draw(fileKey.bytes, sizeof fileKey.bytes);
    QByteArray header;
    SecretKey key;
    if (!makeHeader(fileKey, recipients, params.chunkSize, draw, &header) ||
        !payloadKey(fileKey, header, &key))
        return kFailed;
    if (progress.cancelled())
        return refusal(Status::Cancelled, base::Fault::Cancelled);
    base::Failure error;
    if (!sink.write(header.constData(), header.size(), &error))
        return {Status::WriteFailed, error};
    RecordLayout layout{header, params.chunkSize, {}};
    std::memcpy(layout.noncePrefix.data(), header.constData() + kNoncePrefixAt, kNoncePrefixSize);
    return sealRecords(source, sink, layout, key, progress);
}

Result openWithIdentities(Source& source, Sink& sink, const QList<Identity>& identities,
                          const Limits& limits, base::Progress& progress) {
    if (!sodiumReady())
        return refusal(Status::Failed, base::Fault::LibraryUnavailable);
    QByteArray header;
    if (Result read = readHeader(source, limits, &header); !read.ok())
        return read;
    if (identities.isEmpty()) {
        return refusal(Status::NeedsIdentity, base::Fault::NeedsIdentity);
    }
    SecretKey key;
    if (Result unlocked = unlock(header, identities, &key); !unlocked.ok())
        return unlocked;
    if (progress.cancelled())
        return refusal(Status::Cancelled, base::Fault::Cancelled);
    RecordLayout layout{header, qint64(getLittle(header, kChunkSizeAt, 4)), {}};
    std::memcpy(layout.noncePrefix.data(), header.constData() + kNoncePrefixAt, kNoncePrefixSize);
    return openRecords(source, sink, layout, key, progress);
}

Result openEither(Source& source, Sink& sink, const Opener& opener, const Limits& limits,
                  base::Progress& progress) {
    unsigned char first[kMagic.size() + 1];
    const qint64 got = io::readFully([&](char* into, qint64 n) { return source.read(into, n); },
                                     reinterpret_cast<char*>(first), sizeof first);
    if (got < 0)
        return {Status::ReadFailed, base::failure(base::Fault::SystemError, source.errorString())};
    Replay replay(first, got, source);
    if (sealedVersion(QByteArrayView(first, got)) == kRecipientsVersion)
        return openWithIdentities(replay, sink, opener.identities, limits, progress);
    if (opener.password)
        return open(replay, sink, *opener.password, limits, progress);
    // Everything about the header is checked first, as a password would have it.
    const KeySource none = [](const Header&, SecretKey*) {
        return refusal(Status::NeedsPassword, base::Fault::SealedWithPassword);
    };
    return open(replay, sink, none, limits, progress);
}

int sealedVersion(QByteArrayView firstBytes) {
    if (firstBytes.size() <= qsizetype(kMagic.size()) ||
        std::memcmp(firstBytes.data(), kMagic.data(), kMagic.size()) != 0)
        return 0;
    return static_cast<unsigned char>(firstBytes[kMagic.size()]);
}

} // namespace sealed
