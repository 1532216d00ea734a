#include "filecipher/FileCipher.h"

#include "cipher/CodePage.h"
#include "cipher/OutputFile.h"
#include "cipher/Password.h"
#include "cipher/ReadFully.h"
#include "cipher/Sealed.h"
#include "cipher/Wipe.h"
#include "filecipher/SealedPass.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <thread>
#include <sodium.h>
#include <vector>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#endif

namespace filecipher {
namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The pass's memory in one piece: the key stream and the block buffers. On
// Linux it asks for large pages, so that the copies into and out of it, most of
// the pass's work, need fewer address translations.
class Workspace {
public:
    static constexpr std::size_t kAlignment = std::size_t(2) << 20;

    explicit Workspace(std::size_t size)
        : m_size((size + kAlignment - 1) / kAlignment * kAlignment),
          m_data(
              static_cast<std::uint8_t*>(::operator new (m_size, std::align_val_t{kAlignment}))) {
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
        ::madvise(m_data, m_size, MADV_HUGEPAGE);
#endif
    }
    // It held the key and the plain data: wiped before it goes.
    ~Workspace() {
        sodium_memzero(m_data, m_used);
        ::operator delete (m_data, std::align_val_t{kAlignment});
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // The next size bytes, starting on a cache line.
    std::uint8_t* take(std::size_t size) {
        std::uint8_t* part = m_data + m_used;
        m_used += (size + 63) / 64 * 64;
        Q_ASSERT(m_used <= m_size);
        return part;
    }

private:
    std::size_t m_size;
    std::uint8_t* m_data;
    std::size_t m_used = 0;
};

// The key codes for a whole pass, laid out once: the password's codes repeated
// for one block plus one password length, so that the key of any block, at
// whatever password position it starts, is one contiguous run. Deciphering
// stores (256 - p) mod 256 in place of p, so both directions add.
class RepeatedKey {
public:
    // The bytes a key stream takes for blocks of up to blockSize bytes.
    static std::size_t sizeFor(qint64 passwordLength, qint64 blockSize) {
        return static_cast<std::size_t>(blockSize + passwordLength - 1);
    }

    RepeatedKey(const QByteArray& codes, Direction direction, qint64 blockSize, Workspace& memory)
        : m_length(codes.size()), m_size(sizeFor(m_length, blockSize)),
          m_codes(memory.take(m_size)) {
        for (qint64 i = 0; i < m_length; ++i) {
            const auto p = static_cast<std::uint8_t>(codes[i]);
            m_codes[i] = direction == Direction::Encipher ? p : static_cast<std::uint8_t>(-p);
        }
        // Doubling what is there keeps the period, since the first copy starts
        // after whole passwords.
        for (std::size_t filled = static_cast<std::size_t>(m_length); filled < m_size;) {
            const std::size_t copied = std::min(filled, m_size - filled);
            std::memcpy(m_codes + filled, m_codes, copied);
            filled += copied;
        }
    }

    // The key of the byte at a 0-based offset of the file, and of those after it.
    const std::uint8_t* at(qint64 offset) const { return m_codes + offset % m_length; }

private:
    qint64 m_length;
    std::size_t m_size;
    std::uint8_t* m_codes;
};

// data[i] = (data[i] + key[i]) mod 256. The runs of a fixed 64 bytes over
// pointers that cannot overlap let the compiler make each run a few vector
// additions, even where it vectorises only loops of a known length (-O2).
void addKey(std::uint8_t* __restrict data, const std::uint8_t* __restrict key, std::size_t n) {
    constexpr std::size_t kRun = 64;
    std::size_t i = 0;
    for (; i + kRun <= n; i += kRun) {
        for (std::size_t j = 0; j < kRun; ++j)
            data[i + j] = static_cast<std::uint8_t>(data[i + j] + key[i + j]);
    }
    for (; i < n; ++i)
        data[i] = static_cast<std::uint8_t>(data[i] + key[i]);
}

// Writes the enciphered blocks on a thread of its own, so that writing one
// block and reading the next overlap. A few buffers go round: the pass fills a
// free one, queues it, and the writer hands it back once it is written. The
// output file belongs to the writer until finish() or abandon() returns.
class BlockWriter {
public:
    // Enough for one block being filled, one being written and some slack.
    static constexpr qint64 kBuffers = 4;

    // How many buffers a file of so many blocks needs.
    static qint64 buffersFor(qint64 blocks) { return std::min(kBuffers, blocks); }

    // blockSize: the longest block; blocks: how many the file has.
    BlockWriter(cipher::OutputFile& output, qint64 blockSize, qint64 blocks, Workspace& memory,
                const PassHost& host)
        : m_output(output), m_host(host) {
        for (qint64 i = 0; i < buffersFor(blocks); ++i)
            m_free.push_back(memory.take(static_cast<std::size_t>(blockSize)));
        m_thread = std::thread([this] { run(); });
    }
    ~BlockWriter() { abandon(); }
    BlockWriter(const BlockWriter&) = delete;
    BlockWriter& operator=(const BlockWriter&) = delete;

    // A buffer of one block to fill; waits while every buffer is queued.
    // Nothing once a write has failed, or when the host cancels while it
    // waits (a reader of a FIFO that stalls keeps every buffer queued).
    std::uint8_t* freeBuffer() {
        std::unique_lock lock(m_mutex);
        while (m_free.empty() && !m_failed) {
            if (m_host.cancelRequested())
                return nullptr;
            m_changed.wait_for(lock, std::chrono::milliseconds(50));
        }
        if (m_failed)
            return nullptr;
        std::uint8_t* buffer = m_free.back();
        m_free.pop_back();
        return buffer;
    }

    void submit(std::uint8_t* buffer, qint64 size) {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back({buffer, size});
        }
        m_changed.notify_all();
    }

    // Waits until every queued block is written; false, with the cause, when
    // one could not be.
    bool finish(QString* error) {
        stop(false);
        if (m_failed)
            *error = m_error;
        return !m_failed;
    }

    // Stops at once; what is still queued is not written.
    void abandon() { stop(true); }

private:
    struct Block {
        std::uint8_t* data;
        qint64 size;
    };

    void run() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return !m_queue.empty() || m_closing; });
            if (m_queue.empty() || m_failed)
                return;
            const Block block = m_queue.front();
            m_queue.pop_front();
            lock.unlock();
            QString error;
            const bool written =
                m_output.write(reinterpret_cast<const char*>(block.data), block.size, &error);
            lock.lock();
            m_free.push_back(block.data);
            if (!written) {
                m_failed = true;
                m_error = error;
            }
            m_changed.notify_all();
            if (m_failed)
                return;
        }
    }

    void stop(bool dropQueued) {
        if (!m_thread.joinable())
            return;
        {
            std::lock_guard lock(m_mutex);
            if (dropQueued)
                m_queue.clear();
            m_closing = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

    cipher::OutputFile& m_output;
    const PassHost& m_host;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::uint8_t*> m_free;
    std::deque<Block> m_queue;
    bool m_closing = false;
    bool m_failed = false;
    QString m_error;
    std::thread m_thread;
};

// Moves the host's position no more often than the eye can follow.
class Progress {
public:
    explicit Progress(PassHost& host) : m_host(host) {}
    void move(qint64 done) {
        if (m_moved && m_clock.elapsed() < kProgressInterval)
            return;
        m_host.setPosition(done);
        m_clock.start();
        m_moved = true;
    }

private:
    PassHost& m_host;
    QElapsedTimer m_clock;
    bool m_moved = false;
};

QString verbOf(Direction direction) {
    return direction == Direction::Encipher ? QStringLiteral("encrypt") : QStringLiteral("decrypt");
}

// What is wrong with the input, seen without opening it.
std::optional<QString> inputRefusal(const PassRequest& request) {
    const QString verb = verbOf(request.direction);
    if (request.input.isEmpty())
        return QStringLiteral("Enter the name of the file to %1.").arg(verb);
    const QFileInfo input(request.input);
    if (!input.exists())
        return QStringLiteral("The file \"%1\" could not be found.").arg(shown(request.input));
    if (input.isDir())
        return QStringLiteral("\"%1\" is a folder, not a file.").arg(shown(request.input));
    // A device or a pipe has no length to set the progress range from, and
    // reading one could go on for ever.
    if (!input.isFile())
        return QStringLiteral("\"%1\" is not an ordinary file.").arg(shown(request.input));
    if (!input.isReadable())
        return QStringLiteral("You may not read the file \"%1\".").arg(shown(request.input));
    return std::nullopt;
}

// Every other reason to refuse a pass, seen before anything is written. A
// sealed pass takes an empty input (a sealed empty file is valid) and any
// character in the password; the classic cipher takes neither.
std::optional<QString> refusal(const PassRequest& request, qint64 inputSize, bool sealed) {
    if (!sealed && inputSize <= 0) {
        return QStringLiteral("The file \"%1\" is empty: there is nothing to %2.")
            .arg(shown(request.input), verbOf(request.direction));
    }
    if (request.password.isEmpty())
        return QStringLiteral("Enter a password first.");
    if (auto problem = sealed ? cipher::sealedPasswordProblem(request.password)
                              : cipher::passwordProblem(request.password)) {
        problem->replace(0, 1, problem->at(0).toUpper());
        return *problem + QLatin1Char('.');
    }
    if (request.output.isEmpty())
        return QStringLiteral("Enter the name of the copy to create.");
    if (const auto problem = cipher::checkOutput(request.output)) {
        using Kind = cipher::OutputProblem::Kind;
        if (problem->kind == Kind::Folder)
            return QStringLiteral("\"%1\" is a folder, not a file.").arg(shown(request.output));
        if (problem->kind == Kind::MissingFolder)
            return QStringLiteral("The folder \"%1\" does not exist.").arg(problem->folder);
        return QStringLiteral("The file \"%1\" cannot be written: %2.")
            .arg(shown(request.output), problem->text);
    }
    return std::nullopt;
}

// A sealed file opens by itself: its first bytes say what it is, and the
// reader never has to. One that is almost sealed was damaged, and is refused
// rather than deciphered as classic; so is a classic one when Sealed was asked.
std::optional<QString> recognitionRefusal(const PassRequest& request, QFile& input, bool* sealed) {
    using cipher::sealed::Recognition;
    switch (cipher::sealed::recogniseFile(input.peek(cipher::sealed::kMagic.size()))) {
    case Recognition::Sealed:
        *sealed = true;
        return std::nullopt;
    case Recognition::Damaged:
        return QStringLiteral("The file \"%1\" was not decrypted: it is a sealed file whose "
                              "first bytes were changed or that was cut short.")
            .arg(shown(request.input));
    case Recognition::Classic:
        break;
    }
    if (*sealed) {
        return QStringLiteral("The file \"%1\" was not decrypted: it is not a sealed file. %2")
            .arg(shown(request.input), request.notSealedHint);
    }
    return std::nullopt;
}

// Reads up to size bytes; fewer only at the end of the file, -1 on an error.
qint64 readBlock(QFile& file, char* data, qint64 size) {
    return cipher::readFully([&](char* into, qint64 n) { return file.read(into, n); }, data, size);
}

// A pipe or a device takes the data as it comes: what it already received
// when a pass fails or is cancelled cannot be taken back, only disowned.
PassResult disowned(PassResult result, const cipher::OutputFile& output, const QString& name) {
    if (result.status == PassStatus::Done || !output.isStream() || output.bytesWritten() == 0)
        return result;
    const QString partial =
        QStringLiteral("\"%1\" already received part of the data, which must be discarded.")
            .arg(name);
    result.message = result.status == PassStatus::Cancelled
                         ? QStringLiteral("Cancelled: ") + partial
                         : result.message + QLatin1Char(' ') + partial;
    return result;
}

} // namespace

PassResult FileCipherPass(const PassRequest& request, PassHost& host) {
    if (const auto text = inputRefusal(request))
        return {PassStatus::Refused, *text};

    const QString inputName = shown(request.input);
    const QString outputName = shown(request.output);

    QFile input(request.input);
    if (!input.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return {PassStatus::Failed, QStringLiteral("The file \"%1\" could not be read (%2).")
                                        .arg(inputName, cipher::describeFileError(input))};
    }
    // The length of the open file, taken once: what is added later is not read.
    const qint64 n = input.size();
    bool sealed = request.format == cipher::Format::Sealed;
    if (request.direction == Direction::Decipher) {
        if (const auto text = recognitionRefusal(request, input, &sealed))
            return {PassStatus::Refused, *text};
    }
    if (const auto text = refusal(request, n, sealed))
        return {PassStatus::Refused, *text};

    cipher::OutputFile output(request.output);
    // The output waits cancellably (for a FIFO's reader, for room in a pipe)
    // and gives up before the copy takes the name when a cancel came meanwhile.
    output.setCancelCheck([&host] { return host.cancelRequested(); });
    const QString cancelledText =
        QStringLiteral("Cancelled: no copy was written to \"%1\".").arg(outputName);
    QString error;
    if (!output.open(&error)) {
        if (output.wasCancelled())
            return {PassStatus::Cancelled, cancelledText};
        return {
            PassStatus::Failed,
            QStringLiteral("The file \"%1\" could not be created (%2).").arg(outputName, error)};
    }

    if (sealed) {
        Progress progress(host);
        PassResult result =
            sealedPass(request.direction, input, n, output, request.output, request.password, host,
                       [&](qint64 done) { progress.move(done); });
        input.close();
        if (result.status == PassStatus::Done && !output.commit(&error)) {
            result = output.wasCancelled()
                         ? PassResult{PassStatus::Cancelled, cancelledText}
                         : PassResult{PassStatus::Failed,
                                      QStringLiteral("The file \"%1\" could not be written (%2).")
                                          .arg(outputName, error)};
        }
        if (result.status != PassStatus::Done)
            output.cancel();
        if (result.status == PassStatus::Cancelled)
            result.message = cancelledText;
        host.setPosition(0);
        return disowned(result, output, outputName);
    }

    const qint64 blockSize = std::min(kBlockSize, n);
    const qint64 blocks = (n + kBlockSize - 1) / kBlockSize;
    const QByteArray codes = cipher::codepage::encode(request.password);
    const auto forgetCodes = qScopeGuard([&] { cipher::wipe(codes); });
    Workspace memory(RepeatedKey::sizeFor(codes.size(), blockSize) + 64 +
                     static_cast<std::size_t>(BlockWriter::buffersFor(blocks) * (blockSize + 64)));
    const RepeatedKey key(codes, request.direction, blockSize, memory);
    Progress progress(host);
    host.setRange(n);
    BlockWriter writer(output, blockSize, blocks, memory, host);

    const auto stop = [&](PassStatus status, const QString& text) {
        writer.abandon();
        output.cancel();
        input.close();
        host.setPosition(0);
        return disowned({status, text}, output, outputName);
    };
    const auto cancelled = [&] { return stop(PassStatus::Cancelled, cancelledText); };
    const auto writeFailed = [&] {
        if (host.cancelRequested() || output.wasCancelled())
            return cancelled();
        QString cause;
        writer.finish(&cause);
        return stop(
            PassStatus::Failed,
            QStringLiteral("The file \"%1\" could not be written (%2).").arg(outputName, cause));
    };

    for (qint64 done = 0; done < n;) {
        if (host.cancelRequested())
            return cancelled();
        progress.move(done);
        std::uint8_t* const buffer = writer.freeBuffer();
        if (!buffer)
            return writeFailed();
        const qint64 size = std::min(kBlockSize, n - done);
        const qint64 got = readBlock(input, reinterpret_cast<char*>(buffer), size);
        if (got < 0) {
            return stop(PassStatus::Failed,
                        QStringLiteral("The file \"%1\" could not be read (%2).")
                            .arg(inputName, cipher::describeFileError(input)));
        }
        if (got < size) {
            return stop(
                PassStatus::Failed,
                QStringLiteral("The file \"%1\" became shorter while it was read.").arg(inputName));
        }
        addKey(buffer, key.at(done), static_cast<std::size_t>(size));
        writer.submit(buffer, size);
        done += size;
    }
    if (!writer.finish(&error))
        return writeFailed();
    if (host.cancelRequested())
        return cancelled();

    // Closed first, so that the copy may take the input's own name on systems
    // that do not rename over an open file.
    input.close();
    if (!output.commit(&error)) {
        if (output.wasCancelled())
            return cancelled();
        return stop(
            PassStatus::Failed,
            QStringLiteral("The file \"%1\" could not be written (%2).").arg(outputName, error));
    }
    host.setPosition(0);
    return {PassStatus::Done, kDone};
}

} // namespace filecipher
