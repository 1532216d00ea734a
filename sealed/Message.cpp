#include "sealed/Message.h"

#include "base/Utf8.h"
#include "base/Wipe.h"
#include "sealed/Key.h"
#include "sealed/Stream.h"

#include <algorithm>
#include <cstring>
#include <sodium.h>

namespace sealed {
namespace {

Result refuse(Status status, const QString& text) {
    return {status, text};
}

QByteArray quotedTag() {
    return '"' + kSealedTag + '"';
}

const Result kBadEncoding{Status::BadEncoding,
                          QStringLiteral("The sealed message is damaged: its text is not clean "
                                         "base64.")};

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

// The base64 of the lines after the tag, each ending in CR LF or LF (the last
// one may have lost its line end), with nothing but base64 characters on them.
Result collectBase64(const QByteArray& file, QByteArray* base64) {
    base64->reserve(file.size());
    qsizetype pos = quotedTag().size();
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
                return kBadEncoding;
            firstLine = false;
        } else {
            if (end == pos)
                return kBadEncoding; // a blank line
            // Whether it holds base64 alone, the decoder says.
            base64->append(file.constData() + pos, end - pos);
        }
        pos = next;
    }
    if (base64->isEmpty())
        return refuse(Status::WrongPasswordOrDamaged, kWrongPasswordOrDamaged);
    return Result::success();
}

// Canonical padded base64 to bytes.
Result decodeBase64(const QByteArray& base64, QByteArray* bytes) {
    if (!sodiumReady())
        return refuse(Status::Failed, QStringLiteral("The encryption library could not start."));
    bytes->resize(base64.size() / 4 * 3 + 3);
    size_t decoded = 0;
    const char* stop = nullptr;
    if (sodium_base642bin(reinterpret_cast<unsigned char*>(bytes->data()),
                          static_cast<size_t>(bytes->size()), base64.constData(),
                          static_cast<size_t>(base64.size()), nullptr, &decoded, &stop,
                          sodium_base64_VARIANT_ORIGINAL) != 0 ||
        stop != base64.constData() + base64.size()) {
        return kBadEncoding;
    }
    bytes->truncate(static_cast<qsizetype>(decoded));
    return Result::success();
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
    if (!file.startsWith(quotedTag()))
        return refuse(Status::NotSealed, QStringLiteral("This is not a sealed message."));
    QByteArray base64;
    QByteArray sealedBytes;
    Result result = collectBase64(file, &base64);
    if (result.ok())
        result = decodeBase64(base64, &sealedBytes);
    if (result.ok())
        result = openText(sealedBytes, key, limits, text);
    return result;
}

Recognition recogniseMessage(const QByteArray& content) {
    if (looksLikeSealedMessage(content))
        return Recognition::Sealed;
    // The first line (up to its first CR or LF: a lone CR ends a line too),
    // without a byte order mark (UTF-8 or UTF-16, whose other bytes are zeros
    // here), white space and quotes, in lower case.
    QByteArrayView line(content);
    for (const char end : {'\n', '\r'}) {
        if (const qsizetype at = line.indexOf(end); at >= 0)
            line = line.first(at);
    }
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

} // namespace sealed
