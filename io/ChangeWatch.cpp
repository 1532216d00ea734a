#include "io/ChangeWatch.h"

#include <QtGlobal>
#include <algorithm>

#if defined(Q_OS_LINUX)
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace io {

ChangeWatch::ChangeWatch(const QByteArray& path, int events, int retryMs) : m_retryMs(retryMs) {
#if defined(Q_OS_LINUX)
    m_fd = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    uint32_t mask = 0;
    if (events & Opened)
        mask |= IN_OPEN;
    if (events & Closed)
        mask |= IN_CLOSE;
    if (events & Removed)
        mask |= IN_DELETE | IN_DELETE_SELF | IN_MOVED_FROM;
    if (m_fd >= 0 && ::inotify_add_watch(m_fd, path.constData(), mask) < 0) {
        ::close(m_fd);
        m_fd = -1;
    }
#else
    Q_UNUSED(path);
    Q_UNUSED(events);
#endif
}

ChangeWatch::~ChangeWatch() {
#if defined(Q_OS_LINUX)
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

base::Wait ChangeWatch::wait(const base::CancelToken* cancel, int timeoutMs) const {
    if (m_fd < 0) {
        const int retry = timeoutMs < 0 ? m_retryMs : std::min(timeoutMs, m_retryMs);
        return base::waitFor(-1, 0, cancel, retry);
    }
#if defined(Q_OS_LINUX)
    const base::Wait waited = base::waitFor(m_fd, POLLIN, cancel, timeoutMs);
    char events[4096];
    while (::read(m_fd, events, sizeof events) > 0) {
    }
    return waited;
#else
    return base::Wait::Failed;
#endif
}

} // namespace io
