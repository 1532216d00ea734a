#pragma once

// Files, passwords and hosts for the file cipher's tests.

#include "cipher/CodePage.h"
#include "filecipher/FileCipher.h"
#include "tests/support/Files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace testfiles {

using testsupport::partials;
using testsupport::randomBytes;
using testsupport::readAll;
using testsupport::writeAll;

// A password of the given character codes, as a user would type it.
inline QString passwordOf(const QByteArray& codes) {
    return cipher::codepage::decode(codes);
}

// Any of the 256 codes; the page has a character for each.
inline QString randomPassword(int length, unsigned seed) {
    return passwordOf(randomBytes(length, seed));
}

// The cipher byte by byte, straight from its definition: byte k (1-based) of
// the copy is byte k plus or minus the code of password character
// ((k - 1) mod L) + 1, modulo 256.
inline QByteArray reference(const QByteArray& data, const QString& password,
                            filecipher::Direction direction) {
    const QByteArray codes = cipher::codepage::encode(password);
    const qint64 L = codes.size();
    QByteArray out(data.size(), Qt::Uninitialized);
    for (qint64 k = 1; k <= data.size(); ++k) {
        const int byte = static_cast<quint8>(data[k - 1]);
        const int p = static_cast<quint8>(codes[(k - 1) % L]);
        const int value = direction == filecipher::Direction::Encipher ? byte + p : byte - p;
        out[k - 1] = static_cast<char>(value & 0xFF);
    }
    return out;
}

// Records what the pass tells its host; can cancel at a given poll.
class RecordingHost : public filecipher::PassHost {
public:
    void setRange(qint64 n) override { ranges.push_back(n); }
    void setPosition(qint64 done) override { positions.push_back(done); }
    bool cancelRequested() const override {
        ++polls;
        if (onPoll)
            onPoll(polls);
        return cancelAtPoll > 0 && polls >= cancelAtPoll;
    }

    std::vector<qint64> ranges;
    std::vector<qint64> positions;
    int cancelAtPoll = 0; // 1 = the first poll
    mutable int polls = 0;
    std::function<void(int)> onPoll;
};

inline filecipher::PassResult runPass(const QString& input, const QString& output,
                                      const QString& password, filecipher::Direction direction,
                                      filecipher::PassHost& host) {
    return filecipher::FileCipherPass({input, output, password, direction}, host);
}

inline filecipher::PassResult
runPass(const QString& input, const QString& output, const QString& password,
        filecipher::Direction direction = filecipher::Direction::Encipher) {
    RecordingHost host;
    return runPass(input, output, password, direction, host);
}

} // namespace testfiles
