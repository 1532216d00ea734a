#pragma once

// The file cipher: enciphers or deciphers any file into a copy.
//
// The classic pass makes a copy of the same length, byte k of the copy being
// the input byte plus (or minus) the code of password character
// ((k - 1) mod L) + 1, modulo 256; the copy holds nothing else: no header, no
// length, no checksum. The sealed pass (chosen for enciphering, recognised by
// itself when deciphering) writes the sealed format instead: a header, then
// the data in authenticated chunks; a wrong password or a changed file is
// refused and leaves no copy.

#include "cipher/Format.h"

#include <QString>

namespace filecipher {

enum class Direction { Encipher, Decipher };

// What runs a pass provides: a progress display and a way to cancel. The pass
// may run on a worker thread; the host must be safe to call from there. Every
// call comes from the thread that runs the pass, except cancelRequested(),
// which the thread that writes the copy also asks while it waits.
class PassHost {
public:
    virtual ~PassHost() = default;
    // The range, set before the first byte: 0 to n. A sealed pass first sets
    // 0 while its key is derived (nothing to count yet: a busy display).
    virtual void setRange(qint64 /*n*/) {}
    // Bytes done so far; moved per block, and back to 0 at the end.
    virtual void setPosition(qint64 /*done*/) {}
    // Polled between blocks; true ends the pass with no copy written.
    virtual bool cancelRequested() const { return false; }
};

struct PassRequest {
    QString input;    // the file to read
    QString output;   // the copy to create; may name the input itself
    QString password; // as typed
    Direction direction = Direction::Encipher;
    // How to encipher. Deciphering recognises a sealed file by itself; Sealed
    // there means that the input must be sealed, and a classic one is refused
    // with notSealedHint saying how to decipher it instead.
    cipher::Format format = cipher::Format::Classic;
    QString notSealedHint = QStringLiteral("To decrypt a classic file, turn Sealed off.");
};

enum class PassStatus {
    Done,      // the copy is complete
    Refused,   // an input was unusable; nothing was written
    Failed,    // reading or writing failed; any earlier copy is untouched
    Cancelled, // the host cancelled; any earlier copy is untouched
};

struct PassResult {
    PassStatus status = PassStatus::Failed;
    QString message; // for the user: "Done", or what went wrong
};

inline const QString kDone = QStringLiteral("Done");

// The pass reads, enciphers and writes this many bytes at a time; the host
// hears of progress (and is asked about cancelling) between blocks only. Its
// memory stays a few blocks whatever the file's size.
inline constexpr qint64 kBlockSize = qint64(1) << 20;

// The progress position moves at most this often (in milliseconds), whatever
// the speed of the disk: enough for the eye, and cheap for the host.
inline constexpr int kProgressInterval = 33;

PassResult FileCipherPass(const PassRequest& request, PassHost& host);

} // namespace filecipher
