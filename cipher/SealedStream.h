#pragma once

// The sealed streaming engine: seals or opens any amount of data in constant
// memory, spreading the chunks over two cores.
//
// How a caller uses it (the file pass, for instance):
//   1. Wraps its input in a Source (DeviceSource over an unbuffered QFile) and
//      its output in a Sink (around cipher::OutputFile: write() forwards to
//      OutputFile::write).
//   2. Gives a Control that forwards position() to its progress display and
//      cancelled() to its cancel flag. position() counts bytes consumed from
//      the source, so the progress range is the input file's size.
//   3. Calls seal() or open(). On Ok it commits the output; on anything else it
//      throws the output away. The sink MUST be discardable: open() writes only
//      chunks that have authenticated, but a later chunk may still fail (or be
//      missing), and then what was written is only part of the plaintext.
//   4. Shows result.message: for ReadFailed and WriteFailed it is the cause
//      ("No space left on device"), to be put beside the file's name; for
//      every other status it is a whole sentence.
//
// Threads: every call to the source, the sink and the control comes from the
// thread that called seal() or open(); a worker thread only enciphers chunks
// in memory. The key derivation (a fraction of a second with the default
// parameters) runs first, on the calling thread, and is not interruptible.
//
// Memory: the key derivation's (64 MiB by default, released before the data
// flows), then three batches of about 4 MiB whatever the input's size.
// Buffers that held plaintext are wiped before they are freed.

#include "cipher/Sealed.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace cipher::sealed {

class Source {
public:
    virtual ~Source() = default;
    // Reads up to size bytes: how many were read, 0 at the end, -1 on an error.
    // May return fewer than asked before the end; the engine asks again.
    virtual qint64 read(char* data, qint64 size) = 0;
    // Why the last read failed.
    virtual QString errorString() const = 0;
};

class Sink {
public:
    virtual ~Sink() = default;
    // Writes all size bytes, or returns false with the cause in error.
    virtual bool write(const char* data, qint64 size, QString* error) = 0;
};

class Control {
public:
    virtual ~Control() = default;
    // Bytes of the source consumed so far; called once a batch (about 4 MiB),
    // so a display throttles it to the rate it wants.
    virtual void position(qint64 /*done*/) {}
    // Polled before the key derivation, after it, and between batches; true
    // ends the run with Status::Cancelled.
    virtual bool cancelled() const { return false; }
};

// Reads a QIODevice (a QFile, a QBuffer) from where it stands.
class DeviceSource final : public Source {
public:
    explicit DeviceSource(QIODevice& device) : m_device(device) {}
    qint64 read(char* data, qint64 size) override { return m_device.read(data, size); }
    QString errorString() const override { return m_device.errorString(); }

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

// Seals everything the source gives, until its end: the header, then the
// chunks. The parameters must be ones a reader with default Limits accepts.
Result seal(Source& source, Sink& sink, const QString& password, const Params& params,
            Control& control);
Result seal(Source& source, Sink& sink, const QString& password, const Params& params = {});

// Opens a sealed stream: checks the header against the limits, derives the key,
// then authenticates and writes the chunks in order. Ok only when the final
// chunk authenticated and the source ended just after it.
Result open(Source& source, Sink& sink, const QString& password, const Limits& limits,
            Control& control);
Result open(Source& source, Sink& sink, const QString& password, const Limits& limits = {});

} // namespace cipher::sealed
