#pragma once

// Ctrl+C, Ctrl+\, a closed terminal and a polite kill stop a command cleanly:
// they cancel the one token that every wait and step of the command watches,
// so that the scratch file, the lock and every unfinished output go, the
// terminal is restored, and one line says what happened. The process then
// ends by the signal, as the shell expects.

#include "base/Progress.h"

namespace cli {

class StopSignals {
public:
    // Installs the handlers for every signal that asks a process to end:
    // SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1 and the others whose default
    // action ends it, the real-time ones included (SIGINT and SIGTERM where
    // there are no others). A signal that the caller set to be ignored (nohup)
    // stays ignored. Interrupted system calls are not restarted, so a command
    // that waits for input hears of the signal at once.
    StopSignals();
    // The handlers stay until the process ends: a signal that comes once the
    // command has put its result in place, even while the process ends,
    // changes nothing.
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The signal that asked to stop; 0 when none came.
    static int received();

    // What a stop signal cancels.
    static const base::CancelToken& token();

    // Waits until fd has something to read (or its end), or a stop signal
    // came: true to read, false to stop. A signal that lands just before the
    // wait begins still ends it, so a command never sleeps through one.
    static bool waitToRead(int fd);

    // Restores the handlers and ends the process by the signal that came.
    [[noreturn]] void endBySignal();

private:
    static void restore();
};

} // namespace cli
