#include "sealed/Message.h"

#include "base/Utf8.h"
#include "base/Wipe.h"
#include "sealed/Key.h"
#include "sealed/Recipients.h"
#include "sealed/Recognition.h"
#include "sealed/Stream.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <sodium.h>

namespace sealed {
namespace {

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

// How one candidate's sealed bytes are opened: with a password's key, or
// with either kind's opener; nothing shows its progress.
using StreamOpener = std::function<Result(Source& source, Sink& sink, base::Progress& quiet)>;

// The sealed bytes' text, which must authenticate and be UTF-8.
Result openText(const QByteArray& sealedBytes, const StreamOpener& openStream, QString* text) {
    QByteArray plain;
    // Room for the whole plaintext at once: a growing array would leave
    // unwiped copies behind in freed memory.
    plain.reserve(sealedBytes.size());
    MemorySource source(sealedBytes);
    ByteArraySink sink(&plain);
    base::Progress quiet;
    const Result result = openStream(source, sink, quiet);
    if (!result.ok()) {
        base::wipe(plain);
        // The tag promised a sealed message: bytes without the magic under it
        // were changed, not something else.
        if (result.status == Status::NotSealed)
            return refusal(Status::WrongPasswordOrDamaged, base::Fault::WrongPasswordOrDamaged);
        return result;
    }
    // A leading byte order mark is part of what was sealed, so it is kept.
    std::optional<QString> opened = base::decodeUtf8(plain, base::InitialBom::Keep);
    base::wipe(plain);
    if (!opened)
        return refusal(Status::Unsupported, base::Fault::NotUtf8);
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
Result openFound(const FoundMessage& found, const StreamOpener& openStream, QString* text) {
    Result result;
    for (const QByteArray& candidate : found.candidates) {
        result = openText(candidate, openStream, text);
        if (result.ok() || result.status != Status::WrongPasswordOrDamaged)
            return result;
    }
    return result;
}

using StreamSealer = std::function<Result(Source& source, Sink& sink, base::Progress& quiet)>;

// The message file of the text, sealed by sealStream.
Result sealText(const QString& text, const StreamSealer& sealStream, qint64 headerSize,
                const Params& params, QByteArray* file) {
    if (text.size() > base::kMaxMessageLength) {
        return refusal(Status::LimitsExceeded, base::Fault::MessageTooLong, text.size(),
                       base::kMaxMessageLength);
    }
    QByteArray plain = text.toUtf8();
    QByteArray sealedBytes;
    sealedBytes.reserve(sealedSize(plain.size(), std::max(params.chunkSize, kMinChunkSize)) -
                        kHeaderSize + headerSize);
    MemorySource source(plain);
    ByteArraySink sink(&sealedBytes);
    base::Progress quiet;
    const Result result = sealStream(source, sink, quiet);
    base::wipe(plain);
    if (!result.ok())
        return result;
    *file = messageFile(sealedBytes);
    return Result::success();
}

// The sealed message the file holds, found wherever it stands.
Result findSealed(const QByteArray& file, FoundMessage* found) {
    if (file.size() > kMaxMessageFileSize) {
        return refusal(Status::LimitsExceeded, base::Fault::SealedMessageTooLarge);
    }
    *found = findMessage(file);
    switch (found->recognition) {
    case Recognition::Classic:
        return refusal(Status::NotSealed, base::Fault::NotSealedMessage);
    case Recognition::Damaged:
        return refusal(Status::BadEncoding, base::Fault::SealedMessageDamaged);
    case Recognition::Sealed:
        break;
    }
    return Result::success();
}

// The text of the sealed message the file holds.
Result openIn(const QByteArray& file, const StreamOpener& openStream, QString* text) {
    FoundMessage found;
    if (Result result = findSealed(file, &found); !result.ok())
        return result;
    return openFound(found, openStream, text);
}

} // namespace

Result sealMessage(const QString& text, const QString& password, QByteArray* file,
                   const Params& params) {
    return sealMessage(text, passwordKey(password), file, params);
}

Result sealMessage(const QString& text, const KeySource& key, QByteArray* file,
                   const Params& params) {
    const StreamSealer sealStream = [&](Source& source, Sink& sink, base::Progress& quiet) {
        return seal(source, sink, key, params, quiet);
    };
    return sealText(text, sealStream, kHeaderSize, params, file);
}

Result sealMessage(const QString& text, const QList<PublicKey>& recipients, QByteArray* file,
                   const Params& params) {
    const StreamSealer sealStream = [&](Source& source, Sink& sink, base::Progress& quiet) {
        return sealToRecipients(source, sink, recipients, params, quiet);
    };
    return sealText(text, sealStream, recipientsHeaderSize(recipients.size()), params, file);
}

Result openMessage(const QByteArray& file, const QString& password, QString* text,
                   const Limits& limits) {
    return openMessage(file, passwordKey(password), text, limits);
}

Result openMessage(const QByteArray& file, const KeySource& key, QString* text,
                   const Limits& limits) {
    const KeySource once = derivedOnce(key);
    const StreamOpener openStream = [&](Source& source, Sink& sink, base::Progress& quiet) {
        return open(source, sink, once, limits, quiet);
    };
    return openIn(file, openStream, text);
}

Result openMessage(const QByteArray& file, const Opener& opener, QString* text,
                   const Limits& limits) {
    Opener once = opener;
    if (opener.password)
        once.password = derivedOnce(*opener.password);
    const StreamOpener openStream = [&](Source& source, Sink& sink, base::Progress& quiet) {
        return openEither(source, sink, once, limits, quiet);
    };
    return openIn(file, openStream, text);
}

std::optional<Cost> messageCost(const QByteArray& file) {
    // The key source hears the header's cost, and derives nothing.
    std::optional<Cost> cost;
    const KeySource heard = [&cost](const Header& header, SecretKey*) {
        if (!cost)
            cost = Cost{header.opslimit, header.memlimit};
        return refusal(Status::Cancelled, base::Fault::Cancelled);
    };
    QString text;
    openMessage(file, heard, &text);
    return cost;
}

} // namespace sealed
