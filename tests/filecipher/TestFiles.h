#pragma once

// Files, passwords and hosts for the file cipher's tests.

#include "cipher/Files.h"
#include "words/Describe.h"
#include "classic/CodePage.h"
#include "tests/support/Files.h"
#include "tests/support/RecordingProgress.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>

// What the windows say of a pass's outcome, in English.
inline QString said(const cipher::PassResult& result,
                    cipher::Direction direction = cipher::Direction::Decipher) {
    return words::passText(result, direction, words::fileNotSealedHint());
}
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
    return classic::codepage::decode(codes);
}

// Any of the 256 codes; the page has a character for each.
inline QString randomPassword(int length, unsigned seed) {
    return passwordOf(randomBytes(length, seed));
}

// The cipher byte by byte, straight from its definition: byte k (1-based) of
// the copy is byte k plus or minus the code of password character
// ((k - 1) mod L) + 1, modulo 256.
inline QByteArray reference(const QByteArray& data, const QString& password,
                            cipher::Direction direction) {
    const QByteArray codes = classic::codepage::encode(password);
    const qint64 L = codes.size();
    QByteArray out(data.size(), Qt::Uninitialized);
    for (qint64 k = 1; k <= data.size(); ++k) {
        const int byte = static_cast<quint8>(data[k - 1]);
        const int p = static_cast<quint8>(codes[(k - 1) % L]);
        const int value = direction == cipher::Direction::Encipher ? byte + p : byte - p;
        out[k - 1] = static_cast<char>(value & 0xFF);
    }
    return out;
}

// Records what the pass reports; cancels, when asked, once it has reported
// so many positions (0: before it starts).
class RecordingHost : public testsupport::RecordingProgress {
public:
    void cancelAfter(int positionsSeen) {
        if (positionsSeen == 0) {
            cancel();
            return;
        }
        onPosition = [this, positionsSeen](qint64) {
            if (int(positions.size()) == positionsSeen)
                cancel();
        };
    }
};

inline cipher::PassResult runPass(const QString& input, const QString& output,
                                  const QString& password, cipher::Direction direction,
                                  base::Progress& progress) {
    return cipher::FileCipherPass({input, output, base::Secret::copyOf(password), direction}, progress);
}

inline cipher::PassResult runPass(const QString& input, const QString& output,
                                  const QString& password,
                                  cipher::Direction direction = cipher::Direction::Encipher) {
    RecordingHost host;
    return runPass(input, output, password, direction, host);
}

} // namespace testfiles
