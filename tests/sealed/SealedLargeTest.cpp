// More than 4 GiB through the engine: sizes and positions beyond 32 bits. The
// input is made as it is read (zeros, with a few marked bytes), and the sealed
// stream goes straight from seal() to open() through a pipe in memory, so the
// test costs neither disk space nor page cache (a sparse file would fill 4 GiB
// of the cache with zeros). Skipped unless TESSERA_SLOW_TESTS=1.

#include "SealedTestSupport.h"

#include "words/Describe.h"

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

using namespace sealedtest;

namespace {

// A ring buffer between a sealing and an opening thread.
class Pipe {
public:
    void push(const char* data, qint64 size) {
        while (size > 0) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_used < kCapacity; });
            const qint64 at = (m_start + m_used) % kCapacity;
            const qint64 n = std::min({size, kCapacity - m_used, kCapacity - at});
            std::memcpy(m_ring.data() + at, data, static_cast<size_t>(n));
            m_used += n;
            data += n;
            size -= n;
            m_changed.notify_all();
        }
    }
    qint64 pop(char* data, qint64 size) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_used > 0 || m_closed; });
        const qint64 n = std::min({size, m_used, kCapacity - m_start});
        std::memcpy(data, m_ring.constData() + m_start, static_cast<size_t>(n));
        m_start = (m_start + n) % kCapacity;
        m_used -= n;
        m_changed.notify_all();
        return n;
    }
    void close() {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        m_changed.notify_all();
    }

private:
    static constexpr qint64 kCapacity = qint64(16) << 20;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    QByteArray m_ring{kCapacity, Qt::Uninitialized};
    qint64 m_start = 0;
    qint64 m_used = 0;
    bool m_closed = false;
};

// Zeros, but for the marked bytes.
class MarkedSource final : public Source {
public:
    MarkedSource(qint64 size, const std::map<qint64, char>& marks) : m_size(size), m_marks(marks) {}
    qint64 read(char* data, qint64 size) override {
        const qint64 n = std::min(size, m_size - m_pos);
        std::memset(data, 0, static_cast<size_t>(n));
        for (auto it = m_marks.lower_bound(m_pos); it != m_marks.end() && it->first < m_pos + n;
             ++it)
            data[it->first - m_pos] = it->second;
        m_pos += n;
        return n;
    }
    QString errorString() const override { return {}; }

private:
    qint64 m_size;
    const std::map<qint64, char>& m_marks;
    qint64 m_pos = 0;
};

class PipeSink final : public Sink {
public:
    explicit PipeSink(Pipe& pipe) : m_pipe(pipe) {}
    bool write(const char* data, qint64 size, base::Failure*) override {
        m_pipe.push(data, size);
        return true;
    }

private:
    Pipe& m_pipe;
};

class PipeSource final : public Source {
public:
    explicit PipeSource(Pipe& pipe) : m_pipe(pipe) {}
    qint64 read(char* data, qint64 size) override { return m_pipe.pop(data, size); }
    QString errorString() const override { return {}; }

private:
    Pipe& m_pipe;
};

// Notes where the plaintext holds anything but zeros.
class MarkSink final : public Sink {
public:
    bool write(const char* data, qint64 size, base::Failure*) override {
        static const QByteArray zeros(kDefaultChunkSize, '\0');
        for (qint64 at = 0; at < size; at += zeros.size()) {
            const qint64 n = std::min<qint64>(zeros.size(), size - at);
            if (std::memcmp(data + at, zeros.constData(), static_cast<size_t>(n)) == 0)
                continue;
            for (qint64 i = 0; i < n; ++i) {
                if (data[at + i] != 0)
                    marks[m_done + at + i] = data[at + i];
            }
        }
        m_done += size;
        return true;
    }
    qint64 done() const { return m_done; }
    std::map<qint64, char> marks;

private:
    qint64 m_done = 0;
};

TEST(SealedSlow, MoreThanFourGibibytes) {
    if (qgetenv("TESSERA_SLOW_TESTS") != "1")
        GTEST_SKIP() << "set TESSERA_SLOW_TESTS=1 to run";
    const qint64 size = (qint64(1) << 32) + 3 * kDefaultChunkSize + 123;
    const std::map<qint64, char> marks = {
        {0, 'a'}, {(qint64(1) << 32) - 1, 'b'}, {qint64(1) << 32, 'c'},
        {(qint64(1) << 32) + 2 * kDefaultChunkSize + 7, 'd'}, {size - 1, 'e'}};
    Pipe pipe;
    Result sealed;
    std::thread sealing([&] {
        MarkedSource source(size, marks);
        PipeSink sink(pipe);
        sealed = seal(source, sink, passwordKey(QStringLiteral("large")), fast());
        pipe.close();
    });
    PipeSource source(pipe);
    MarkSink sink;
    RecordingProgress control;
    const Result opened = open(source, sink, passwordKey(QStringLiteral("large")), {}, control);
    sealing.join();
    EXPECT_TRUE(sealed.ok()) << words::sentence(sealed.failure).toStdString();
    EXPECT_TRUE(opened.ok()) << words::sentence(opened.failure).toStdString();
    EXPECT_EQ(sink.done(), size);
    EXPECT_EQ(sink.marks, marks);
    EXPECT_EQ(control.last(), sealedSize(size));
}

} // namespace
