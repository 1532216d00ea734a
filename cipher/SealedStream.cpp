#include "cipher/SealedStream.h"

#include "cipher/ReadFully.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <sodium.h>
#include <system_error>
#include <thread>

namespace cipher::sealed {

qint64 MemorySource::read(char* data, qint64 size) {
    const qint64 n = std::min(size, m_size - m_pos);
    if (n > 0)
        std::memcpy(data, m_data + m_pos, static_cast<size_t>(n));
    m_pos += n;
    return n;
}

bool ByteArraySink::write(const char* data, qint64 size, QString* error) {
    if (size > m_cap - m_out->size()) {
        *error = QStringLiteral("the output is larger than expected");
        return false;
    }
    m_out->append(data, static_cast<qsizetype>(size));
    return true;
}

namespace {

// A batch is this many bytes of chunks: large enough that handing batches
// between the threads costs little next to enciphering them, small enough that
// three of them stay well inside the memory budget.
constexpr qint64 kBatchBytes = qint64(4) << 20;

// Batches in flight: one being written out, one being enciphered, one being read.
constexpr int kSlots = 3;

enum class Mode { Seal, Open };

// Its two calls do nothing and keep no state, so every thread may share it.
Control& quietControl() {
    static Control control;
    return control;
}

// Reads until size bytes or the end of the source; -1 on an error.
qint64 readFully(Source& source, unsigned char* data, qint64 size) {
    return cipher::readFully([&](char* into, qint64 n) { return source.read(into, n); },
                             reinterpret_cast<char*>(data), size);
}

// One batch of consecutive chunks in memory. Each chunk has a slot of a full
// record (chunk size plus tag) at a fixed place, so both threads can work on
// any chunk without looking at the others. Sealing enciphers each chunk in
// place, the tag landing after it; opening deciphers each record in place.
struct Batch {
    std::unique_ptr<unsigned char[]> data;
    qint64 used = 0; // bytes ever filled, to be wiped

    quint64 first = 0; // the counter of its first chunk
    qint64 count = 0;
    qint64 lastSize = 0; // the input size of its last chunk; the others are full
    bool final = false;  // its last chunk is the stream's final chunk
    qint64 consumed = 0; // bytes taken from the source for it

    std::atomic<qint64> next{0};     // the next chunk to claim
    std::atomic<qint64> finished{0}; // chunks done
    std::atomic<bool> failed{false}; // a chunk did not authenticate
};

class Engine {
public:
    Engine(Mode mode, const Header& header, const HeaderBytes& headerBytes, const SecretKey& key)
        : m_mode(mode), m_header(header), m_headerBytes(headerBytes), m_key(key),
          m_chunk(header.chunkSize), m_record(header.chunkSize + kTagSize),
          m_perBatch(std::max<qint64>(1, kBatchBytes / header.chunkSize)) {}

    ~Engine() {
        stopWorker();
        for (Batch& batch : m_slots) {
            if (batch.data)
                sodium_memzero(batch.data.get(), static_cast<size_t>(batch.used));
        }
    }
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // done: the bytes already consumed from the source (the header, when opening).
    Result run(Source& source, Sink& sink, Control& control, qint64 done) {
        for (quint64 k = 0;; ++k) {
            Batch& batch = slot(k);
            if (k == 0) {
                if (Result filled = fill(batch, 0, source); !filled.ok())
                    return filled;
                publish(1);
                if (!batch.final)
                    startWorker();
            }
            // Reading the next batch overlaps the worker's enciphering of this one.
            if (!batch.final) {
                Batch& following = slot(k + 1);
                waitUntilWorkerLeft(k + 1);
                if (Result filled = fill(following, batch.first + batch.count, source);
                    !filled.ok())
                    return filled;
                publish(k + 2);
            }
            work(batch);
            waitUntilFinished(batch);
            if (batch.failed.load())
                return {Status::WrongPasswordOrDamaged, kWrongPasswordOrDamaged};
            if (Result written = write(batch, sink); !written.ok())
                return written;
            done += batch.consumed;
            control.position(done);
            if (batch.final)
                return Result::success();
            if (control.cancelled())
                return {Status::Cancelled, QStringLiteral("Cancelled")};
        }
    }

private:
    Batch& slot(quint64 k) { return m_slots[k % kSlots]; }

    // Reads the chunks of one batch from the source. A short read ends the
    // stream: when sealing, a chunk of fewer bytes than the chunk size is the
    // final one; when opening, so is a record shorter than a full one, and one
    // too short to hold a tag means the file was cut.
    Result fill(Batch& batch, quint64 first, Source& source) {
        const qint64 capacity = m_perBatch * m_record;
        if (!batch.data) {
            batch.data.reset(new (std::nothrow) unsigned char[static_cast<size_t>(capacity)]);
            if (!batch.data)
                return {Status::Failed, QStringLiteral("There was not enough memory.")};
        }
        batch.first = first;
        batch.count = 0;
        batch.final = false;
        batch.consumed = 0;
        const qint64 want = m_mode == Mode::Seal ? m_chunk : m_record;
        while (batch.count < m_perBatch && !batch.final) {
            unsigned char* at = batch.data.get() + batch.count * m_record;
            const qint64 got = readFully(source, at, want);
            if (got < 0)
                return {Status::ReadFailed, source.errorString()};
            // Sealing adds the tag after the chunk, in place.
            batch.used = std::max(batch.used,
                                  std::min(capacity, batch.count * m_record + got + kTagSize));
            if (m_mode == Mode::Open && got < kTagSize)
                return {Status::WrongPasswordOrDamaged, kWrongPasswordOrDamaged};
            batch.consumed += got;
            batch.lastSize = got;
            batch.final = got < want;
            ++batch.count;
        }
        batch.next.store(0);
        batch.finished.store(0);
        batch.failed.store(false);
        return Result::success();
    }

    // Enciphers or deciphers chunk j of the batch in place.
    bool process(const Batch& batch, qint64 j) {
        unsigned char* at = batch.data.get() + j * m_record;
        const bool last = j == batch.count - 1;
        const qint64 size = last ? batch.lastSize : (m_mode == Mode::Seal ? m_chunk : m_record);
        std::array<unsigned char, crypto_aead_xchacha20poly1305_ietf_NPUBBYTES> nonce{};
        std::memcpy(nonce.data(), m_header.noncePrefix.data(), m_header.noncePrefix.size());
        const quint64 counter = batch.first + static_cast<quint64>(j);
        for (int i = 0; i < 8; ++i)
            nonce[kNoncePrefixSize + i] = static_cast<unsigned char>(counter >> (8 * i));
        nonce[kNoncePrefixSize + 8] = (last && batch.final) ? 1 : 0;
        if (m_mode == Mode::Seal) {
            crypto_aead_xchacha20poly1305_ietf_encrypt(
                at, nullptr, at, static_cast<unsigned long long>(size), m_headerBytes.data(),
                m_headerBytes.size(), nullptr, nonce.data(), m_key.data());
            return true;
        }
        return crypto_aead_xchacha20poly1305_ietf_decrypt(
                   at, nullptr, nullptr, at, static_cast<unsigned long long>(size),
                   m_headerBytes.data(), m_headerBytes.size(), nonce.data(), m_key.data()) == 0;
    }

    // Claims and processes chunks of the batch until none is left. Both threads
    // run this on the same batch; the one finishing its last chunk wakes the
    // thread waiting to write it.
    void work(Batch& batch) {
        for (;;) {
            const qint64 j = batch.next.fetch_add(1);
            if (j >= batch.count)
                return;
            if (!process(batch, j))
                batch.failed.store(true);
            if (batch.finished.fetch_add(1) + 1 == batch.count) {
                std::lock_guard lock(m_mutex);
                m_changed.notify_all();
            }
        }
    }

    void waitUntilFinished(Batch& batch) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return batch.finished.load() == batch.count; });
    }

    Result write(const Batch& batch, Sink& sink) {
        QString error;
        for (qint64 j = 0; j < batch.count; ++j) {
            const unsigned char* at = batch.data.get() + j * m_record;
            const qint64 inputSize = j == batch.count - 1 ? batch.lastSize
                                                          : (m_mode == Mode::Seal ? m_chunk
                                                                                  : m_record);
            const qint64 size = m_mode == Mode::Seal ? inputSize + kTagSize : inputSize - kTagSize;
            if (size > 0 && !sink.write(reinterpret_cast<const char*>(at), size, &error))
                return {Status::WriteFailed, error};
        }
        return Result::success();
    }

    // The worker takes the batches in order as they are published.
    void startWorker() {
        try {
            m_worker = std::thread([this] { workerLoop(); });
        } catch (const std::system_error&) {
            // No second thread: the calling thread does all the chunks itself.
        }
    }

    void workerLoop() {
        for (quint64 k = 0;; ++k) {
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_published > k || m_closing; });
                if (m_closing)
                    return;
            }
            work(slot(k));
            {
                std::lock_guard lock(m_mutex);
                m_workerLeft = k + 1;
            }
            m_changed.notify_all();
        }
    }

    void publish(quint64 batches) {
        {
            std::lock_guard lock(m_mutex);
            m_published = batches;
        }
        m_changed.notify_all();
    }

    // Batch k goes into the slot of batch k - 3; the worker may still be about
    // to look at that one's counters, so the slot is refilled only once the
    // worker has moved past it.
    void waitUntilWorkerLeft(quint64 k) {
        if (k < kSlots || !m_worker.joinable())
            return;
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_workerLeft >= k - kSlots + 1; });
    }

    void stopWorker() {
        if (!m_worker.joinable())
            return;
        {
            std::lock_guard lock(m_mutex);
            m_closing = true;
        }
        m_changed.notify_all();
        m_worker.join();
    }

    const Mode m_mode;
    const Header& m_header;
    const HeaderBytes& m_headerBytes;
    const SecretKey& m_key;
    const qint64 m_chunk;
    const qint64 m_record;
    const qint64 m_perBatch;

    Batch m_slots[kSlots];
    std::mutex m_mutex;
    std::condition_variable m_changed;
    quint64 m_published = 0;  // batches ready for the worker
    quint64 m_workerLeft = 0; // batches the worker is done with
    bool m_closing = false;
    std::thread m_worker;
};

} // namespace

Result seal(Source& source, Sink& sink, const QString& password, const Params& params,
            Control& control) {
    if (!sodiumReady())
        return {Status::Failed, QStringLiteral("The encryption library could not start.")};
    // A writer makes only files that a reader with the default limits opens.
    if (Result checked = checkParams(params.memlimit, params.opslimit, params.chunkSize, {});
        !checked.ok())
        return checked;
    if (control.cancelled())
        return {Status::Cancelled, QStringLiteral("Cancelled")};
    const Header header = newHeader(params);
    const HeaderBytes headerBytes = encodeHeader(header);
    SecretKey key;
    if (Result derived = deriveKey(password, header, &key); !derived.ok())
        return derived;
    if (control.cancelled())
        return {Status::Cancelled, QStringLiteral("Cancelled")};
    QString error;
    if (!sink.write(reinterpret_cast<const char*>(headerBytes.data()), kHeaderSize, &error))
        return {Status::WriteFailed, error};
    Engine engine(Mode::Seal, header, headerBytes, key);
    return engine.run(source, sink, control, 0);
}

Result seal(Source& source, Sink& sink, const QString& password, const Params& params) {
    return seal(source, sink, password, params, quietControl());
}

Result open(Source& source, Sink& sink, const QString& password, const Limits& limits,
            Control& control) {
    if (!sodiumReady())
        return {Status::Failed, QStringLiteral("The encryption library could not start.")};
    HeaderBytes headerBytes{};
    const qint64 got = readFully(source, headerBytes.data(), kHeaderSize);
    if (got < 0)
        return {Status::ReadFailed, source.errorString()};
    Header header;
    if (Result parsed = parseHeader(headerBytes.data(), got, limits, &header); !parsed.ok())
        return parsed;
    if (control.cancelled())
        return {Status::Cancelled, QStringLiteral("Cancelled")};
    SecretKey key;
    if (Result derived = deriveKey(password, header, &key); !derived.ok())
        return derived;
    if (control.cancelled())
        return {Status::Cancelled, QStringLiteral("Cancelled")};
    Engine engine(Mode::Open, header, headerBytes, key);
    return engine.run(source, sink, control, kHeaderSize);
}

Result open(Source& source, Sink& sink, const QString& password, const Limits& limits) {
    return open(source, sink, password, limits, quietControl());
}

} // namespace cipher::sealed
