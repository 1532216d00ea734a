#include "cipher/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>
#include <cerrno>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <fcntl.h> // sync_file_range on Linux
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cipher {
namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// How long a wait lasts before the cancel check is asked again.
constexpr int kPollMs = 50;

bool writableByUser(const QString& path) {
#if defined(Q_OS_UNIX)
    // The effective user's right to open the file for writing, as open() would judge it.
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
#else
    return QFileInfo(path).isWritable();
#endif
}

} // namespace

QString describeFileError(const QFileDevice& file) {
    QString text = file.errorString();
    if (text.isEmpty() || text == QLatin1String("Unknown error"))
        text = systemError(errno);
    return text;
}

QString resolveOutputPath(const QString& path) {
    QFileInfo info(path);
    // Bounded, as the system bounds a chain of links.
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

std::optional<QString> outputProblem(const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("no file name was given");
    const QFileInfo target(resolveOutputPath(path));
    if (target.isDir())
        return QStringLiteral("it is a folder");
    if (!target.exists()) {
        if (!QFileInfo(target.absolutePath()).isDir()) {
            return QStringLiteral("the folder \"%1\" does not exist")
                .arg(QDir::toNativeSeparators(target.absolutePath()));
        }
        return std::nullopt;
    }
    // A replacement goes in by a rename, which the folder's permissions allow
    // even where the file itself is protected: the protection is respected as
    // if the file were written in place.
    if (!writableByUser(target.filePath()))
        return QStringLiteral("it is write-protected");
    return std::nullopt;
}

// ---- Writing in place --------------------------------------------------------

#if defined(Q_OS_UNIX)

class OutputFile::Direct {
public:
    ~Direct() { close(); }

    bool open(const QString& path, const OutputFile& owner, QString* error) {
        const QByteArray name = QFile::encodeName(path);
        for (;;) {
            m_fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
            if (m_fd >= 0)
                return true;
            // A FIFO that nobody reads yet: wait for a reader, as a blocking
            // open would, but one that a cancel can end.
            if (errno != ENXIO && errno != EINTR) {
                *error = systemError(errno);
                return false;
            }
            if (owner.cancelRequested()) {
                *error = QStringLiteral("cancelled");
                return false;
            }
            QThread::msleep(kPollMs);
        }
    }

    void adopt(int fd) {
        m_fd = fd;
        m_owned = false;
    }

    bool write(const char* data, qint64 size, const OutputFile& owner, QString* error,
               bool* cancelled) {
        while (size > 0) {
            const ssize_t n = ::write(m_fd, data, static_cast<size_t>(qMin<qint64>(size, 1 << 20)));
            if (n > 0) {
                data += n;
                size -= n;
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                *error = systemError(errno);
                return false;
            }
            // The reader is not keeping up (or not reading at all).
            if (owner.cancelRequested()) {
                *cancelled = true;
                *error = QStringLiteral("cancelled");
                return false;
            }
            pollfd ready{m_fd, POLLOUT, 0};
            ::poll(&ready, 1, kPollMs);
        }
        return true;
    }

    bool close(QString* error = nullptr) {
        if (m_fd < 0 || !m_owned) {
            m_fd = -1;
            return true;
        }
        const int fd = std::exchange(m_fd, -1);
        if (::close(fd) != 0 && errno != EINTR) {
            if (error)
                *error = systemError(errno);
            return false;
        }
        return true;
    }

private:
    int m_fd = -1;
    bool m_owned = true;
};

#else

class OutputFile::Direct {
public:
    bool open(const QString& path, const OutputFile&, QString* error) {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            *error = describeFileError(m_file);
            return false;
        }
        return true;
    }
    void adopt(int fd) {
        m_file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    }
    bool write(const char* data, qint64 size, const OutputFile&, QString* error, bool*) {
        while (size > 0) {
            const qint64 n = m_file.write(data, size);
            if (n <= 0) {
                *error = describeFileError(m_file);
                return false;
            }
            data += n;
            size -= n;
        }
        return true;
    }
    bool close(QString* error = nullptr) {
        const bool ok = m_file.flush();
        if (!ok && error)
            *error = describeFileError(m_file);
        m_file.close();
        return ok;
    }

private:
    QFile m_file;
};

#endif

// ---- The output ---------------------------------------------------------------

OutputFile::OutputFile(QString path) : m_path(std::move(path)) {}

OutputFile OutputFile::standardOutput() {
    OutputFile out;
    out.m_standardOutput = true;
    return out;
}

OutputFile::OutputFile(OutputFile&&) noexcept = default;

OutputFile::~OutputFile() {
    if (!m_finished)
        cancel();
}

bool OutputFile::openDirect(const QString& target, QString* error) {
    m_direct = std::make_unique<Direct>();
    if (m_direct->open(target, *this, error))
        return true;
    m_wasCancelled = cancelRequested();
    m_direct.reset();
    return false;
}

bool OutputFile::open(QString* error) {
    if (m_standardOutput) {
        m_direct = std::make_unique<Direct>();
        m_direct->adopt(1);
        return true;
    }
    if (const auto problem = outputProblem(m_path)) {
        *error = *problem;
        return false;
    }
    const QString target = resolveOutputPath(m_path);
    const QFileInfo info(target);
    if (info.exists() && !info.isFile())
        return openDirect(target, error);

    auto save = std::make_unique<QSaveFile>(target);
    if (!save->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = describeFileError(*save);
        return false;
    }
#if defined(Q_OS_UNIX)
    // QSaveFile gives a replacement the old file's permission bits; the owner,
    // the group and the special bits are ours to carry over. Where the process
    // may not give the file away, the group alone may still be set; where not
    // even that, the file is the user's own, as any tool's output would be.
    struct stat old {};
    if (info.exists() && ::stat(QFile::encodeName(target).constData(), &old) == 0) {
        const int fd = save->handle();
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // the user's own file, in the user's group
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            // QSaveFile's copy of the permission bits stands
        }
    }
#endif
    m_save = std::move(save);
    return true;
}

bool OutputFile::write(const char* data, qint64 size, QString* error) {
    if (m_direct) {
        bool cancelled = false;
        const bool ok = m_direct->write(data, size, *this, error, &cancelled);
        if (cancelled)
            m_wasCancelled = true;
        return ok;
    }
    while (size > 0) {
        // The system gets the data in pieces of kWriteSize, as cp's in-kernel
        // copy gives it. It makes its cached pages as large as a write; large
        // ones come from large free areas of memory, which a virtual machine
        // may have handed back to its host and must then fetch again page by
        // page: 1 MiB writes ran up to five times slower than these there.
        const qint64 written = m_save->write(data, qMin(size, kWriteSize));
        if (written <= 0) {
            *error = describeFileError(*m_save);
            return false;
        }
        data += written;
        size -= written;
        m_written += written;
    }
#if defined(Q_OS_LINUX)
    // The data must be on the disk before the file takes its name. Sending it
    // there as it comes, rather than all at the end, lets the disk work while
    // the next blocks are made, and leaves the final sync little to wait for.
    if (m_written - m_flushed >= kWritebackStep) {
        ::sync_file_range(m_save->handle(), m_flushed, m_written - m_flushed,
                          SYNC_FILE_RANGE_WRITE);
        m_flushed = m_written;
    }
#endif
    return true;
}

bool OutputFile::commit(QString* error) {
    if (m_direct) {
        const bool ok = m_direct->close(error);
        m_direct.reset();
        m_finished = true;
        return ok;
    }
    if (!m_save->flush()) {
        *error = describeFileError(*m_save);
        cancel();
        return false;
    }
#if defined(Q_OS_UNIX)
    // QSaveFile puts the data on the disk and renames in one call; the sync is
    // the long part, and a cancel that arrives during it must still leave the
    // path as it was. So: sync here, ask, and let the commit's own sync find
    // nothing left to do.
    if (::fdatasync(m_save->handle()) != 0 && errno != EINVAL && errno != EROFS) {
        *error = systemError(errno);
        cancel();
        return false;
    }
#endif
    if (cancelRequested()) {
        m_wasCancelled = true;
        *error = QStringLiteral("cancelled");
        cancel();
        return false;
    }
    if (!m_save->commit()) {
        *error = describeFileError(*m_save);
        cancel();
        return false;
    }
    m_save.reset();
    m_finished = true;
    return true;
}

void OutputFile::cancel() {
    m_finished = true;
    if (m_save) {
        m_save->cancelWriting();
        m_save.reset(); // never committed: QSaveFile throws its file away
    }
    if (m_direct) {
        m_direct->close();
        m_direct.reset();
    }
}

} // namespace cipher
