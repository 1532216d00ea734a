#include "io/ScratchFile.h"

#include "io/ChangeWatch.h"
#include "io/Errors.h"

#include <QDir>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <cerrno>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

namespace io {
namespace {

QString fileName() {
    return QString::fromLatin1(ScratchFile::kFileName);
}

QString lockName() {
    return fileName() + QLatin1String(ScratchFile::kLockSuffix);
}

QString cacheFolder(base::Failure* problem) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // A relative value is to be ignored, the XDG rules say: it would put the
    // codes wherever the program happened to be started.
    const QString xdg = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg);
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty() && QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QLatin1String("/.cache"));
    if (problem) {
        *problem = base::failure(base::Fault::NoCacheFolderHomeUnset);
    }
    return {};
#else
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty() && problem)
        *problem = base::failure(base::Fault::NoCacheFolder);
    return base;
#endif
}

} // namespace

namespace {

// Where the system cannot tell when the lock changes hands: how long to wait
// for a cancel before the next try.
constexpr int kLockRetryMs = 20;

// Tries to take the lock until it is taken, fails, is cancelled or the wait
// runs out; says once that it waits. tryOnce answers Taken, Busy or Failed.
ScratchFile::Lock waitForLock(const QString& folder, const ScratchFile::LockWait& wait,
                              const std::function<ScratchFile::Lock()>& tryOnce) {
    // The lock changes hands when its holder closes or removes its file.
    const ChangeWatch watch(QFile::encodeName(folder), ChangeWatch::Closed | ChangeWatch::Removed,
                            kLockRetryMs);
    QDeadlineTimer deadline(wait.timeoutMs);
    bool told = false;
    for (;;) {
        const ScratchFile::Lock attempt = tryOnce();
        if (attempt != ScratchFile::Lock::Busy)
            return attempt;
        if (wait.cancel && wait.cancel->cancelled())
            return ScratchFile::Lock::Cancelled;
        if (deadline.hasExpired())
            return ScratchFile::Lock::Busy;
        if (!told && wait.waiting) {
            told = true;
            wait.waiting();
        }
        if (watch.wait(wait.cancel, int(deadline.remainingTime())) == base::Wait::Cancelled)
            return ScratchFile::Lock::Cancelled;
    }
}

} // namespace

QString ScratchFile::defaultPath(base::Failure* problem) {
    const QString base = cacheFolder(problem);
    if (base.isEmpty())
        return {};
    return base + QLatin1String("/tessera2/") + fileName();
}

#if defined(Q_OS_UNIX)

namespace {

// Makes a missing folder and its missing parents, owner only, as the XDG rules
// ask of a cache folder. Folders that exist are left as they are.
bool makeFolders(const QByteArray& path, int* error) {
    if (::mkdir(path.constData(), 0700) == 0 || errno == EEXIST)
        return true;
    const qsizetype slash = path.lastIndexOf('/');
    if (errno != ENOENT || slash <= 0) {
        *error = errno;
        return false;
    }
    if (!makeFolders(path.left(slash), error))
        return false;
    if (::mkdir(path.constData(), 0700) == 0 || errno == EEXIST)
        return true;
    *error = errno;
    return false;
}

// Opens a folder that must be a real folder of this user's that nobody else
// may write into. -1 with the reason otherwise; nothing is changed through a link.
int openTrustedFolder(const QString& folder, bool create, base::Failure* problem) {
    const QByteArray name = QFile::encodeName(folder);
    const QString quoted = shown(folder);
    if (create) {
        int error = 0;
        if (!makeFolders(name, &error)) {
            *problem = base::about(base::Fault::FolderNotMade, quoted, systemError(error));
            return -1;
        }
    }
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) {
        *problem = base::about(base::Fault::FolderNotUsable, quoted, systemError(errno));
        return -1;
    }
    if (S_ISLNK(st.st_mode)) {
        *problem = base::about(base::Fault::FolderIsLink, quoted);
        return -1;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        *problem = errno == ENOTDIR
                       ? base::about(base::Fault::NotAFolder, quoted)
                       : base::about(base::Fault::FolderNotOpened, quoted, systemError(errno));
        return -1;
    }
    // The checks that count are made on what was opened, not on the name.
    if (::fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode)) {
        *problem = base::about(base::Fault::NotAFolder, quoted);
    } else if (st.st_uid != ::geteuid()) {
        *problem = base::about(base::Fault::FolderOfAnotherUser, quoted);
    } else if (st.st_mode & (S_IWGRP | S_IWOTH)) {
        *problem = base::about(base::Fault::FolderWritableByOthers, quoted);
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

// True when name in the folder still is the file open at fd.
bool stillNamed(int folder, const char* name, int fd) {
    struct stat byName {}, open {};
    return ::fstatat(folder, name, &byName, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstat(fd, &open) == 0 && byName.st_dev == open.st_dev &&
           byName.st_ino == open.st_ino;
}

} // namespace

struct ScratchFile::Handles {
    int folder = -1;
    int lock = -1;
    int scratch = -1;
    QFile device;

    ~Handles() {
        device.close();
        if (scratch >= 0) {
            ::unlinkat(folder, kFileName, 0);
            ::close(scratch);
        }
        if (lock >= 0) {
            // Removed while still held, so that whoever waits on this file
            // finds it gone and takes a fresh one.
            ::unlinkat(folder, QFile::encodeName(lockName()).constData(), 0);
            ::close(lock);
        }
        if (folder >= 0)
            ::close(folder);
    }
};

ScratchFile::ScratchFile(QString path) : m_path(std::move(path)), m_handles(new Handles) {}

ScratchFile::~ScratchFile() = default;

bool ScratchFile::openFolder(base::Failure* problem) {
    m_handles->folder = openTrustedFolder(QFileInfo(m_path).absolutePath(), true, problem);
    return m_handles->folder >= 0;
}

ScratchFile::Lock ScratchFile::lock(const LockWait& wait, base::Failure* problem) {
    const QByteArray name = QFile::encodeName(lockName());
    // The lock file tried, kept open from one try to the next: opening and
    // closing it again would itself wake the wait.
    int candidate = -1;
    const auto closeCandidate = qScopeGuard([&] {
        if (candidate >= 0)
            ::close(candidate);
    });
    return waitForLock(QFileInfo(m_path).absolutePath(), wait, [&] {
        for (;;) {
            if (candidate < 0) {
                candidate = ::openat(m_handles->folder, name.constData(),
                                     O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
                if (candidate < 0) {
                    *problem = base::failure(base::Fault::LockNotOpened, systemError(errno));
                    return Lock::Failed;
                }
                struct stat st {};
                if (::fstat(candidate, &st) != 0 || !S_ISREG(st.st_mode) ||
                    st.st_uid != ::geteuid()) {
                    *problem = base::failure(base::Fault::LockOfAnotherUser);
                    return Lock::Failed;
                }
            }
            if (::flock(candidate, LOCK_EX | LOCK_NB) != 0) {
                if (errno != EWOULDBLOCK && errno != EINTR) {
                    *problem = base::failure(base::Fault::LockNotLocked, systemError(errno));
                    return Lock::Failed;
                }
                return Lock::Busy;
            }
            // The holder before us removes the file it held just before it
            // lets go: a lock on that file guards nothing; take a fresh one.
            if (stillNamed(m_handles->folder, name.constData(), candidate)) {
                m_handles->lock = std::exchange(candidate, -1);
                return Lock::Taken;
            }
            ::close(std::exchange(candidate, -1));
        }
    });
}

bool ScratchFile::create(base::Failure* error) {
    // Lines that a run cut short left behind are not ours to encrypt.
    if (::unlinkat(m_handles->folder, kFileName, 0) != 0 && errno != ENOENT) {
        *error = systemFailure(errno);
        return false;
    }
    const int fd = ::openat(m_handles->folder, kFileName,
                            O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = systemFailure(errno);
        return false;
    }
    m_handles->scratch = fd;
    if (!m_handles->device.open(fd, QIODevice::ReadWrite, QFileDevice::DontCloseHandle)) {
        *error = base::failure(base::Fault::SystemError, m_handles->device.errorString());
        return false;
    }
    return true;
}

bool ScratchFile::removeLeftover(const QString& path) {
    base::Failure problem;
    const int folder = openTrustedFolder(QFileInfo(path).absolutePath(), false, &problem);
    if (folder < 0)
        return false;
    const QByteArray name = QFile::encodeName(QFileInfo(path).fileName());
    struct stat st {};
    const bool ours = ::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                      S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
    const bool removed = ours && ::unlinkat(folder, name.constData(), 0) == 0;
    ::close(folder);
    return removed;
}

#else

// Elsewhere the folder lies in the user's own profile, which other users
// cannot write; a lock file of Qt's keeps two copies apart.
struct ScratchFile::Handles {
    QString folder;
    std::unique_ptr<QLockFile> lock;
    QFile device;
    ~Handles() {
        if (device.isOpen()) {
            device.close();
            device.remove();
        }
    }
};

ScratchFile::ScratchFile(QString path) : m_path(std::move(path)), m_handles(new Handles) {}

ScratchFile::~ScratchFile() = default;

bool ScratchFile::openFolder(base::Failure* problem) {
    m_handles->folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(m_handles->folder)) {
        *problem = base::about(base::Fault::FolderNotMadePlain, shown(m_handles->folder));
        return false;
    }
    return true;
}

ScratchFile::Lock ScratchFile::lock(const LockWait& wait, base::Failure* problem) {
    m_handles->lock = std::make_unique<QLockFile>(m_path + QLatin1String(kLockSuffix));
    m_handles->lock->setStaleLockTime(0);
    return waitForLock(m_handles->folder, wait, [&] {
        if (m_handles->lock->tryLock(0))
            return Lock::Taken;
        if (m_handles->lock->error() == QLockFile::LockFailedError)
            return Lock::Busy;
        *problem = base::failure(base::Fault::LockNotMade);
        return Lock::Failed;
    });
}

bool ScratchFile::create(base::Failure* error) {
    m_handles->device.setFileName(m_path);
    m_handles->device.remove();
    if (!m_handles->device.open(QIODevice::ReadWrite | QIODevice::NewOnly)) {
        *error = base::failure(base::Fault::SystemError, m_handles->device.errorString());
        return false;
    }
    return true;
}

bool ScratchFile::removeLeftover(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink() && QFile::remove(path);
}

#endif

QIODevice& ScratchFile::device() {
    return m_handles->device;
}

} // namespace io
