#include "cli/Input.h"

#include "cli/Signals.h"

#include <QFile>
#include <cerrno>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace cli {

#if defined(Q_OS_UNIX)

Input readBounded(const QString& path, qsizetype limit) {
    Input input;
    const bool standardInput = path.isEmpty() || path == QLatin1String("-");
    const int fd = standardInput ? STDIN_FILENO
                                 : ::open(QFile::encodeName(path).constData(),
                                          O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        input.error = QString::fromLocal8Bit(std::strerror(errno));
        return input;
    }
    // One byte more than the limit tells a full input from a longer one.
    input.bytes.resize(limit + 1);
    qsizetype got = 0;
    input.status = Input::Status::Ok;
    while (got <= limit) {
        if (!StopSignals::waitToRead(fd)) {
            input.status = Input::Status::Interrupted;
            break;
        }
        const ssize_t n = ::read(fd, input.bytes.data() + got, static_cast<size_t>(limit + 1 - got));
        if (n > 0) {
            got += n;
        } else if (n == 0) {
            break;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            continue; // standard input the caller left non-blocking: wait again
        } else if (errno != EINTR) {
            input.status = Input::Status::Failed;
            input.error = QString::fromLocal8Bit(std::strerror(errno));
            break;
        }
    }
    if (!standardInput)
        ::close(fd);
    input.bytes.truncate(got);
    if (input.status == Input::Status::Ok && got > limit) {
        input.status = Input::Status::TooLong;
        base::wipe(input.bytes);
        input.bytes.clear();
    }
    return input;
}

#else

Input readBounded(const QString& path, qsizetype limit) {
    Input input;
    QFile file;
    bool opened = false;
    if (path.isEmpty() || path == QLatin1String("-")) {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        file.setFileName(path);
        opened = file.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        input.error = file.errorString();
        return input;
    }
    input.bytes = file.read(limit + 1);
    input.status = input.bytes.size() > limit ? Input::Status::TooLong : Input::Status::Ok;
    if (input.status == Input::Status::TooLong) {
        base::wipe(input.bytes);
        input.bytes.clear();
    }
    return input;
}

#endif

} // namespace cli
