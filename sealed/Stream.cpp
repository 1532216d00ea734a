#include "sealed/Stream.h"

#include "io/ChunkPipeline.h"
#include "io/ReadFully.h"
#include "sealed/Key.h"
#include "sealed/Records.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <sodium.h>

namespace sealed {

namespace {

// A batch is this many bytes of chunks: large enough that handing batches
// between the threads costs little next to enciphering them, small enough that
// three of them stay well inside the memory budget.
constexpr qint64 kBatchBytes = qint64(4) << 20;

enum class Mode { Seal, Open };

// Chunk i of the file as a record: sealed or opened under the key, with the
// whole header as associated data and a nonce of the prefix, the counter and
// the final flag.
class Records {
public:
    Records(const RecordLayout& layout, const SecretKey& key)
        : m_ad(reinterpret_cast<const unsigned char*>(layout.header.data())),
          m_adSize(size_t(layout.header.size())), m_prefix(layout.noncePrefix), m_key(key) {}

    // In place: size bytes of plain data become the record (size + kTagSize).
    qint64 seal(quint64 index, unsigned char* data, qint64 size, bool final) const {
        const auto nonce = nonceOf(index, final);
        if (!sealRecord(m_key.data(), nonce.data(), m_ad, m_adSize, data, size_t(size)))
            return -1;
        return size + kTagSize;
    }

    // In place: a record becomes its plain data; -1 when it does not authenticate.
    qint64 open(quint64 index, unsigned char* data, qint64 size, bool final) const {
        const auto nonce = nonceOf(index, final);
        if (!openRecord(m_key.data(), nonce.data(), m_ad, m_adSize, data, size_t(size)))
            return -1;
        return size - kTagSize;
    }

private:
    std::array<unsigned char, kRecordNonceSize> nonceOf(quint64 index, bool final) const {
        std::array<unsigned char, kRecordNonceSize> nonce{};
        std::memcpy(nonce.data(), m_prefix.data(), m_prefix.size());
        for (int i = 0; i < 8; ++i)
            nonce[kNoncePrefixSize + i] = static_cast<unsigned char>(index >> (8 * i));
        nonce[kNoncePrefixSize + 8] = final ? 1 : 0;
        return nonce;
    }

    const unsigned char* m_ad;
    const size_t m_adSize;
    const std::array<unsigned char, kNoncePrefixSize> m_prefix;
    const SecretKey& m_key;
};

// Counts the bytes taken from the source from an offset: the header read
// before the records.
class Offset final : public base::Progress {
public:
    Offset(base::Progress& display, qint64 offset)
        : base::Progress(display.cancelToken()), m_display(display), m_offset(offset) {}
    void setPosition(qint64 done) override { m_display.setPosition(m_offset + done); }

private:
    base::Progress& m_display;
    qint64 m_offset;
};

using KeyMaker = std::function<Result(SecretKey* key)>;

// The records of the whole stream, through the pipeline: the key is derived
// on the worker while the first chunks are read.
Result runRecords(Mode mode, Source& source, Sink& sink, const KeyMaker& keyMaker,
                  const RecordLayout& layout, base::Progress& progress) {
    SecretKey key;
    const Records records(layout, key);
    const qint64 chunk = layout.chunkSize;
    io::ChunkPipeline::Shape shape;
    shape.inputChunk = mode == Mode::Seal ? chunk : chunk + kTagSize;
    shape.outputChunk = chunk + kTagSize;
    shape.chunksPerBatch = std::max<qint64>(1, kBatchBytes / chunk);
    shape.expectedInput = source.remaining();
    Result derived = Result::success();
    Offset counted(progress, mode == Mode::Open ? layout.header.size() : 0);
    const io::ChunkPipeline::Result run = io::ChunkPipeline(shape, counted).run(
        source,
        [&](quint64 index, unsigned char* data, qint64 size, bool final) {
            return mode == Mode::Seal ? records.seal(index, data, size, final)
                                      : records.open(index, data, size, final);
        },
        sink,
        [&] {
            derived = keyMaker(&key);
            return derived.ok();
        });
    using Status_ = io::ChunkPipeline::Status;
    switch (run.status) {
    case Status_::Done:
        return Result::success();
    case Status_::ReadFailed:
        return {Status::ReadFailed, base::failure(base::Fault::SystemError, source.errorString())};
    case Status_::Refused:
        if (mode == Mode::Seal)
            return refusal(Status::Failed, base::Fault::LibraryFailed);
        return refusal(Status::WrongPasswordOrDamaged, base::Fault::WrongPasswordOrDamaged);
    case Status_::WriteFailed:
        return {Status::WriteFailed, run.failure};
    case Status_::Cancelled:
        return refusal(Status::Cancelled, base::Fault::Cancelled);
    case Status_::Failed:
        break;
    }
    return derived.ok() ? Result{Status::Failed, run.failure} : derived;
}

RecordLayout layoutOf(const HeaderBytes& headerBytes, const Header& header) {
    return {QByteArrayView(reinterpret_cast<const char*>(headerBytes.data()), kHeaderSize),
            header.chunkSize, header.noncePrefix};
}

// The key given whole, lent to the records.
KeyMaker lent(const SecretKey& given) {
    return [&given](SecretKey* key) {
        key->borrow(given);
        return Result::success();
    };
}

} // namespace

Result sealRecords(Source& source, Sink& sink, const RecordLayout& layout, const SecretKey& key,
                   base::Progress& progress) {
    return runRecords(Mode::Seal, source, sink, lent(key), layout, progress);
}

Result openRecords(Source& source, Sink& sink, const RecordLayout& layout, const SecretKey& key,
                   base::Progress& progress) {
    return runRecords(Mode::Open, source, sink, lent(key), layout, progress);
}

Result seal(Source& source, Sink& sink, const KeySource& key, const Params& params,
            base::Progress& progress) {
    if (!sodiumReady())
        return refusal(Status::Failed, base::Fault::LibraryUnavailable);
    // A writer makes only files that a reader with the default limits opens.
    if (Result checked = checkParams(params.memlimit, params.opslimit, params.chunkSize, {});
        !checked.ok())
        return checked;
    if (progress.cancelled())
        return refusal(Status::Cancelled, base::Fault::Cancelled);
    const Header header = newHeader(params);
    const HeaderBytes headerBytes = encodeHeader(header);
    base::Failure error;
    if (!sink.write(reinterpret_cast<const char*>(headerBytes.data()), kHeaderSize, &error))
        return {Status::WriteFailed, error};
    return runRecords(
        Mode::Seal, source, sink, [&](SecretKey* derived) { return key(header, derived); },
        layoutOf(headerBytes, header), progress);
}

Result open(Source& source, Sink& sink, const KeySource& key, const Limits& limits,
            base::Progress& progress) {
    if (!sodiumReady())
        return refusal(Status::Failed, base::Fault::LibraryUnavailable);
    HeaderBytes headerBytes{};
    const qint64 got = io::readFully(
        [&](char* into, qint64 n) { return source.read(into, n); },
        reinterpret_cast<char*>(headerBytes.data()), kHeaderSize);
    if (got < 0)
        return {Status::ReadFailed, base::failure(base::Fault::SystemError, source.errorString())};
    Header header;
    if (Result parsed = parseHeader(headerBytes.data(), got, limits, &header); !parsed.ok())
        return parsed;
    if (progress.cancelled())
        return refusal(Status::Cancelled, base::Fault::Cancelled);
    return runRecords(
        Mode::Open, source, sink, [&](SecretKey* derived) { return key(header, derived); },
        layoutOf(headerBytes, header), progress);
}

} // namespace sealed
