#pragma once

// The sealed side of the file pass: runs the sealed engine from an open input
// to an open output, with the pass's progress and cancel. The caller commits
// the output on Done and throws it away otherwise.

#include "filecipher/FileCipher.h"

#include <QFile>
#include <functional>

namespace cipher {
class OutputFile;
}

namespace filecipher {

PassResult sealedPass(Direction direction, QFile& input, qint64 size, cipher::OutputFile& output,
                      const QString& outputName, const QString& password, PassHost& host,
                      const std::function<void(qint64)>& moved);

} // namespace filecipher
