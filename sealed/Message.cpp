#include "sealed/Message.h"

#include "base/Utf8.h"
#include "base/Wipe.h"
#include "sealed/Key.h"
#include "sealed/Recognition.h"
#include "sealed/Stream.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <sodium.h>

namespace sealed {
namespace {

Result refuse(Status status, const QString& text) {
    return {status, text};
}

QByteArray quotedTag() {
    return '"' + kSealedTag + '"';
}

// The tag line, then the bytes in base64, 64 characters a line.
QByteArray messageFile(const QByteArray& sealedBytes) {
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
    out += quotedTag() + "\r\n";
    for (qsizetype at = 0; at < base64.size(); at += kBase64LineLength) {
        out += base64.mid(at, kBase64LineLength);
        out += "\r\n";
    }
    return out;
}

// The sealed bytes' text, which must authenticate and be UTF-8.
Result openText(const QByteArray& sealedBytes, const KeySource& key, const Limits& limits,
                QString* text) {
    QByteArray plain;
    // Room for the whole plaintext at once: a growing array would leave
    // unwiped copies behind in freed memory.
    plain.reserve(sealedBytes.size());
    MemorySource source(sealedBytes);
    ByteArraySink sink(&plain);
    base::Progress quiet;
    const Result result = open(source, sink, key, limits, quiet);
    if (!result.ok()) {
        base::wipe(plain);
        // The tag promised a sealed message: bytes without the magic under it
        // were changed, not something else.
        if (result.status == Status::NotSealed)
            return refuse(Status::WrongPasswordOrDamaged, kWrongPasswordOrDamaged);
        return result;
    }
    // A leading byte order mark is part of what was sealed, so it is kept.
    std::optional<QString> opened = base::decodeUtf8(plain, base::InitialBom::Keep);
    base::wipe(plain);
    if (!opened)
        return refuse(Status::Unsupported, QStringLiteral("The sealed message does not hold UTF-8 text."));
    *text = std::move(*opened);
    return Result::success();
}

// The key of the first candidate, derived once: every candidate has the
// same header, and a derivation costs a noticeable moment.
KeySource derivedOnce(const KeySource& key) {
    struct Kept {
        SecretKey key;
        std::optional<HeaderBytes> header;
        Result result;
    };
    auto kept = std::make_shared<Kept>();
    return [key, kept](const Header& header, SecretKey* out) {
        const HeaderBytes bytes = encodeHeader(header);
        if (kept->header != bytes) {
            kept->result = key(header, &kept->key);
            kept->header = bytes;
        }
        if (kept->result.ok())
            out->borrow(kept->key);
        return kept->result;
    };
}

// Each candidate in turn, until one authenticates.
Result openFound(const FoundMessage& found, const KeySource& key, const Limits& limits,
                 QString* text) {
    const KeySource once = derivedOnce(key);
    Result result;
    for (const QByteArray& candidate : found.candidates) {
        result = openText(candidate, once, limits, text);
        if (result.ok() || result.status != Status::WrongPasswordOrDamaged)
            return result;
    }
    return result;
}

} // namespace

Result sealMessage(const QString& text, const QString& password, QByteArray* file,
                   const Params& params) {
    return sealMessage(text, passwordKey(password), file, params);
}

Result sealMessage(const QString& text, const KeySource& key, QByteArray* file,
                   const Params& params) {
    if (text.size() > base::kMaxMessageLength) {
        return refuse(Status::LimitsExceeded,
                      QStringLiteral("The message has %1 characters (a line break counts as two), "
                                     "and a message may have at most %2.")
                          .arg(text.size())
                          .arg(base::kMaxMessageLength));
    }
    QByteArray plain = text.toUtf8();
    QByteArray sealedBytes;
    sealedBytes.reserve(sealedSize(plain.size(), std::max(params.chunkSize, kMinChunkSize)));
    MemorySource source(plain);
    ByteArraySink sink(&sealedBytes);
    base::Progress quiet;
    const Result result = seal(source, sink, key, params, quiet);
    base::wipe(plain);
    if (!result.ok())
        return result;
    *file = messageFile(sealedBytes);
    return Result::success();
}

Result openMessage(const QByteArray& file, const QString& password, QString* text,
                   const Limits& limits) {
    return openMessage(file, passwordKey(password), text, limits);
}

Result openMessage(const QByteArray& file, const KeySource& key, QString* text,
                   const Limits& limits) {
    if (file.size() > kMaxMessageFileSize) {
        return refuse(Status::LimitsExceeded,
                      QStringLiteral("The message file is larger than a sealed message can be."));
    }
    const FoundMessage found = findMessage(file);
    switch (found.recognition) {
    case Recognition::Classic:
        return refuse(Status::NotSealed, QStringLiteral("This is not a sealed message."));
    case Recognition::Damaged:
        return refuse(Status::BadEncoding, QStringLiteral("The sealed message is damaged."));
    case Recognition::Sealed:
        break;
    }
    return openFound(found, key, limits, text);
}

std::optional<Cost> messageCost(const QByteArray& file) {
    // The key source hears the header's cost, and derives nothing.
    std::optional<Cost> cost;
    const KeySource heard = [&cost](const Header& header, SecretKey*) {
        if (!cost)
            cost = Cost{header.opslimit, header.memlimit};
        return Result{Status::Cancelled, QStringLiteral("Cancelled")};
    };
    QString text;
    openMessage(file, heard, &text);
    return cost;
}

} // namespace sealed
