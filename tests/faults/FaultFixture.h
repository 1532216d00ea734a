#pragma once

// What the fault cases share: the real tessera-cli run in its own cache
// folder (optionally as an unprivileged user), small disks of their own, and
// a few file helpers.

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

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(data), data.size());
}

// What an unfinished output could leave beside its target: the writer's
// temporary file is the target's name with a random six-character tail (where
// the system offers unnamed temporary files, it leaves nothing at all).
inline QStringList partials(const QString& dir) {
    return QDir(dir).entryList({QStringLiteral("*.??????")}, QDir::Files | QDir::Hidden);
}

inline QByteArray pseudoRandom(qsizetype size, quint32 seed) {
    QByteArray out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        out[i] = static_cast<char>(seed >> 24);
    }
    return out;
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
