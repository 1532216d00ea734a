#pragma once

// What the fault cases share: the real tessera-cli run in its own cache
// folder (optionally as an unprivileged user) and small disks of their own.

#include "tests/support/CliRun.h"
#include "tests/support/Files.h"
#include "tests/support/Waits.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace faults {

using Result = testsupport::CliRun;

using testsupport::modeOf;
using testsupport::partials;
using testsupport::randomBytes;
using testsupport::readAll;
using testsupport::runProcess;
using testsupport::sleepsOrPolls;
using testsupport::writeAll;
using testsupport::writeZeros;

inline constexpr uid_t kNobody = 65534;

// Looks again every few milliseconds until `ready` holds; false when it did
// not within the deadline.
inline bool waitUntil(const std::function<bool()>& ready, int deadlineMs = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > deadlineMs)
            return false;
        QThread::msleep(5);
    }
    return true;
}

inline bool canRunAsNobody() {
    return ::geteuid() == 0 && QFileInfo::exists(QStringLiteral("/usr/bin/setpriv"));
}

class Faults : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString pw = dir.filePath("pw");
    QString cache = dir.filePath("cache");

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        writeAll(pw, "s3cret\n");
        QDir().mkpath(cache);
    }

    // How a command is run: as whom, under which umask, with what else set.
    struct As {
        explicit As(uid_t who = ::geteuid(), const char* mask = nullptr, QStringList extra = {})
            : uid(who), umask(mask), environment(std::move(extra)) {}
        uid_t uid;                // another runs it through setpriv
        const char* umask;
        QStringList environment;  // NAME=value
    };

    QProcessEnvironment environment(const QStringList& extra = {}) const {
        return testsupport::environmentWith(QStringList{"XDG_CACHE_HOME=" + cache} + extra);
    }

    // The program and arguments that run tessera-cli as asked.
    static QStringList commandLine(const QStringList& args, const As& as) {
        QStringList line{QStringLiteral(TESSERA_CLI)};
        if (as.umask)
            line = QStringList{"/bin/sh", "-c", QStringLiteral("umask %1; exec \"$@\"").arg(as.umask),
                               "sh"} + line;
        if (as.uid != ::geteuid()) {
            const QString id = QString::number(as.uid);
            line = QStringList{"/usr/bin/setpriv", "--reuid=" + id, "--regid=" + id,
                               "--clear-groups", "--"} + line;
        }
        return line + args;
    }

    Result run(const QStringList& args, const As& as, const QByteArray& input = {},
               int timeoutMs = 120000, const QString& folder = {}) {
        const QStringList line = commandLine(args, as);
        return runProcess(line.first(), line.mid(1), input, environment(as.environment), timeoutMs,
                          folder);
    }

    Result cli(const QStringList& args, const QByteArray& input = {}, bool asNobody = false,
               int timeoutMs = 120000) {
        return run(args, As(asNobody ? kNobody : ::geteuid()), input, timeoutMs);
    }

    // Starts tessera-cli as cli() runs it, and does not wait for its end.
    bool start(QProcess& p, const QStringList& args) {
        p.setProcessEnvironment(environment());
        p.start(QStringLiteral(TESSERA_CLI), args);
        return p.waitForStarted();
    }

    // Runs tessera-cli under /usr/bin/time; its peak memory in KB goes to
    // *peakKb (-1 when time did not say).
    Result runMeasured(const QStringList& args, long* peakKb, int timeoutMs = 120000) {
        Result r = runProcess(QStringLiteral("/usr/bin/time"),
                              QStringList{"-f", "maxrss=%M", QStringLiteral(TESSERA_CLI)} + args,
                              {}, environment(), timeoutMs);
        const qsizetype at = r.err.lastIndexOf("maxrss=");
        *peakKb = at < 0 ? -1 : r.err.mid(at + 7).trimmed().toLong();
        return r;
    }

    // A tmpfs of a few kilobytes in the test's own folder; false where mounting
    // is refused.
    bool mountTinyDisk(const QString& where, const char* size) {
        QDir().mkpath(where);
        const QByteArray options = QByteArray("size=") + size;
        if (::mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", 0,
                    options.constData()) != 0)
            return false;
        m_mounts.append(where);
        return true;
    }

    void TearDown() override {
        for (const QString& m : m_mounts)
            ::umount2(QFile::encodeName(m).constData(), MNT_DETACH);
    }

private:
    QStringList m_mounts;
};

} // namespace faults
