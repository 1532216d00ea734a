#include "cipher/Sealed.h"

#include "cipher/MessageFormat.h"
#include "cipher/SealedStream.h"
#include "cipher/Utf8.h"
#include "cipher/Wipe.h"

#include <algorithm>
#include <cstring>
#include <sodium.h>

namespace cipher::sealed {

static_assert(kSaltSize == crypto_pwhash_SALTBYTES);
static_assert(kKeySize == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);
static_assert(kTagSize == crypto_aead_xchacha20poly1305_ietf_ABYTES);
// The nonce is the prefix, the 8-byte chunk counter and the final-chunk byte.
static_assert(kNoncePrefixSize + 8 + 1 == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
static_assert(kHeaderSize == 8 + 1 + 1 + 4 + 8 + kSaltSize + 4 + kNoncePrefixSize);

namespace {

// Where each field of the header starts.
constexpr qint64 kVersionAt = 8;
constexpr qint64 kKdfAt = 9;
constexpr qint64 kOpslimitAt = 10;
constexpr qint64 kMemlimitAt = 14;
constexpr qint64 kSaltAt = 22;
constexpr qint64 kChunkSizeAt = 38;
constexpr qint64 kNoncePrefixAt = 42;

void putLittle(unsigned char* at, quint64 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

quint64 getLittle(const unsigned char* at, int bytes) {
    quint64 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | at[i];
    return value;
}

QString describeMemory(quint64 bytes) {
    if (bytes % (quint64(1) << 20) == 0)
        return QStringLiteral("%1 MiB").arg(bytes >> 20);
    if (bytes % 1024 == 0)
        return QStringLiteral("%1 KiB").arg(bytes >> 10);
    return QStringLiteral("%1 bytes").arg(bytes);
}

Result refuse(Status status, const QString& text) {
    return {status, text};
}

} // namespace

Params Params::fastest() {
    Params params;
    params.memlimit = crypto_pwhash_argon2id_MEMLIMIT_MIN;
    params.opslimit = crypto_pwhash_argon2id_OPSLIMIT_MIN;
    return params;
}

bool sodiumReady() {
    // sodium_init is itself safe to call from several threads; the static
    // makes the answer cheap to ask for again.
    static const bool ready = sodium_init() >= 0;
    return ready;
}

Result checkParams(quint64 memlimit, quint64 opslimit, qint64 chunkSize, const Limits& limits) {
    // Argon2 counts its memory in KiB; a size between two of them would name
    // the same key under two headers.
    if (memlimit < crypto_pwhash_argon2id_MEMLIMIT_MIN || memlimit % 1024 != 0 ||
        opslimit < crypto_pwhash_argon2id_OPSLIMIT_MIN) {
        return refuse(Status::Unsupported,
                      QStringLiteral("The file's key settings (%1 of memory, %2 passes) are not "
                                     "valid for a sealed file.")
                          .arg(describeMemory(memlimit))
                          .arg(opslimit));
    }
    if (memlimit > limits.maxMemlimit || memlimit > crypto_pwhash_argon2id_MEMLIMIT_MAX) {
        return refuse(Status::LimitsExceeded,
                      QStringLiteral("The file asks for %1 of memory to derive its key; at most "
                                     "%2 are allowed.")
                          .arg(describeMemory(memlimit), describeMemory(limits.maxMemlimit)));
    }
    if (opslimit > limits.maxOpslimit || opslimit > crypto_pwhash_argon2id_OPSLIMIT_MAX) {
        return refuse(Status::LimitsExceeded,
                      QStringLiteral("The file asks for %1 passes to derive its key; at most %2 "
                                     "are allowed.")
                          .arg(opslimit)
                          .arg(limits.maxOpslimit));
    }
    if (chunkSize < kMinChunkSize) {
        return refuse(
            Status::Unsupported,
            QStringLiteral("The file's chunk size of %1 bytes is not valid for a sealed file.")
                .arg(chunkSize));
    }
    if (chunkSize > limits.maxChunkSize || chunkSize > 0xFFFFFFFF) {
        return refuse(Status::LimitsExceeded,
                      QStringLiteral("The file's chunks of %1 bytes are larger than the %2 bytes "
                                     "allowed.")
                          .arg(chunkSize)
                          .arg(limits.maxChunkSize));
    }
    return Result::success();
}

Header newHeader(const Params& params) {
    Header header;
    header.opslimit = params.opslimit;
    header.memlimit = params.memlimit;
    header.chunkSize = params.chunkSize;
    randombytes_buf(header.salt.data(), header.salt.size());
    randombytes_buf(header.noncePrefix.data(), header.noncePrefix.size());
    return header;
}

HeaderBytes encodeHeader(const Header& header) {
    HeaderBytes bytes{};
    std::memcpy(bytes.data(), kMagic.data(), kMagic.size());
    bytes[kVersionAt] = static_cast<unsigned char>(header.version);
    bytes[kKdfAt] = static_cast<unsigned char>(header.kdf);
    putLittle(bytes.data() + kOpslimitAt, header.opslimit, 4);
    putLittle(bytes.data() + kMemlimitAt, header.memlimit, 8);
    std::memcpy(bytes.data() + kSaltAt, header.salt.data(), header.salt.size());
    putLittle(bytes.data() + kChunkSizeAt, static_cast<quint64>(header.chunkSize), 4);
    std::memcpy(bytes.data() + kNoncePrefixAt, header.noncePrefix.data(),
                header.noncePrefix.size());
    return bytes;
}

Result parseHeader(const unsigned char* data, qint64 size, const Limits& limits,
                   Header* header) {
    if (size < qint64(kMagic.size()) || std::memcmp(data, kMagic.data(), kMagic.size()) != 0)
        return refuse(Status::NotSealed, QStringLiteral("This is not a sealed file."));
    if (size < kHeaderSize)
        return refuse(Status::WrongPasswordOrDamaged, kWrongPasswordOrDamaged);
    // A later version may lay out the rest differently, so nothing after the
    // version byte is read before it is known.
    if (data[kVersionAt] != kVersion) {
        return refuse(Status::Unsupported,
                      QStringLiteral("The file was sealed in a format (version %1) that this "
                                     "version of Tessera cannot open.")
                          .arg(data[kVersionAt]));
    }
    if (data[kKdfAt] != kKdfArgon2id13) {
        return refuse(Status::Unsupported,
                      QStringLiteral("The file's key is derived in a way (number %1) that this "
                                     "version of Tessera does not know.")
                          .arg(data[kKdfAt]));
    }
    Header parsed;
    parsed.opslimit = getLittle(data + kOpslimitAt, 4);
    parsed.memlimit = getLittle(data + kMemlimitAt, 8);
    std::memcpy(parsed.salt.data(), data + kSaltAt, parsed.salt.size());
    parsed.chunkSize = static_cast<qint64>(getLittle(data + kChunkSizeAt, 4));
    std::memcpy(parsed.noncePrefix.data(), data + kNoncePrefixAt, parsed.noncePrefix.size());
    if (Result checked = checkParams(parsed.memlimit, parsed.opslimit, parsed.chunkSize, limits);
        !checked.ok())
        return checked;
    *header = parsed;
    return Result::success();
}

bool looksSealed(const QByteArray& firstBytes) {
    return firstBytes.size() >= qsizetype(kMagic.size()) &&
           std::memcmp(firstBytes.constData(), kMagic.data(), kMagic.size()) == 0;
}

Recognition recogniseFile(const QByteArray& firstBytes) {
    const qsizetype n = std::min<qsizetype>(firstBytes.size(), qsizetype(kMagic.size()));
    if (n == 0)
        return Recognition::Classic;
    int differences = 0;
    for (qsizetype i = 0; i < n; ++i)
        differences += static_cast<unsigned char>(firstBytes[i]) != kMagic[i];
    if (differences == 0)
        return n == qsizetype(kMagic.size()) ? Recognition::Sealed : Recognition::Damaged;
    if (n == qsizetype(kMagic.size()) && differences <= 2)
        return Recognition::Damaged;
    if (firstBytes.size() >= 6 && firstBytes.mid(1, 5) == "TSEAL")
        return Recognition::Damaged;
    return Recognition::Classic;
}

Recognition recogniseMessage(const QByteArray& content) {
    if (looksLikeSealedMessage(content))
        return Recognition::Sealed;
    // The first line without a byte order mark (UTF-8 or UTF-16, whose other
    // bytes are zeros here), white space and quotes, in lower case.
    QByteArrayView line(content);
    if (const qsizetype end = line.indexOf('\n'); end >= 0)
        line = line.first(end);
    for (const char* mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        if (line.startsWith(mark))
            line = line.sliced(qstrlen(mark));
    }
    static const QByteArray folded = kSealedTag.toLower().replace(' ', QByteArray());
    QByteArray seen;
    for (const char c : line) {
        if (c == '\0' || c == '"' || c == ' ' || (c >= '\t' && c <= '\r'))
            continue;
        seen += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (seen.size() > folded.size())
            return Recognition::Classic;
    }
    return seen == folded ? Recognition::Damaged : Recognition::Classic;
}

qint64 sealedSize(qint64 plainSize, qint64 chunkSize) {
    // Every full chunk, then a final one of fewer bytes (none, when the input
    // is a whole number of chunks).
    return kHeaderSize + plainSize + (plainSize / chunkSize + 1) * kTagSize;
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

SecretKey::SecretKey() {
    if (sodiumReady())
        m_data = static_cast<unsigned char*>(sodium_malloc(kKeySize));
}

SecretKey::~SecretKey() {
    // sodium_free wipes the memory before it lets it go.
    if (m_data)
        sodium_free(m_data);
}

Result deriveKey(const QString& password, const Header& header, SecretKey* key) {
    if (!sodiumReady())
        return refuse(Status::Failed, QStringLiteral("The encryption library could not start."));
    if (!key->m_data)
        return refuse(Status::Failed,
                      QStringLiteral("There was not enough memory to keep the key."));
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
        return refuse(Status::Failed,
                      QStringLiteral("There was not enough memory to derive the key (%1).")
                          .arg(describeMemory(header.memlimit)));
    }
    return Result::success();
}

// --- Messages -------------------------------------------------------------

namespace {

QByteArray quotedTag() {
    return '"' + kSealedTag + '"';
}

bool isBase64Character(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '+' || c == '/' || c == '=';
}

} // namespace

Result sealMessage(const QString& text, const QString& password, QByteArray* file,
                   const Params& params) {
    if (text.size() > kMaxMessageLength) {
        return refuse(Status::LimitsExceeded,
                      QStringLiteral("The message has %1 characters (a line break counts as two), "
                                     "and a message may have at most %2.")
                          .arg(text.size())
                          .arg(kMaxMessageLength));
    }
    QByteArray plain = text.toUtf8();
    QByteArray sealedBytes;
    sealedBytes.reserve(sealedSize(plain.size(), std::max(params.chunkSize, kMinChunkSize)));
    MemorySource source(plain);
    ByteArraySink sink(&sealedBytes);
    const Result result = seal(source, sink, password, params);
    wipe(plain);
    if (!result.ok())
        return result;

    const size_t encodedSize = sodium_base64_ENCODED_LEN(static_cast<size_t>(sealedBytes.size()),
                                                         sodium_base64_VARIANT_ORIGINAL);
    QByteArray base64(static_cast<qsizetype>(encodedSize), Qt::Uninitialized);
    sodium_bin2base64(base64.data(), encodedSize,
                      reinterpret_cast<const unsigned char*>(sealedBytes.constData()),
                      static_cast<size_t>(sealedBytes.size()), sodium_base64_VARIANT_ORIGINAL);
    base64.truncate(static_cast<qsizetype>(std::strlen(base64.constData())));

    QByteArray out;
    out.reserve(kSealedTag.size() + 4 + base64.size() +
                (base64.size() / kBase64LineLength + 1) * 2);
    appendTextLine(out, kSealedTag);
    for (qsizetype at = 0; at < base64.size(); at += kBase64LineLength) {
        out += base64.mid(at, kBase64LineLength);
        out += "\r\n";
    }
    *file = out;
    return Result::success();
}

Result openMessage(const QByteArray& file, const QString& password, QString* text,
                   const Limits& limits) {
    if (file.size() > kMaxMessageFileSize) {
        return refuse(Status::LimitsExceeded,
                      QStringLiteral("The message file is larger than a sealed message can be."));
    }
    const QByteArray tag = quotedTag();
    if (!file.startsWith(tag))
        return refuse(Status::NotSealed, QStringLiteral("This is not a sealed message."));
    const Result badEncoding{Status::BadEncoding,
                             QStringLiteral("The sealed message is damaged: its text is not "
                                            "clean base64.")};

    // The lines after the tag, each ending in CR LF or LF (the last one may
    // have lost its line end); nothing but base64 characters on them.
    QByteArray base64;
    base64.reserve(file.size());
    qsizetype pos = tag.size();
    bool firstLine = true;
    while (pos < file.size()) {
        qsizetype end = file.indexOf('\n', pos);
        const qsizetype next = end < 0 ? file.size() : end + 1;
        if (end < 0)
            end = file.size();
        if (end > pos && file[end - 1] == '\r')
            --end;
        if (firstLine) {
            // The rest of the tag line: nothing may follow the closing quote.
            if (end != pos)
                return badEncoding;
            firstLine = false;
        } else {
            if (end == pos)
                return badEncoding; // a blank line
            for (qsizetype i = pos; i < end; ++i) {
                if (!isBase64Character(file[i]))
                    return badEncoding;
            }
            base64.append(file.constData() + pos, end - pos);
        }
        pos = next;
    }
    if (base64.isEmpty())
        return refuse(Status::WrongPasswordOrDamaged, kWrongPasswordOrDamaged);

    if (!sodiumReady())
        return refuse(Status::Failed, QStringLiteral("The encryption library could not start."));
    QByteArray sealedBytes(base64.size() / 4 * 3 + 3, Qt::Uninitialized);
    size_t decoded = 0;
    const char* stop = nullptr;
    if (sodium_base642bin(reinterpret_cast<unsigned char*>(sealedBytes.data()),
                          static_cast<size_t>(sealedBytes.size()), base64.constData(),
                          static_cast<size_t>(base64.size()), nullptr, &decoded, &stop,
                          sodium_base64_VARIANT_ORIGINAL) != 0 ||
        stop != base64.constData() + base64.size()) {
        return badEncoding;
    }
    sealedBytes.truncate(static_cast<qsizetype>(decoded));

    QByteArray plain;
    // Room for the whole plaintext at once: a growing array would leave
    // unwiped copies behind in freed memory.
    plain.reserve(sealedBytes.size());
    MemorySource source(sealedBytes);
    ByteArraySink sink(&plain);
    Result result = open(source, sink, password, limits);
    if (!result.ok()) {
        wipe(plain);
        // The tag promised a sealed message: bytes without the magic under it
        // were changed, not something else.
        if (result.status == Status::NotSealed)
            return refuse(Status::WrongPasswordOrDamaged, kWrongPasswordOrDamaged);
        return result;
    }
    // A leading byte order mark is part of what was sealed, so it is kept.
    std::optional<QString> opened = decodeUtf8(plain, InitialBom::Keep);
    wipe(plain);
    if (!opened) {
        return refuse(Status::Unsupported,
                      QStringLiteral("The sealed message does not hold UTF-8 text."));
    }
    *text = std::move(*opened);
    return Result::success();
}

bool isSealedTag(const QByteArray& field) {
    return field == kSealedTag;
}

bool looksLikeSealedMessage(const QByteArray& firstBytes) {
    const QByteArray tag = quotedTag();
    if (!firstBytes.startsWith(tag))
        return false;
    return firstBytes.size() == tag.size() || firstBytes[tag.size()] == '\r' ||
           firstBytes[tag.size()] == '\n';
}

} // namespace cipher::sealed
