#pragma once

// Wakes a wait when something happens to a file, or to the files of a folder:
// a FIFO opened by its reader, a lock file closed or removed by its holder.
// Where the system cannot tell (no inotify), a wait lasts retryMs at most, so
// that its caller looks again.

#include "base/Progress.h"

#include <QByteArray>

namespace io {

class ChangeWatch {
public:
    enum Event { Opened = 0x1, Closed = 0x2, Removed = 0x4 };

    ChangeWatch(const QByteArray& path, int events, int retryMs);
    ~ChangeWatch();
    ChangeWatch(const ChangeWatch&) = delete;
    ChangeWatch& operator=(const ChangeWatch&) = delete;

    // Until one of the events, a cancel, or timeoutMs (-1: none).
    base::Wait wait(const base::CancelToken* cancel, int timeoutMs = -1) const;

private:
    int m_fd = -1;
    int m_retryMs;
};

} // namespace io
