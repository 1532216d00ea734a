#include "base/Progress.h"

#include <QDeadlineTimer>
#include <cerrno>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#if defined(Q_OS_LINUX)
#include <sys/eventfd.h>
#endif
#endif

namespace base {

CancelToken::CancelToken() {
#if defined(Q_OS_LINUX)
    m_read = m_write = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
#elif defined(Q_OS_UNIX)
    int ends[2];
    if (::pipe(ends) == 0) {
        for (const int end : ends) {
            ::fcntl(end, F_SETFD, FD_CLOEXEC);
            ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
        }
        m_read = ends[0];
        m_write = ends[1];
    }
#endif
}

CancelToken::~CancelToken() {
#if defined(Q_OS_UNIX)
    if (m_read >= 0)
        ::close(m_read);
    if (m_write >= 0 && m_write != m_read)
        ::close(m_write);
#endif
}

void CancelToken::cancel() noexcept {
    if (m_cancelled.exchange(true))
        return;
#if defined(Q_OS_UNIX)
    if (m_write >= 0) {
        const int saved = errno;
#if defined(Q_OS_LINUX)
        const quint64 one = 1;
        [[maybe_unused]] const auto n = ::write(m_write, &one, sizeof one);
#else
        [[maybe_unused]] const auto n = ::write(m_write, "!", 1);
#endif
        errno = saved;
    }
#endif
}

Wait waitFor(int fd, short events, const CancelToken* token, int timeoutMs) {
#if defined(Q_OS_UNIX)
    const QDeadlineTimer deadline(timeoutMs < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(timeoutMs));
    for (;;) {
        if (token && token->cancelled())
            return Wait::Cancelled;
        pollfd waits[2] = {{fd, events, 0}, {token ? token->descriptor() : -1, POLLIN, 0}};
        const int n = ::poll(waits, 2, deadline.isForever() ? -1 : int(deadline.remainingTime()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Wait::Failed;
        if (token && token->cancelled())
            return Wait::Cancelled;
        if (n == 0)
            return Wait::TimedOut;
        if (waits[0].revents != 0)
            return Wait::Ready;
    }
#else
    Q_UNUSED(fd);
    Q_UNUSED(events);
    Q_UNUSED(timeoutMs);
    return token && token->cancelled() ? Wait::Cancelled : Wait::Ready;
#endif
}

ThrottledProgress::ThrottledProgress(Progress& display, int intervalMs)
    : Progress(display.cancelToken()), m_display(display), m_intervalMs(intervalMs) {}

void ThrottledProgress::setRange(qint64 total) {
    m_range = total;
    m_display.setRange(total);
}

void ThrottledProgress::setPosition(qint64 done) {
    const qint64 now = QDeadlineTimer::current().deadline();
    const bool always = done == 0 || done == m_range || m_lastMove < 0;
    if (!always && now - m_lastMove < m_intervalMs)
        return;
    m_display.setPosition(done);
    m_lastMove = now;
}

Progress& Progress::none() {
    static Progress display;
    return display;
}

} // namespace base
