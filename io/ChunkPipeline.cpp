#include "io/ChunkPipeline.h"

#include "base/ThreadName.h"
#include "base/Wipe.h"
#include "io/ReadFully.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace io {
namespace {

// A batch's chunks are claimed one at a time by whichever thread is free. The
// claim counter carries the number of the batch the slot holds in its high
// bits, so that a thread that looked at a slot just before it was refilled
// never claims a chunk of the new batch early.
constexpr int kIndexBits = 32;
constexpr quint64 kIndexMask = (quint64(1) << kIndexBits) - 1;

quint64 claimWord(quint64 batch, quint64 index) {
    return (batch << kIndexBits) | index;
}

// One batch of consecutive chunks. Each chunk has a room of outputChunk bytes
// at a fixed place, so that both threads can work on any of them.
struct Batch {
    std::unique_ptr<unsigned char[]> data;
    qint64 capacity = 0;  // chunks it has room for
    qint64 allocated = 0; // bytes
    qint64 used = 0;      // bytes ever filled, to be wiped

    quint64 number = 0;  // which batch of the stream it holds
    quint64 first = 0;   // the stream index of its first chunk
    // Read by a thread that looks for work while the slot may be refilled.
    std::atomic<qint64> count{0};
    bool final = false;  // its last chunk is the stream's last
    qint64 consumed = 0; // input bytes it took
    qint64 through = 0;  // input bytes of the stream up to its end
    std::vector<qint64> sizes; // per chunk: input size, then output size (-1: refused)

    std::atomic<quint64> claim{claimWord(~quint64(0) >> kIndexBits, kIndexMask)};
    std::atomic<qint64> done{0};
};

const ChunkPipeline::Result kNoFailure{ChunkPipeline::Status::Done, {}};

} // namespace

class ChunkPipeline::Run {
public:
    Run(const Shape& shape, base::Progress& progress, Source& source, const Transform& transform,
        Sink& sink, const Prepare& prepare)
        : m_shape(shape), m_progress(progress), m_source(source), m_transform(transform),
          m_sink(sink), m_prepare(prepare), m_slots(static_cast<size_t>(std::max(1, shape.batches))),
          m_chunksPerBatch(batchChunks(shape)) {}

    ~Run() {
        stop(kNoFailure);
        if (m_worker.joinable())
            m_worker.join();
        for (Batch& batch : m_slots) {
            if (batch.data)
                base::wipe(batch.data.get(), static_cast<size_t>(batch.used));
        }
    }

    Result run() {
        if (fitsOneBatch() || !startWorker())
            return alone();
        return front();
    }

private:
    // How many chunks a batch holds: fewer when the whole input needs fewer.
    static qint64 batchChunks(const Shape& shape) {
        qint64 chunks = std::max<qint64>(1, shape.chunksPerBatch);
        if (shape.expectedInput >= 0)
            chunks = std::min(chunks, shape.expectedInput / shape.inputChunk + 1);
        return chunks;
    }

    bool fitsOneBatch() const {
        return m_shape.expectedInput >= 0 &&
               m_shape.expectedInput / m_shape.inputChunk + 1 <= m_chunksPerBatch;
    }

    Batch& slot(quint64 number) { return m_slots[number % m_slots.size()]; }

    // ---- On the calling thread alone --------------------------------------

    Result alone() {
        if (m_prepare && !m_prepare())
            return {Status::Failed, {}};
        for (quint64 number = 0;; ++number) {
            if (m_progress.cancelled())
                return {Status::Cancelled, {}};
            Batch& batch = slot(number);
            if (Result filled = fill(batch, number); !filled.ok())
                return filled;
            publish(batch, number);
            while (claimAndTransform(number)) {
            }
            if (Result written = writeOut(batch); !written.ok())
                return written;
            m_progress.setPosition(batch.through);
            if (batch.final)
                return {Status::Done, {}};
        }
    }

    // ---- Two threads ---------------------------------------------------------

    bool startWorker() {
        try {
            m_worker = std::thread([this] {
                base::nameThisThread("tessera-chunks");
                worker();
            });
            return true;
        } catch (const std::system_error&) {
            return false; // no second thread: the calling thread does all
        }
    }

    // Reads ahead while there is room, transforms while there is work, and
    // waits for the worker otherwise; reports progress as batches are written.
    Result front() {
        quint64 reading = 0;
        quint64 reported = 0; // batches whose position the display has heard
        bool readAll = false;
        for (;;) {
            reported = report(reported);
            if (m_progress.cancelled())
                stop({Status::Cancelled, {}});
            if (stopped())
                break;
            // A slot is refilled only once its batch's position was reported.
            if (!readAll && reading < reported + m_slots.size()) {
                Batch& batch = slot(reading);
                if (Result filled = fill(batch, reading); !filled.ok()) {
                    stop(filled);
                    break;
                }
                readAll = batch.final;
                publish(batch, reading++);
                continue;
            }
            if (transformAny())
                continue;
            const quint64 written = m_written.load();
            if (readAll && written == reading)
                break;
            waitForChange(written, !readAll);
        }
        stop(kNoFailure);
        m_worker.join();
        if (m_failure.ok())
            report(reported);
        return m_failure;
    }

    // The position after each batch written since the last report, in turn.
    quint64 report(quint64 reported) {
        for (const quint64 written = m_written.load(); reported < written; ++reported)
            m_progress.setPosition(slot(reported).through);
        return reported;
    }

    // Derives what the transforms need first, then writes each batch in turn
    // once it is whole and transforms chunks meanwhile.
    void worker() {
        if (m_prepare && !m_prepare()) {
            stop({Status::Failed, {}});
            return;
        }
        {
            std::lock_guard lock(m_mutex);
            m_prepared.store(true);
        }
        m_changed.notify_all();
        while (!stopped()) {
            if (m_progress.cancelled()) {
                stop({Status::Cancelled, {}});
                return;
            }
            const quint64 next = m_written.load();
            if (next < m_published.load() && slot(next).done.load() == slot(next).count) {
                if (Result written = writeOut(slot(next)); !written.ok()) {
                    stop(written);
                    return;
                }
                {
                    std::lock_guard lock(m_mutex);
                    m_written.store(next + 1);
                }
                m_changed.notify_all();
                continue;
            }
            if (transformAny())
                continue;
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] {
                const quint64 w = m_written.load();
                return m_stopping || (w < m_published.load() && slot(w).done.load() == slot(w).count) ||
                       hasUnclaimed();
            });
        }
    }

    // ---- The steps -----------------------------------------------------------

    bool hasRoomFor(quint64 number) const { return number < m_written.load() + m_slots.size(); }

    // A one-chunk input known to be short: its buffer is its size (and one
    // byte more, to see whether it is longer than it was said to be).
    qint64 shortInput() const {
        const qint64 expected = m_shape.expectedInput;
        return m_chunksPerBatch == 1 && expected >= 0 && expected < m_shape.inputChunk ? expected + 1
                                                                                        : -1;
    }

    bool allocate(Batch& batch, qint64 bytes) {
        std::unique_ptr<unsigned char[]> data(new (std::nothrow) unsigned char[size_t(bytes)]);
        if (!data)
            return false;
        if (batch.data) {
            std::memcpy(data.get(), batch.data.get(), size_t(batch.used));
            base::wipe(batch.data.get(), size_t(batch.used));
        }
        batch.data = std::move(data);
        batch.allocated = bytes;
        return true;
    }

    // Reads the chunks of one batch. A short read ends the stream.
    Result fill(Batch& batch, quint64 number) {
        const qint64 room = m_shape.outputChunk;
        const qint64 growth = m_shape.outputChunk - m_shape.inputChunk;
        const qint64 small = shortInput();
        if (!batch.data) {
            batch.capacity = m_chunksPerBatch;
            if (!allocate(batch, small >= 0 ? small + growth : batch.capacity * room))
                return {Status::Failed, base::failure(base::Fault::OutOfMemory)};
            batch.sizes.resize(static_cast<size_t>(batch.capacity));
        }
        batch.number = number;
        batch.first = m_nextChunk;
        batch.final = false;
        batch.consumed = 0;
        qint64 count = 0;
        while (count < batch.capacity && !batch.final) {
            const qint64 want = small >= 0 ? small : m_shape.inputChunk;
            qint64 got = readInto(batch, count * room, want);
            if (got == want && want < m_shape.inputChunk) {
                // Longer than it was said to be: the whole room after all.
                if (!allocate(batch, room))
                    return {Status::Failed, base::failure(base::Fault::OutOfMemory)};
                const qint64 more = readInto(batch, got, m_shape.inputChunk - got);
                got = more < 0 ? more : got + more;
            }
            if (got < 0)
                return {Status::ReadFailed, {}};
            batch.sizes[static_cast<size_t>(count)] = got;
            batch.consumed += got;
            batch.final = got < m_shape.inputChunk;
            ++count;
        }
        batch.count.store(count);
        m_nextChunk += static_cast<quint64>(count);
        m_bytesRead += batch.consumed;
        batch.through = m_bytesRead;
        return {Status::Done, {}};
    }

    // Reads up to size bytes to the offset of the batch's buffer; fewer only
    // at the end, -1 on an error.
    qint64 readInto(Batch& batch, qint64 offset, qint64 size) {
        const qint64 got = readFully([&](char* into, qint64 n) { return m_source.read(into, n); },
                                     reinterpret_cast<char*>(batch.data.get() + offset), size);
        const qint64 growth = m_shape.outputChunk - m_shape.inputChunk;
        const qint64 filled = offset + std::max<qint64>(got, 0) + growth;
        batch.used = std::min(batch.allocated, std::max(batch.used, filled));
        return got;
    }

    void publish(Batch& batch, quint64 number) {
        batch.done.store(0);
        batch.claim.store(claimWord(number, 0));
        {
            std::lock_guard lock(m_mutex);
            m_published.store(number + 1);
        }
        m_changed.notify_all();
    }

    // Claims and transforms one chunk of any batch that has one left.
    bool transformAny() {
        if (!m_prepared.load())
            return false;
        for (quint64 number = m_written.load(); number < m_published.load(); ++number) {
            if (claimAndTransform(number))
                return true;
        }
        return false;
    }

    bool hasUnclaimed() {
        if (!m_prepared.load())
            return false;
        for (quint64 number = m_written.load(); number < m_published.load(); ++number) {
            const Batch& batch = slot(number);
            const quint64 word = batch.claim.load();
            if ((word >> kIndexBits) == number && qint64(word & kIndexMask) < batch.count)
                return true;
        }
        return false;
    }

    bool claimAndTransform(quint64 number) {
        Batch& batch = slot(number);
        quint64 word = batch.claim.load();
        for (;;) {
            if ((word >> kIndexBits) != number || qint64(word & kIndexMask) >= batch.count)
                return false;
            if (batch.claim.compare_exchange_weak(word, word + 1))
                break;
        }
        const qint64 j = qint64(word & kIndexMask);
        const bool final = batch.final && j == batch.count - 1;
        qint64& size = batch.sizes[static_cast<size_t>(j)];
        size = m_transform(batch.first + static_cast<quint64>(j),
                           batch.data.get() + j * m_shape.outputChunk, size, final);
        if (batch.done.fetch_add(1) + 1 == batch.count) {
            std::lock_guard lock(m_mutex);
            m_changed.notify_all();
        }
        return true;
    }

    // Writes a whole batch in order; a refused chunk stops the run before any
    // of its batch is written.
    Result writeOut(const Batch& batch) {
        for (qint64 j = 0; j < batch.count; ++j) {
            if (batch.sizes[static_cast<size_t>(j)] < 0)
                return {Status::Refused, {}};
        }
        base::Failure error;
        for (qint64 j = 0; j < batch.count; ++j) {
            const qint64 size = batch.sizes[static_cast<size_t>(j)];
            const char* at = reinterpret_cast<const char*>(batch.data.get() + j * m_shape.outputChunk);
            if (size > 0 && !m_sink.write(at, size, &error))
                return {m_progress.cancelled() ? Status::Cancelled : Status::WriteFailed, error};
        }
        return {Status::Done, {}};
    }

    // Until a batch is written, there is room to read into, or a chunk to
    // transform.
    void waitForChange(quint64 written, bool reading) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] {
            return m_stopping || m_written.load() != written ||
                   (reading && hasRoomFor(m_published.load())) || hasUnclaimed();
        });
    }

    // Stops both threads; the first failure is the one reported.
    void stop(const Result& failure) {
        {
            std::lock_guard lock(m_mutex);
            if (!m_stopping && failure.status != Status::Done)
                m_failure = failure;
            m_stopping = true;
        }
        m_changed.notify_all();
    }

    bool stopped() {
        std::lock_guard lock(m_mutex);
        return m_stopping;
    }

    const Shape m_shape;
    base::Progress& m_progress;
    Source& m_source;
    const Transform& m_transform;
    Sink& m_sink;
    const Prepare& m_prepare;
    std::vector<Batch> m_slots;
    const qint64 m_chunksPerBatch;
    quint64 m_nextChunk = 0; // the caller's: the index of the next chunk to read
    qint64 m_bytesRead = 0;  // the caller's: input bytes read so far

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::atomic<quint64> m_published{0}; // batches read
    std::atomic<quint64> m_written{0};   // batches written
    std::atomic<bool> m_prepared{false};
    bool m_stopping = false;
    Result m_failure = kNoFailure;
    std::thread m_worker;
};

ChunkPipeline::ChunkPipeline(const Shape& shape, base::Progress& progress)
    : m_shape(shape), m_progress(progress) {}

ChunkPipeline::Result ChunkPipeline::run(Source& source, const Transform& transform, Sink& sink,
                                         const Prepare& prepare) {
    Run run(m_shape, m_progress, source, transform, sink, prepare);
    return run.run();
}

} // namespace io
