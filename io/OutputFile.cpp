#include "io/OutputFile.h"

#include "io/ChangeWatch.h"
#include "io/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <utility>

#if defined(Q_OS_UNIX)
#include <climits>
#include <fcntl.h> // sync_file_range on Linux
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace io {
namespace {

// The system gets the data in pieces of this size, as cp's in-kernel copy
// gives it. It makes its cached pages as large as a write; large ones come
// from large free areas of memory, which a virtual machine may have handed
// back to its host and must then fetch again page by page: 1 MiB writes ran
// up to five times slower than these there.
constexpr qint64 kWriteSize = 64 * 1024;

// How long a wait for a FIFO's reader lasts before the next try. A reader
// that opens without waiting is seen at once; one that waits in its open()
// for a writer (cat, most programs) is counted by the system but announced
// to nobody, so only a new try finds it.
constexpr int kReaderRetryMs = 50;

// The data goes to the disk as it comes, this much at a time, rather than all
// in the final sync: the disk works while the next blocks are made.
constexpr qint64 kWritebackStep = qint64(8) << 20;

OutputProblem problemOf(OutputProblem::Kind kind, const base::Failure& reason, const QString& folder = {}) {
    return {kind, reason, folder};
}

OutputProblem missingFolder(const QString& folder) {
    const QString where = shown(QFileInfo(folder).absoluteFilePath());
    return problemOf(OutputProblem::Kind::MissingFolder,
                     base::about(base::Fault::NoSuchFolder, where), where);
}

const OutputProblem kNoName =
    problemOf(OutputProblem::Kind::NoName, base::failure(base::Fault::NoFileName));
const OutputProblem kFolder =
    problemOf(OutputProblem::Kind::Folder, base::failure(base::Fault::IsFolder));

} // namespace

QString describeFileError(const QFileDevice& file) {
    QString text = file.errorString();
    if (text.isEmpty() || text == QLatin1String("Unknown error"))
        text = systemError(errno);
    return text;
}

std::optional<base::Failure> outputProblem(const QString& path) {
    if (const auto problem = checkOutput(path))
        return problem->reason;
    return std::nullopt;
}

#if defined(Q_OS_UNIX)

namespace {

// A descriptor that closes when it goes.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(Fd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.m_fd, -1));
        return *this;
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    void reset(int fd = -1) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd = -1;
};

} // namespace

// Where an output goes once the rules are applied: a name in an open folder,
// and what stands at that name now.
struct OutputTarget {
    Fd folder;
    QByteArray name;
    bool exists = false;
    struct stat info {}; // of the entry itself, never of what a link names
    struct stat folderInfo {};
};

namespace {

#if defined(O_PATH)
constexpr int kPassThrough = O_PATH; // a folder on the way needs only search permission
#else
constexpr int kPassThrough = O_RDONLY;
#endif

// A folder that others may write into and that keeps their entries apart (the
// sticky bit, as /tmp has).
bool isShared(const struct stat& folder) {
    return (folder.st_mode & S_ISVTX) && (folder.st_mode & (S_IWOTH | S_IWGRP));
}

// A link, FIFO or file in a shared folder that belongs to neither the user nor
// the folder's owner was planted by someone else.
bool planted(const struct stat& folder, const struct stat& entry) {
    const bool kind = S_ISLNK(entry.st_mode) || S_ISFIFO(entry.st_mode) || S_ISREG(entry.st_mode);
    return isShared(folder) && kind && entry.st_uid != ::geteuid() && entry.st_uid != folder.st_uid;
}

// The folder and name parts of a path, split at its last slash and nowhere
// else: "a/link/.." stays as written, for the walk to resolve as the system does.
std::pair<QString, QString> splitPath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QStringLiteral("."), path};
    return {slash == 0 ? QStringLiteral("/") : path.left(slash), path.mid(slash + 1)};
}

std::optional<OutputProblem> folderProblem(const QString& folderPath, int error) {
    if (error == ENOENT || error == ENOTDIR)
        return missingFolder(folderPath);
    return problemOf(OutputProblem::Kind::Other,
                     base::about(base::Fault::FolderCannotBeUsed, shown(folderPath),
                                 systemError(error)));
}

// A walk through a path one name at a time, as the system looks a path up.
struct Walk {
    Fd at;                     // the folder reached so far
    QByteArray where;          // the way to it, as walked
    QList<QByteArray> pending; // the names still to go, the next one last
    int links = 0;
};

// Puts the names of path before those still to go; an absolute path starts
// again at the root.
bool enter(Walk* walk, const QByteArray& path) {
    if (path.startsWith('/') || !walk->at.valid()) {
        const bool absolute = path.startsWith('/');
        walk->at.reset(::open(absolute ? "/" : ".", kPassThrough | O_DIRECTORY | O_CLOEXEC));
        walk->where = absolute ? "/" : "";
    }
    const QList<QByteArray> names = path.split('/');
    for (auto name = names.crbegin(); name != names.crend(); ++name) {
        if (!name->isEmpty() && *name != ".")
            walk->pending.append(*name);
    }
    return walk->at.valid();
}

// Takes the next name of the walk: a folder is entered; a link gives way to
// the path it holds, unless it is another user's in a shared folder. That is
// the rule the kernel applies to every link of a path there when its
// protections are on, applied whatever the system's settings.
std::optional<OutputProblem> step(Walk* walk, const QString& folderPath) {
    const QByteArray name = walk->pending.takeLast();
    QByteArray where = walk->where;
    if (!where.isEmpty() && !where.endsWith('/'))
        where += '/';
    where += name;
    struct stat entry {};
    struct stat folder {};
    if (::fstatat(walk->at.get(), name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0 ||
        ::fstat(walk->at.get(), &folder) != 0)
        return folderProblem(folderPath, errno);
    if (!S_ISLNK(entry.st_mode)) {
        walk->at.reset(::openat(walk->at.get(), name.constData(),
                                kPassThrough | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        walk->where = where;
        return walk->at.valid() ? std::nullopt : folderProblem(folderPath, errno);
    }
    if (planted(folder, entry)) {
        return problemOf(OutputProblem::Kind::Planted,
                         base::about(base::Fault::ForeignLinkOnTheWay,
                                     shown(QFile::decodeName(where))));
    }
    char to[PATH_MAX];
    const ssize_t n = ::readlinkat(walk->at.get(), name.constData(), to, sizeof to);
    if (n < 0 || n >= static_cast<ssize_t>(sizeof to) || ++walk->links > 40)
        return folderProblem(folderPath, n < 0 ? errno : ELOOP);
    if (!enter(walk, QByteArray(to, static_cast<qsizetype>(n))))
        return folderProblem(folderPath, errno);
    return std::nullopt;
}

// Opens the folder at path, following its links only where step() allows.
std::optional<OutputProblem> openFolder(const QString& folderPath, Fd* result) {
    Walk walk;
    if (!enter(&walk, QFile::encodeName(folderPath)))
        return folderProblem(folderPath, errno);
    while (!walk.pending.isEmpty()) {
        if (const auto problem = step(&walk, folderPath))
            return problem;
    }
    // The folder the output goes in is read and synced, not only passed through.
    result->reset(::openat(walk.at.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return result->valid() ? std::nullopt : folderProblem(folderPath, errno);
}

// Opens the folder of path and looks at what stands at its name there, not
// following a link; target is filled in.
std::optional<OutputProblem> inspect(const QString& path, OutputTarget* target) {
    const auto [folderPath, name] = splitPath(path);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QFileInfo(path).isDir() ? kFolder : missingFolder(path);
    Fd folder;
    if (const auto problem = openFolder(folderPath, &folder))
        return problem;
    struct stat folderInfo {};
    struct stat entry {};
    const QByteArray encoded = QFile::encodeName(name);
    if (::fstat(folder.get(), &folderInfo) != 0)
        return problemOf(OutputProblem::Kind::Other, systemFailure(errno));
    const bool exists = ::fstatat(folder.get(), encoded.constData(), &entry, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists && errno != ENOENT)
        return problemOf(OutputProblem::Kind::Other, systemFailure(errno));
    target->folder = std::move(folder);
    target->name = encoded;
    target->exists = exists;
    target->info = entry;
    target->folderInfo = folderInfo;
    return std::nullopt;
}

// What no output may be, and what the rules of a shared folder refuse there.
std::optional<OutputProblem> refused(const OutputTarget& target) {
    const struct stat& entry = target.info;
    if (S_ISSOCK(entry.st_mode))
        return problemOf(OutputProblem::Kind::Other, base::failure(base::Fault::IsSocket));
    if (planted(target.folderInfo, entry)) {
        return problemOf(OutputProblem::Kind::Planted,
                         base::failure(base::Fault::ForeignFileInSharedFolder));
    }
    // The user's own file, but another name of it may be anybody's doing: a
    // file open to all can be linked there by anyone.
    if (isShared(target.folderInfo) && S_ISREG(entry.st_mode) && entry.st_nlink > 1) {
        return problemOf(OutputProblem::Kind::Planted,
                         base::failure(base::Fault::HardLinkInSharedFolder));
    }
    return std::nullopt;
}

// Where the link at target points, as a path.
std::optional<QString> linked(const OutputTarget& target, const QString& linkPath) {
    char to[PATH_MAX];
    const ssize_t n = ::readlinkat(target.folder.get(), target.name.constData(), to, sizeof to);
    if (n < 0 || n >= static_cast<ssize_t>(sizeof to))
        return std::nullopt;
    const QString where = QFile::decodeName(QByteArray(to, static_cast<qsizetype>(n)));
    return QDir::isAbsolutePath(where) ? where : splitPath(linkPath).first + '/' + where;
}

// Follows the path to the entry an output replaces or creates, link by link,
// applying every rule on the way. Nothing on success, with target filled in.
std::optional<OutputProblem> locate(const QString& path, OutputTarget* target) {
    if (path.isEmpty())
        return kNoName;
    QString current = path;
    // Bounded, as the system bounds a chain of links.
    for (int depth = 0; depth < 40; ++depth) {
        if (const auto problem = inspect(current, target))
            return problem;
        if (!target->exists)
            return std::nullopt;
        if (const auto problem = refused(*target))
            return problem;
        if (S_ISLNK(target->info.st_mode)) {
            const auto next = linked(*target, current);
            if (!next)
                return problemOf(OutputProblem::Kind::Other, systemFailure(errno));
            current = *next;
            continue;
        }
        if (S_ISDIR(target->info.st_mode))
            return kFolder;
        // A replacement goes in by a rename, which the folder's permissions
        // allow even where the file itself is protected: the protection is
        // respected as if the file were written in place.
        if (::faccessat(target->folder.get(), target->name.constData(), W_OK, AT_EACCESS) != 0)
            return problemOf(OutputProblem::Kind::WriteProtected,
                             base::failure(base::Fault::WriteProtected));
        return std::nullopt;
    }
    return problemOf(OutputProblem::Kind::Other, systemFailure(ELOOP));
}

// The process's umask, read without changing it where the system tells it.
mode_t currentUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return static_cast<mode_t>(mask);
            }
        }
    }
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return mask;
}

// A name for the new file beside the target while it has none of its own:
// hidden, recognisable, and never one that exists.
QByteArray temporaryName(const QByteArray& target) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = '.' + target.left(200) + ".tessera-";
    for (int i = 0; i < 6; ++i)
        name += kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters - 1))];
    return name;
}

// An unnamed file can be given a name only through /proc.
bool canNameUnnamedFiles() {
    static const bool can = ::access("/proc/self/fd", X_OK) == 0;
    return can;
}

QByteArray procPath(int fd) {
    return QByteArray("/proc/self/fd/") + QByteArray::number(fd);
}

} // namespace

// The new file for a regular target: private until complete, then given its
// mode and the target's name in one rename.
class OutputFile::Replacement {
public:
    explicit Replacement(bool newPrivate) : m_newPrivate(newPrivate) {}
    ~Replacement() { discard(); }

    bool open(OutputTarget target, base::Failure* error) {
        m_target = std::move(target);
        const int folder = m_target.folder.get();
#if defined(O_TMPFILE)
        if (canNameUnnamedFiles()) {
            const int fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
            if (fd >= 0) {
                m_file.reset(fd);
                return true;
            }
            if (errno == EACCES || errno == EROFS || errno == ENOSPC || errno == EDQUOT) {
                *error = systemFailure(errno);
                return false;
            }
            // The file system has no unnamed files: a named one instead.
        }
#endif
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = temporaryName(m_target.name);
            const int fd = ::openat(folder, name.constData(),
                                    O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd >= 0) {
                m_file.reset(fd);
                m_temporary = name;
                return true;
            }
            if (errno != EEXIST) {
                *error = systemFailure(errno);
                return false;
            }
        }
        *error = systemFailure(EEXIST);
        return false;
    }

    bool write(const char* data, qint64 size, base::Failure* error) {
        while (size > 0) {
            const ssize_t n = ::write(m_file.get(), data, static_cast<size_t>(qMin(size, kWriteSize)));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                *error = systemFailure(n < 0 ? errno : ENOSPC);
                return false;
            }
            data += n;
            size -= n;
            m_written += n;
        }
#if defined(Q_OS_LINUX)
        if (m_written - m_flushed >= kWritebackStep) {
            ::sync_file_range(m_file.get(), m_flushed, m_written - m_flushed,
                              SYNC_FILE_RANGE_WRITE);
            m_flushed = m_written;
        }
#endif
        return true;
    }

    // Puts the data on the disk, asks the cancel check once more, then gives
    // the file its owner, mode and name.
    bool commit(const base::CancelToken* cancel, bool* wasCancelled, base::Failure* error) {
        if (::fdatasync(m_file.get()) != 0 && errno != EINVAL && errno != EROFS) {
            *error = systemFailure(errno);
            return false;
        }
        if (cancel && cancel->cancelled()) {
            *wasCancelled = true;
            *error = base::failure(base::Fault::Cancelled);
            return false;
        }
        setOwnerAndMode();
        if (!takeName(error))
            return false;
        // The new name on the disk as well: a crash just after keeps it.
        ::fsync(m_target.folder.get());
        m_file.reset();
        return true;
    }

    // The new file goes; the target keeps what it held.
    void discard() {
        if (!m_temporary.isEmpty() && m_target.folder.valid())
            ::unlinkat(m_target.folder.get(), m_temporary.constData(), 0);
        m_temporary.clear();
        m_file.reset();
    }

private:
    void setOwnerAndMode() {
        const int fd = m_file.get();
        if (m_newPrivate) {
            ::fchmod(fd, 0600);
            return;
        }
        mode_t mode = 0666 & ~currentUmask();
        if (m_target.exists) {
            const struct stat& old = m_target.info;
            // The owner and group where the process may set them (the
            // superuser may); else at least the group, where the user is in it.
            const bool givenBack = ::fchown(fd, old.st_uid, old.st_gid) == 0;
            if (!givenBack && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
                // the user's own file, in the user's group
            }
            // Another user's bits never come onto the user's file, nor do
            // the bits of a file with another name, which anyone may have
            // made where the file is open to all; the special bits never
            // come onto a new one.
            if ((givenBack || old.st_uid == ::geteuid()) && hasOneName())
                mode = old.st_mode & 0777;
        }
        ::fchmod(fd, mode);
    }

    // Whether the replaced file still has only the name it had when the
    // output was opened: a name made since counts too.
    bool hasOneName() const {
        struct stat now {};
        return ::fstatat(m_target.folder.get(), m_target.name.constData(), &now,
                         AT_SYMLINK_NOFOLLOW) == 0 &&
               now.st_dev == m_target.info.st_dev && now.st_ino == m_target.info.st_ino &&
               now.st_nlink == 1;
    }

    // A new file only: a link to it at the name, which never replaces what
    // appeared there meanwhile.
    bool takeNewName(base::Failure* error) {
        const int folder = m_target.folder.get();
        const bool linked =
            m_temporary.isEmpty()
                ? ::linkat(AT_FDCWD, procPath(m_file.get()).constData(), folder,
                           m_target.name.constData(), AT_SYMLINK_FOLLOW) == 0
                : ::linkat(folder, m_temporary.constData(), folder, m_target.name.constData(),
                           0) == 0;
        if (!linked) {
            *error = errno == EEXIST ? base::failure(base::Fault::AlreadyExists) : systemFailure(errno);
            return false;
        }
        if (!m_temporary.isEmpty())
            ::unlinkat(folder, m_temporary.constData(), 0);
        m_temporary.clear();
        return true;
    }

    bool takeName(base::Failure* error) {
        if (m_newPrivate)
            return takeNewName(error);
        const int folder = m_target.folder.get();
        if (m_temporary.isEmpty()) {
            const QByteArray self = procPath(m_file.get());
            if (!m_target.exists &&
                ::linkat(AT_FDCWD, self.constData(), folder, m_target.name.constData(),
                         AT_SYMLINK_FOLLOW) == 0)
                return true;
            if (!m_target.exists && errno != EEXIST) {
                *error = systemFailure(errno);
                return false;
            }
            // A file is there: the new one gets a name of its own first, and
            // then takes the target's in one rename.
            for (int attempt = 0; m_temporary.isEmpty(); ++attempt) {
                const QByteArray name = temporaryName(m_target.name);
                if (::linkat(AT_FDCWD, self.constData(), folder, name.constData(),
                             AT_SYMLINK_FOLLOW) == 0)
                    m_temporary = name;
                else if (errno != EEXIST || attempt == 100) {
                    *error = systemFailure(errno);
                    return false;
                }
            }
        }
        if (::renameat(folder, m_temporary.constData(), folder, m_target.name.constData()) != 0) {
            *error = systemFailure(errno);
            return false;
        }
        m_temporary.clear();
        return true;
    }

    const bool m_newPrivate;
    OutputTarget m_target;
    Fd m_file;
    QByteArray m_temporary; // the new file's name while it has one of its own
    qint64 m_written = 0;
    qint64 m_flushed = 0; // of which the system was asked to put on the disk
};

// A FIFO, a device or standard output, written in place.
class OutputFile::Stream {
public:
    ~Stream() { close(); }

    bool open(const OutputTarget& target, const OutputFile& owner, base::Failure* error) {
        // A FIFO that nobody reads yet: wait for a reader, as a blocking open
        // would, but one that a cancel ends at once. The watch comes first,
        // so that a reader who arrives between a try and the wait is not missed.
        const ChangeWatch watch(procPath(target.folder.get()) + '/' + target.name,
                                ChangeWatch::Opened, kReaderRetryMs);
        for (;;) {
            m_fd = ::openat(target.folder.get(), target.name.constData(),
                            O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
            if (m_fd >= 0)
                break;
            // Only a FIFO answers "no reader yet" with ENXIO; a device says
            // it has gone, a socket never opens.
            if (errno != EINTR && (errno != ENXIO || !S_ISFIFO(target.info.st_mode))) {
                *error = systemFailure(errno);
                return false;
            }
            if (!stillThere(target)) {
                *error = base::failure(base::Fault::ReplacedWhileOpened);
                return false;
            }
            if (watch.wait(owner.m_cancel, kReaderRetryMs) == base::Wait::Cancelled) {
                *error = base::failure(base::Fault::Cancelled);
                return false;
            }
        }
        // What was opened must be what the rules were applied to.
        struct stat opened {};
        if (::fstat(m_fd, &opened) != 0 || opened.st_dev != target.info.st_dev ||
            opened.st_ino != target.info.st_ino) {
            *error = base::failure(base::Fault::ReplacedWhileOpened);
            close();
            return false;
        }
        return true;
    }

    static bool stillThere(const OutputTarget& target) {
        struct stat now {};
        const int folder = target.folder.get();
        return ::fstatat(folder, target.name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
               now.st_dev == target.info.st_dev && now.st_ino == target.info.st_ino;
    }

    // A descriptor held open, written where it stands. A regular file
    // written at its end can be cut back to it.
    void adopt(int fd) {
        m_fd = fd;
        m_owned = false;
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
            return;
        const bool appends = (::fcntl(fd, F_GETFL) & O_APPEND) != 0;
        if (appends || ::lseek(fd, 0, SEEK_CUR) == info.st_size)
            m_endBefore = info.st_size;
    }
    bool canTakeBack() const { return m_endBefore >= 0; }
    // What a regular file received goes again.
    void takeBack() {
        if (m_wrote && m_endBefore >= 0 && ::ftruncate(m_fd, m_endBefore) == 0)
            ::lseek(m_fd, m_endBefore, SEEK_SET);
    }

    bool write(const char* data, qint64 size, const OutputFile& owner, base::Failure* error,
               bool* cancelled) {
        while (size > 0) {
            const ssize_t n = ::write(m_fd, data, static_cast<size_t>(qMin<qint64>(size, 1 << 20)));
            if (n > 0) {
                m_wrote = true;
                data += n;
                size -= n;
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                *error = systemFailure(errno);
                return false;
            }
            // The reader is not keeping up (or not reading at all).
            if (base::waitFor(m_fd, POLLOUT, owner.m_cancel) == base::Wait::Cancelled) {
                *cancelled = true;
                *error = base::failure(base::Fault::Cancelled);
                return false;
            }
        }
        return true;
    }

    bool close(base::Failure* error = nullptr) {
        if (m_fd < 0 || !m_owned) {
            m_fd = -1;
            return true;
        }
        const int fd = std::exchange(m_fd, -1);
        if (::close(fd) != 0 && errno != EINTR) {
            if (error)
                *error = systemFailure(errno);
            return false;
        }
        return true;
    }

private:
    int m_fd = -1;
    bool m_owned = true;
    off_t m_endBefore = -1; // a regular file's length before the output
    bool m_wrote = false;
};

std::optional<OutputProblem> checkOutput(const QString& path) {
    OutputTarget target;
    return locate(path, &target);
}

bool OutputFile::open(base::Failure* error) {
    if (m_standardOutput)
        return openHeld(error);
    struct stat existing {};
    if (m_creation == Creation::NewPrivate &&
        ::lstat(QFile::encodeName(m_path).constData(), &existing) == 0) {
        *error = base::failure(base::Fault::AlreadyExists);
        return false;
    }
    OutputTarget target;
    if (const auto problem = locate(m_path, &target)) {
        *error = problem->reason;
        return false;
    }
    if (target.exists && !S_ISREG(target.info.st_mode)) {
        m_isStream = true;
        m_stream = std::make_unique<Stream>();
        if (m_stream->open(target, *this, error))
            return true;
        m_wasCancelled = cancelRequested();
        m_stream.reset();
        return false;
    }
    m_replacement = std::make_unique<Replacement>(m_creation == Creation::NewPrivate);
    if (m_replacement->open(std::move(target), error))
        return true;
    m_replacement.reset();
    return false;
}

#else

// Elsewhere: QSaveFile's own new file beside the target, and a plain open for
// what is not a regular file.

std::optional<OutputProblem> checkOutput(const QString& path) {
    if (path.isEmpty())
        return kNoName;
    const QFileInfo target(path);
    if (target.isDir())
        return kFolder;
    if (!target.exists()) {
        if (!QFileInfo(target.absolutePath()).isDir())
            return missingFolder(target.absolutePath());
        return std::nullopt;
    }
    if (!target.isWritable())
        return problemOf(OutputProblem::Kind::WriteProtected, base::failure(base::Fault::WriteProtected));
    return std::nullopt;
}

class OutputFile::Replacement {
public:
    Replacement(const QString& path, bool newPrivate) : m_file(path), m_newPrivate(newPrivate) {}
    bool open(base::Failure* error) {
        if (m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return true;
        *error = base::failure(base::Fault::SystemError, describeFileError(m_file));
        return false;
    }
    bool write(const char* data, qint64 size, base::Failure* error) {
        while (size > 0) {
            const qint64 n = m_file.write(data, qMin(size, kWriteSize));
            if (n <= 0) {
                *error = base::failure(base::Fault::SystemError, describeFileError(m_file));
                return false;
            }
            data += n;
            size -= n;
        }
        return true;
    }
    bool commit(const base::CancelToken* cancel, bool* wasCancelled, base::Failure* error) {
        if (cancel && cancel->cancelled()) {
            *wasCancelled = true;
            *error = base::failure(base::Fault::Cancelled);
            return false;
        }
        if (m_newPrivate)
            m_file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (m_file.commit())
            return true;
        *error = base::failure(base::Fault::SystemError, describeFileError(m_file));
        return false;
    }
    void discard() { m_file.cancelWriting(); }

private:
    QSaveFile m_file;
    bool m_newPrivate;
};

class OutputFile::Stream {
public:
    bool open(const QString& path, base::Failure* error) {
        m_file.setFileName(path);
        if (m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return true;
        *error = base::failure(base::Fault::SystemError, describeFileError(m_file));
        return false;
    }
    void adopt(int fd) {
        m_file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    }
    bool canTakeBack() const { return false; }
    void takeBack() {}
    bool write(const char* data, qint64 size, const OutputFile&, base::Failure* error, bool*) {
        while (size > 0) {
            const qint64 n = m_file.write(data, size);
            if (n <= 0) {
                *error = base::failure(base::Fault::SystemError, describeFileError(m_file));
                return false;
            }
            data += n;
            size -= n;
        }
        return true;
    }
    bool close(base::Failure* error = nullptr) {
        const bool ok = m_file.flush();
        if (!ok && error)
            *error = base::failure(base::Fault::SystemError, describeFileError(m_file));
        m_file.close();
        return ok;
    }

private:
    QFile m_file;
};

bool OutputFile::open(base::Failure* error) {
    if (m_standardOutput)
        return openHeld(error);
    if (const auto problem = checkOutput(m_path)) {
        *error = problem->reason;
        return false;
    }
    const QFileInfo info(m_path);
    if (m_creation == Creation::NewPrivate && (info.exists() || info.isSymLink())) {
        *error = base::failure(base::Fault::AlreadyExists);
        return false;
    }
    if (info.exists() && !info.isFile()) {
        m_isStream = true;
        m_stream = std::make_unique<Stream>();
        if (m_stream->open(m_path, error))
            return true;
        m_stream.reset();
        return false;
    }
    m_replacement = std::make_unique<Replacement>(m_path, m_creation == Creation::NewPrivate);
    if (m_replacement->open(error))
        return true;
    m_replacement.reset();
    return false;
}

#endif

// ---- The output ---------------------------------------------------------------

OutputFile::OutputFile(QString path) : m_path(std::move(path)) {}

OutputFile OutputFile::standardOutput() {
    return descriptor(1);
}

OutputFile OutputFile::descriptor(int fd) {
    OutputFile out;
    out.m_standardOutput = true;
    out.m_descriptor = fd;
    return out;
}

OutputFile::OutputFile(OutputFile&&) noexcept = default;

OutputFile::~OutputFile() {
    if (!m_finished)
        cancel();
}

bool OutputFile::write(const char* data, qint64 size, base::Failure* error) {
    if (m_stream) {
        bool cancelled = false;
        const bool ok = m_stream->write(data, size, *this, error, &cancelled);
        if (cancelled)
            m_wasCancelled = true;
        else if (ok)
            m_written += size;
        return ok;
    }
    if (!m_replacement->write(data, size, error))
        return false;
    m_written += size;
    return true;
}

bool OutputFile::commit(base::Failure* error) {
    if (m_stream) {
        const bool ok = m_stream->close(error);
        m_stream.reset();
        m_finished = true;
        return ok;
    }
    if (!m_replacement->commit(m_cancel, &m_wasCancelled, error)) {
        cancel();
        return false;
    }
    m_replacement.reset();
    m_finished = true;
    return true;
}

void OutputFile::cancel() {
    m_finished = true;
    if (m_replacement) {
        m_replacement->discard();
        m_replacement.reset();
    }
    if (m_stream) {
        m_stream->takeBack();
        m_stream->close();
        m_stream.reset();
    }
}

// A descriptor the process holds is written as it is, on every system.
bool OutputFile::openHeld(base::Failure* error) {
    if (m_creation == Creation::NewPrivate) {
        *error = base::failure(base::Fault::NotANewFile);
        return false;
    }
    m_stream = std::make_unique<Stream>();
    m_stream->adopt(m_descriptor);
    m_isStream = !m_stream->canTakeBack();
    return true;
}

} // namespace io
