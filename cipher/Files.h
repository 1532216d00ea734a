#pragma once

// The file cipher: enciphers or deciphers any file into a copy, the entry that
// checks the files and picks the classic pass (classic/FilePass.h: a copy of
// the same length) or the sealed format (sealed/Stream.h: a header, then the
// data in authenticated chunks; a wrong password or a changed file is refused
// and leaves no copy).

#include "base/Failure.h"
#include "base/Progress.h"
#include "base/Secret.h"
#include "cipher/Format.h"
#include "classic/FilePass.h"
#include "sealed/Identity.h"
#include "sealed/Key.h"

#include <QString>
#include <optional>

namespace cipher {

enum class Direction { Encipher, Decipher };

struct PassRequest {
    QString input;    // the file to read
    QString output;   // the copy to create; may name the input itself
    base::Secret password; // as typed; shared with the request's copies (base/Secret.h)
    Direction direction = Direction::Encipher;
    // How to encipher. Deciphering recognises a sealed file by itself; Sealed
    // there means that the input must be sealed, and a classic one is refused
    // as NotSealed.
    Format format = Format::Classic;
    // Descriptors the caller holds open (standard input, standard output),
    // read or written instead of the paths, which then only name them in
    // messages. Such an input has no length, which the classic pass needs.
    int inputDescriptor = -1;
    int outputDescriptor = -1;
    // Asked on the pass's thread before a key that costs more than the
    // default is derived (a sealed file's header sets the cost); false
    // cancels the pass.
    sealed::CostCheck confirmCost = {};
    // Sealed to people. Enciphering to recipients seals the copy to them,
    // whatever the format, with no password; deciphering with identities
    // opens a file sealed to one of them, and then needs no password.
    QList<sealed::PublicKey> recipients = {};
    QList<sealed::Identity> identities = {};
};

enum class PassStatus {
    Done,      // the copy is complete
    Refused,   // an input was unusable; nothing was written
    Failed,    // reading or writing failed; any earlier copy is untouched
    Cancelled, // cancelled; any earlier copy is untouched
};

// What kind of sealed input stopped a pass, for callers that act on it.
enum class SealedRefusal {
    None,
    NotOpened, // it does not authenticate: a wrong password, or a changed file
    Damaged,   // damaged, cut short, or of a version or cost this reader does not take
    NotSealed, // Sealed was asked for, and the input is classic
    NotForThisIdentity, // sealed to people, none of whom holds the identities given
    NeedsIdentity,      // sealed to people, and no identity was given
};

struct PassResult {
    PassStatus status = PassStatus::Failed;
    base::Failure failure = {}; // anything but Done: why (Cancelled included)
    SealedRefusal sealed = SealedRefusal::None;
    // A pipe or a device that already received part of the data when the
    // pass failed or was cancelled: it cannot be taken back, only disowned.
    QString partlyWritten = {};
};

using classic::kBlockSize;

// The progress position moves at most this often (in milliseconds), whatever
// the speed of the disk: enough for the eye, and cheap for the display.
inline constexpr int kProgressInterval = 33;

// The range is the input's size, set before the first byte (a sealed pass
// first sets 0 while its key is derived: nothing to count yet); the position
// moves as the copy is written and goes back to 0 at the end. The pass may run
// on a worker thread.
PassResult FileCipherPass(const PassRequest& request, base::Progress& progress);

// The cost of the key the sealed file at path asks, read from its first
// bytes, for a window to ask about before it starts a pass; nothing for
// anything but a regular file that begins with a sealed header.
std::optional<sealed::Cost> sealedFileCost(const QString& path);

} // namespace cipher
