#pragma once

// What the fault cases share: the real tessera-cli run in its own cache
// folder (optionally as an unprivileged user) and small disks of their own.

#include "tests/support/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace faults {

struct Result {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

using testsupport::modeOf;
using testsupport::partials;
using testsupport::randomBytes;
using testsupport::readAll;
using testsupport::writeAll;
using testsupport::writeZeros;

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

    Result cli(const QStringList& args, const QByteArray& input = {}, bool asNobody = false,
               int timeoutMs = 120000) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
        p.setProcessEnvironment(env);
        if (asNobody) {
            p.start(QStringLiteral("/usr/bin/setpriv"),
                    QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--",
                                QStringLiteral(TESSERA_CLI)} +
                        args);
        } else {
            p.start(QStringLiteral(TESSERA_CLI), args);
        }
        EXPECT_TRUE(p.waitForStarted());
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(timeoutMs));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardOutput(), p.readAllStandardError()};
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
