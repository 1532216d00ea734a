#pragma once

// The one way bytes stream through the program: a Source to read from and a
// Sink to write to. The chunk pipeline runs between them; the classic file
// pass and the sealed streams take them; the one writer (OutputFile) is a Sink.

#include "base/Failure.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace io {

class Source {
public:
    virtual ~Source() = default;
    // Reads up to size bytes: how many were read, 0 at the end, -1 on an error.
    // May return fewer than asked before the end; a reader asks again.
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
    virtual bool write(const char* data, qint64 size, base::Failure* error) = 0;
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
    bool write(const char* data, qint64 size, base::Failure* error) override;

private:
    QByteArray* m_out;
    qint64 m_cap;
};

} // namespace io
