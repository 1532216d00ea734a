#pragma once

// Reads what the commands take in (a password file, a message text) only up
// to the most that can be of use, so that a huge or endless input (a file of
// gigabytes, /dev/zero, a pipe that never ends) is refused in bounded memory;
// and a signal ends the wait for input at once.

#include "base/Wipe.h"
#include "cipher/Keys.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace cli {

// What was read is wiped when it goes: a password, or a message's text.
struct Input {
    enum class Status { Ok, TooLong, Failed, Interrupted };
    Status status = Status::Failed;
    QByteArray bytes;
    QString error; // for Failed: the system's reason

    Input() = default;
    ~Input() { base::wipe(bytes); }
    Input(Input&&) = default;
    Input& operator=(Input&&) = default;
};

// The content of the file at path ("-" or empty: standard input), at most
// limit bytes; TooLong when there is more. A FIFO without a writer is waited
// for, as long as no stop signal comes.
Input readBounded(const QString& path, qsizetype limit);

// The descriptor the process already holds that a path names: "-" names
// dash (standard input or output, as the operand is read or written),
// /dev/stdin, /dev/stdout and /dev/stderr the standard streams, /dev/fd/N and
// /proc/self/fd/N descriptor N. Nothing for any other path, or when that
// descriptor is not open. Reading or writing the descriptor itself, rather
// than opening the path again, works for a pipe (whose link reads
// "pipe:[N]") and keeps a shell's >> appending.
std::optional<int> heldDescriptor(const QString& path, int dash);

// The one line said before a key that costs more than the default is
// derived; always goes on (for cipher::CostCheck).
bool announceCost(const cipher::Cost& cost);

} // namespace cli
