#include "cli/Input.h"

#include "cli/Commands.h"
#include "cli/Signals.h"
#include "words/Describe.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace cli {

bool announceCost(const cipher::Cost& cost) {
    reportError(QCoreApplication::translate(
                    "cli", "this input asks for %1 passes over %2 to derive its key, more "
                           "than the usual %3 over %4: this may take a while")
                    .arg(cost.opslimit)
                    .arg(words::memory(cost.memlimit))
                    .arg(cipher::kDefaultOpslimit)
                    .arg(words::memory(cipher::kDefaultMemlimit)));
    return true;
}

#if defined(Q_OS_UNIX)

std::optional<int> heldDescriptor(const QString& path, int dash) {
    static const QRegularExpression numbered(QStringLiteral("^/(?:dev|proc/self)/fd/(\\d{1,9})$"));
    int fd = -1;
    if (path == QLatin1String("-"))
        fd = dash;
    else if (path == QLatin1String("/dev/stdin"))
        fd = STDIN_FILENO;
    else if (path == QLatin1String("/dev/stdout"))
        fd = STDOUT_FILENO;
    else if (path == QLatin1String("/dev/stderr"))
        fd = STDERR_FILENO;
    else if (const QRegularExpressionMatch match = numbered.match(path); match.hasMatch())
        fd = match.captured(1).toInt();
    if (fd < 0 || ::fcntl(fd, F_GETFD) == -1)
        return std::nullopt;
    return fd;
}

Input readBounded(const QString& path, qsizetype limit) {
    Input input;
    const std::optional<int> held = path.isEmpty() ? STDIN_FILENO : heldDescriptor(path, STDIN_FILENO);
    // Opened without waiting: a FIFO without a writer is then waited for
    // below, where a stop signal ends the wait.
    const int fd = held ? *held
                        : ::open(QFile::encodeName(path).constData(),
                                 O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
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
    if (!held)
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

std::optional<int> heldDescriptor(const QString& path, int dash) {
    if (path == QLatin1String("-"))
        return dash;
    return std::nullopt;
}

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
