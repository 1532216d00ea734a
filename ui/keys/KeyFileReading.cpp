#include "ui/keys/KeyFileReading.h"

#include "base/Wipe.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ui {
namespace {

QString tooLarge() {
    return QCoreApplication::translate("frmKeys", "it is far larger than such a file can be");
}

QString notRegular() {
    return QCoreApplication::translate("frmKeys", "it is not a file");
}

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

#if defined(Q_OS_UNIX)

// Up to limit bytes of a regular file's descriptor, with one more read to
// tell a file that grew past it.
std::optional<QByteArray> readRegular(int fd, qint64 limit, QString* error) {
    QByteArray bytes(limit + 1, Qt::Uninitialized);
    qint64 got = 0;
    int failure = 0;
    while (got < bytes.size()) {
        const ssize_t r = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            failure = errno;
        if (r <= 0)
            break;
        got += r;
    }
    std::optional<QByteArray> content;
    if (failure != 0)
        *error = systemError(failure);
    else if (got > limit)
        *error = tooLarge();
    else
        content = bytes.first(got);
    base::wipe(bytes);
    return content;
}

#endif

} // namespace

#if defined(Q_OS_UNIX)

std::optional<QByteArray> readKeyFile(const QString& path, qint64 limit, QString* error) {
    // Without blocking: a FIFO opens at once and is then refused, as is a device.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        *error = systemError(errno);
        return std::nullopt;
    }
    struct stat info {};
    std::optional<QByteArray> content;
    if (::fstat(fd, &info) != 0)
        *error = systemError(errno);
    else if (!S_ISREG(info.st_mode))
        *error = notRegular();
    else if (info.st_size > limit)
        *error = tooLarge();
    else
        content = readRegular(fd, limit, error);
    ::close(fd);
    return content;
}

#else

std::optional<QByteArray> readKeyFile(const QString& path, qint64 limit, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    if (file.isSequential()) {
        *error = notRegular();
        return std::nullopt;
    }
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        base::wipe(bytes);
        *error = tooLarge();
        return std::nullopt;
    }
    return bytes;
}

#endif

} // namespace ui
