#include "io/DescriptorInput.h"

#include "io/Errors.h"

#include <cerrno>

#if defined(Q_OS_UNIX)
#include <poll.h>
#include <unistd.h>
#endif

namespace io {

DescriptorInput::DescriptorInput(int fd, const base::CancelToken* cancel)
    : m_fd(fd), m_cancel(cancel) {
    open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
}

#if defined(Q_OS_UNIX)

qint64 DescriptorInput::readData(char* data, qint64 maxSize) {
    qint64 got = 0;
    while (got < maxSize) {
        if (base::waitFor(m_fd, POLLIN, m_cancel) == base::Wait::Cancelled) {
            // The reader checks for the cancel first: this is never shown.
            m_cancelled = true;
            setErrorString(systemError(ECANCELED));
            return -1;
        }
        const ssize_t n = ::read(m_fd, data + got, static_cast<size_t>(maxSize - got));
        if (n > 0) {
            got += n;
        } else if (n == 0) {
            break;
        } else if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK) {
            setErrorString(systemError(errno));
            return -1;
        }
    }
    return got;
}

#else

qint64 DescriptorInput::readData(char* data, qint64 maxSize) {
    return QFile::readData(data, maxSize);
}

#endif

} // namespace io
