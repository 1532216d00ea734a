#pragma once

// Reads what the commands take in (a password file, a message text) only up
// to the most that can be of use, so that a huge or endless input (a file of
// gigabytes, /dev/zero, a pipe that never ends) is refused in bounded memory;
// and a signal ends the wait for input at once.

#include "base/Wipe.h"

#include <QByteArray>
#include <QString>

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
// limit bytes; TooLong when there is more.
Input readBounded(const QString& path, qsizetype limit);

} // namespace cli
