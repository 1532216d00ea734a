#pragma once

// Sealed bytes in memory, sources and sinks that misbehave on cue, and the
// record layout of a sealed file, for the sealed format's tests.

#include "sealed/Header.h"
#include "sealed/Key.h"
#include "sealed/Message.h"
#include "sealed/Recognition.h"
#include "sealed/Stream.h"
#include "tests/support/Files.h"
#include "tests/support/RecordingProgress.h"
#include "words/Describe.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace sealedtest {

using namespace sealed;
using testsupport::RecordingProgress;

// The cheapest key derivation, so that tests run many of them.
inline Params fast(qint64 chunkSize = kDefaultChunkSize) {
    Params params = Params::fastest();
    params.chunkSize = chunkSize;
    return params;
}

using testsupport::randomBytes;

inline QByteArray sealBytes(const QByteArray& plain, const QString& password,
                            const Params& params) {
    MemorySource source(plain);
    QByteArray out;
    ByteArraySink sink(&out);
    const Result result = seal(source, sink, passwordKey(password), params);
    EXPECT_TRUE(result.ok()) << words::sentence(result.failure).toStdString();
    return out;
}

inline Result openBytes(const QByteArray& sealedBytes, const QString& password, QByteArray* plain,
                        const Limits& limits = {}) {
    MemorySource source(sealedBytes);
    plain->clear();
    ByteArraySink sink(plain);
    return open(source, sink, passwordKey(password), limits);
}

// The header and the records (chunk plus tag) of a sealed file.
inline QList<QByteArray> records(const QByteArray& sealedBytes, qint64 chunkSize) {
    QList<QByteArray> parts{sealedBytes.left(kHeaderSize)};
    for (qint64 at = kHeaderSize; at < sealedBytes.size(); at += chunkSize + kTagSize)
        parts.append(sealedBytes.mid(at, chunkSize + kTagSize));
    return parts;
}

// Hands out its bytes a few at a time, and fails after failAfter of them.
class UnevenSource final : public Source {
public:
    UnevenSource(const QByteArray& bytes, qint64 failAfter = -1)
        : m_bytes(bytes), m_failAfter(failAfter) {}
    qint64 read(char* data, qint64 size) override {
        if (m_failAfter >= 0 && m_pos >= m_failAfter)
            return -1;
        qint64 n = std::min({size, m_bytes.size() - m_pos, qint64(m_rng() % 997 + 1)});
        if (m_failAfter >= 0)
            n = std::min(n, m_failAfter - m_pos);
        std::memcpy(data, m_bytes.constData() + m_pos, static_cast<size_t>(n));
        m_pos += n;
        return n;
    }
    QString errorString() const override { return QStringLiteral("Input/output error"); }
    qint64 position() const { return m_pos; }

private:
    QByteArray m_bytes;
    qint64 m_failAfter;
    qint64 m_pos = 0;
    std::mt19937 m_rng{7};
};

// Keeps what it is given; fails once it holds failAt bytes or more.
class RecordingSink final : public Sink {
public:
    explicit RecordingSink(qint64 failAt = -1) : m_failAt(failAt) {}
    bool write(const char* data, qint64 size, base::Failure* error) override {
        if (m_failAt >= 0 && bytes.size() + size > m_failAt) {
            *error = base::failure(base::Fault::SystemError, QStringLiteral("No space left on device"));
            return false;
        }
        bytes.append(data, size);
        ++writes;
        return true;
    }
    QByteArray bytes;
    int writes = 0;

private:
    qint64 m_failAt;
};

// The header's recognition as a reader makes it.
inline bool looksSealed(const QByteArray& bytes) {
    return recogniseFile(bytes.left(kRecognitionWindow)) == Recognition::Sealed;
}

} // namespace sealedtest
