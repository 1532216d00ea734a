#pragma once

// Sealed files as they stream: seals or opens any amount of data in constant
// memory, on both cores (io::ChunkPipeline).
//
// How a caller uses it (the file pass, for instance):
//   1. Wraps its input in a Source (DeviceSource over an unbuffered QFile) and
//      its output in a Sink (around io::OutputFile: write() forwards to
//      OutputFile::write).
//   2. Gives a base::Progress: it hears the input bytes whose output is
//      written (so the progress range is the input file's size), and its
//      cancel stops the run between chunks.
//   3. Calls seal() or open(). On Ok it commits the output; on anything else it
//      throws the output away. The sink MUST be discardable: open() writes only
//      chunks that have authenticated, but a later chunk may still fail (or be
//      missing), and then what was written is only part of the plaintext.
//   4. Shows result.message: for ReadFailed and WriteFailed it is the cause
//      ("No space left on device"), to be put beside the file's name; for
//      every other status it is a whole sentence.
//
// Threads: the source and the progress display are called from the thread
// that called seal() or open(); the sink from one thread at a time, which may
// be a worker. The key derivation (a fraction of a second with the default
// parameters) is not interruptible.
//
// Memory: the key derivation's (64 MiB by default), then three batches of
// about 4 MiB whatever the input's size, wiped before they are freed.

#include "base/Progress.h"
#include "sealed/Header.h"
#include "sealed/Key.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

namespace sealed {

class Source {
public:
    virtual ~Source() = default;
    // Reads up to size bytes: how many were read, 0 at the end, -1 on an error.
    // May return fewer than asked before the end; the engine asks again.
    virtual qint64 read(char* data, qint64 size) = 0;
    // The bytes left to read, when known: a small input is done on the
    // calling thread in buffers of its size. -1 when not known.
    virtual qint64 remaining() const { return -1; }
    // Why the last read failed.
    virtual QString errorString() const = 0;
};

class Sink {
public:
    virtual ~Sink() = default;
    // Writes all size bytes, or returns false with the cause in error.
    virtual bool write(const char* data, qint64 size, QString* error) = 0;
};

// Reads a QIODevice (a QFile, a QBuffer) from where it stands.
class DeviceSource final : public Source {
public:
    explicit DeviceSource(QIODevice& device) : m_device(device) {}
    qint64 read(char* data, qint64 size) override { return m_device.read(data, size); }
    QString errorString() const override { return m_device.errorString(); }
    qint64 remaining() const override {
        return m_device.isSequential() ? -1 : m_device.size() - m_device.pos();
    }

private:
    QIODevice& m_device;
};

// Reads bytes in memory; the caller keeps them alive.
class MemorySource final : public Source {
public:
    MemorySource(const char* data, qint64 size) : m_data(data), m_size(size) {}
    explicit MemorySource(const QByteArray& bytes) : MemorySource(bytes.constData(), bytes.size()) {}
    explicit MemorySource(QByteArray&&) = delete; // would read freed memory
    qint64 read(char* data, qint64 size) override;
    QString errorString() const override { return {}; }
    qint64 remaining() const override { return m_size - m_pos; }

private:
    const char* m_data;
    qint64 m_size;
    qint64 m_pos = 0;
};

// Appends to a byte array, refusing to let it grow past a cap.
class ByteArraySink final : public Sink {
public:
    explicit ByteArraySink(QByteArray* out, qint64 cap = qint64(1) << 40)
        : m_out(out), m_cap(cap) {}
    bool write(const char* data, qint64 size, QString* error) override;

private:
    QByteArray* m_out;
    qint64 m_cap;
};

// The records of a stream, after its header: the header's bytes (the
// associated data of every record), the chunk size and the nonce prefix.
struct RecordLayout {
    QByteArrayView header;
    qint64 chunkSize = kDefaultChunkSize;
    std::array<unsigned char, kNoncePrefixSize> noncePrefix{};
};

// The records alone, under a key the caller holds, for a kind of sealed file
// whose header and key another part makes (Recipients.h): seals everything the
// source gives, or opens records until the final one, as seal() and open() do
// after the header. The header's bytes and the key must outlive the call.
Result sealRecords(Source& source, Sink& sink, const RecordLayout& layout, const SecretKey& key,
                   base::Progress& progress);
Result openRecords(Source& source, Sink& sink, const RecordLayout& layout, const SecretKey& key,
                   base::Progress& progress);

// Seals everything the source gives, until its end: the header, then the
// chunks. The parameters must be ones a reader with default Limits accepts.
Result seal(Source& source, Sink& sink, const KeySource& key, const Params& params,
            base::Progress& progress);
Result seal(Source& source, Sink& sink, const QString& password, const Params& params,
            base::Progress& progress);
Result seal(Source& source, Sink& sink, const QString& password, const Params& params = {});

// Opens a sealed stream: checks the header against the limits, derives the key,
// then authenticates and writes the chunks in order. Ok only when the final
// chunk authenticated and the source ended just after it.
Result open(Source& source, Sink& sink, const KeySource& key, const Limits& limits,
            base::Progress& progress);
Result open(Source& source, Sink& sink, const QString& password, const Limits& limits,
            base::Progress& progress);
Result open(Source& source, Sink& sink, const QString& password, const Limits& limits = {});

} // namespace sealed
