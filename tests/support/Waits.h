#pragma once

// What the system says a process or thread is doing, for tests that must act
// while it waits: asleep between tries, or polling for a file to be ready.

#include "tests/support/Files.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <sys/syscall.h>

namespace testsupport {

// Whether the task (/proc/PID or /proc/PID/task/TID) sleeps or polls. Where
// the kernel names the function a task sleeps in, that tells; otherwise the
// system call it is in does ("running" when it is in none).
inline bool sleepsOrPolls(const QString& task) {
    const QByteArray wchan = readAll(task + QStringLiteral("/wchan"));
    if (wchan.contains("sleep") || wchan.contains("poll"))
        return true;
    bool ok = false;
    const long call = readAll(task + QStringLiteral("/syscall")).split(' ').value(0).toLong(&ok);
    return ok && QList<long>{
#ifdef SYS_nanosleep
                     SYS_nanosleep,
#endif
#ifdef SYS_poll
                     SYS_poll,
#endif
                     SYS_clock_nanosleep, SYS_ppoll}
                     .contains(call);
}

} // namespace testsupport
