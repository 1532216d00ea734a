// What the pass refuses before it opens any file, and what it reports when
// writing fails: a full disk, a folder it may not write in.

#include "TestFiles.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

#if defined(Q_OS_UNIX)
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#if defined(Q_OS_LINUX)
#include <sys/mount.h>
#endif

using cipher::Direction;
using cipher::PassRequest;
using cipher::PassResult;
using cipher::PassStatus;
using namespace testfiles;

namespace {

const base::Secret kPw = base::Secret::copyOf(u"pw");

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

class Refusals : public ::testing::Test {
protected:
    void SetUp() override {
        writeAll(path("in"), "some bytes");
        QDir(dir.path()).mkdir("folder");
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    // A refusal touches nothing: no host call, no copy, no temporary file.
    void expectRefused(const PassRequest& request, const QString& text) {
        SCOPED_TRACE(text.toStdString());
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        RecordingHost host;
        const PassResult result = cipher::FileCipherPass(request, host);
        EXPECT_EQ(result.status, PassStatus::Refused);
        EXPECT_EQ(said(result, request.direction), text);
        EXPECT_TRUE(host.ranges.empty());
        EXPECT_TRUE(host.positions.empty());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        EXPECT_EQ(readAll(path("in")), QByteArray("some bytes"));
    }

    QTemporaryDir dir;
};

TEST_F(Refusals, InputThatIsNotAReadableNonEmptyFile) {
    expectRefused({"", path("out"), kPw, Direction::Encipher},
                  "Enter the name of the file to encrypt.");
    expectRefused({"", path("out"), kPw, Direction::Decipher},
                  "Enter the name of the file to decrypt.");
    expectRefused(
        {path("missing"), path("out"), kPw, Direction::Encipher},
        QStringLiteral("The file \"%1\" could not be found.").arg(native(path("missing"))));
    expectRefused({path("folder"), path("out"), kPw, Direction::Encipher},
                  QStringLiteral("\"%1\" is a folder, not a file.").arg(native(path("folder"))));

    writeAll(path("empty"), {});
    expectRefused({path("empty"), path("out"), kPw, Direction::Encipher},
                  QStringLiteral("The file \"%1\" is empty: there is nothing to encrypt.")
                      .arg(native(path("empty"))));
    expectRefused({path("empty"), path("out"), kPw, Direction::Decipher},
                  QStringLiteral("The file \"%1\" is empty: there is nothing to decrypt.")
                      .arg(native(path("empty"))));

    ASSERT_TRUE(QFile::link(path("missing"), path("dangling")));
    expectRefused(
        {path("dangling"), path("out"), kPw, Direction::Encipher},
        QStringLiteral("The file \"%1\" could not be found.").arg(native(path("dangling"))));
#if defined(Q_OS_UNIX)
    // A pipe has no length, and reading it might never end.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    expectRefused({path("fifo"), path("out"), kPw, Direction::Encipher},
                  QStringLiteral("\"%1\" is not an ordinary file.").arg(native(path("fifo"))));
#endif
}

TEST_F(Refusals, PasswordThatIsEmptyTooLongOrOutsideTheCodePage) {
    expectRefused({path("in"), path("out"), {}, Direction::Encipher}, "Enter a password first.");
    expectRefused({path("in"), path("out"), base::Secret::copyOf(QString(32768, 'x')), Direction::Encipher},
                  "The password is longer than 32767 characters.");
    expectRefused({path("in"), path("out"), base::Secret::copyOf(QStringLiteral("ab\u0100c")), Direction::Decipher},
                  QStringLiteral("The password holds the character \u201C\u0100\u201D (U+0100), "
                                 "which cannot be used in a password."));
    expectRefused({path("in"), path("out"), base::Secret::copyOf(QStringLiteral("x\U0001F600")), Direction::Encipher},
                  QStringLiteral("The password holds the character \u201C\U0001F600\u201D "
                                 "(U+1F600), which cannot be used in a password."));

    // The longest password, and the characters the page has beyond ASCII, work.
    const QString longest = QString(32766, 'x') + QStringLiteral("\u20AC");
    const PassResult result = runPass(path("in"), path("out"), longest);
    ASSERT_EQ(result.status, PassStatus::Done) << said(result).toStdString();
    EXPECT_EQ(readAll(path("out")), reference("some bytes", longest, Direction::Encipher));
}

TEST_F(Refusals, CopyWithoutAUsableName) {
    expectRefused({path("in"), "", kPw, Direction::Encipher},
                  "Enter the name of the copy to create.");
    expectRefused({path("in"), path("folder"), kPw, Direction::Encipher},
                  QStringLiteral("\"%1\" is a folder, not a file.").arg(native(path("folder"))));
    expectRefused({path("in"), path("nowhere/out"), kPw, Direction::Encipher},
                  QStringLiteral("The folder \"%1\" does not exist.").arg(native(path("nowhere"))));
}

#if defined(Q_OS_UNIX)

// Runs a pass as an ordinary user, which is what the folder and file
// permissions below are about: the superuser passes every such check. As the
// superuser the pass runs in a child process that has given its rights up.
// Nothing when that cannot be done (the reason goes to skipReason).
// A pass's status and what the windows would say of it.
struct Reported {
    PassStatus status;
    QString message;
};

std::optional<Reported> runAsOrdinaryUser(const PassRequest& request, std::string* skipReason) {
    if (::geteuid() != 0) {
        RecordingHost host;
        const PassResult result = cipher::FileCipherPass(request, host);
        return Reported{result.status, said(result)};
    }
    int fds[2];
    if (::pipe(fds) != 0) {
        *skipReason = std::strerror(errno);
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        *skipReason = std::strerror(errno);
        return std::nullopt;
    }
    if (child == 0) {
        ::close(fds[0]);
        const uid_t nobody = 65534;
        QByteArray report;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
            report = "skip:cannot become an ordinary user: " + QByteArray(std::strerror(errno));
        } else {
            RecordingHost host;
            const PassResult result = cipher::FileCipherPass(request, host);
            report =
                QByteArray::number(static_cast<int>(result.status)) + ':' + said(result).toUtf8();
        }
        [[maybe_unused]] const auto written = ::write(fds[1], report.constData(), report.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray report;
    char chunk[4096];
    for (ssize_t got; (got = ::read(fds[0], chunk, sizeof chunk)) > 0;)
        report.append(chunk, got);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (report.startsWith("skip:")) {
        *skipReason = report.mid(5).toStdString();
        return std::nullopt;
    }
    const qsizetype colon = report.indexOf(':');
    if (colon < 0) {
        *skipReason = "the child process reported nothing";
        return std::nullopt;
    }
    return Reported{static_cast<PassStatus>(report.left(colon).toInt()),
                    QString::fromUtf8(report.mid(colon + 1))};
}

class Permissions : public ::testing::Test {
protected:
    void SetUp() override {
        // The ordinary user must reach the folder and read the input.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
        writeAll(path("in"), "readable by all");
        QFile::setPermissions(path("in"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    }
    void TearDown() override {
        // Let the folder be removed again.
        for (const char* name : {"open", "closed"})
            QFile::setPermissions(path(name),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    void makeFolder(const QString& name, QFileDevice::Permissions permissions) {
        ASSERT_TRUE(QDir(dir.path()).mkdir(name));
        QFile::setPermissions(path(name), permissions);
    }

    QTemporaryDir dir;
};

const QFileDevice::Permissions kAllMayWrite = QFile::ReadOwner | QFile::WriteOwner |
                                              QFile::ExeOwner | QFile::ReadOther |
                                              QFile::WriteOther | QFile::ExeOther;
const QFileDevice::Permissions kNoneMayWrite =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;

TEST_F(Permissions, UnreadableInputIsRefused) {
    writeAll(path("secret"), "owner only");
    QFile::setPermissions(path("secret"), QFile::ReadOwner | QFile::WriteOwner);
    makeFolder("open", kAllMayWrite);
    std::string skip;
    const auto result =
        runAsOrdinaryUser({path("secret"), path("open/out"), kPw, Direction::Encipher}, &skip);
    if (!result)
        GTEST_SKIP() << skip;
    EXPECT_EQ(result->status, PassStatus::Refused);
    EXPECT_EQ(result->message,
              QStringLiteral("You may not read the file \"%1\".").arg(native(path("secret"))));
    EXPECT_FALSE(QFileInfo::exists(path("open/out")));
}

TEST_F(Permissions, WriteProtectedCopyIsRefusedThoughTheFolderWouldAllowARename) {
    makeFolder("open", kAllMayWrite);
    writeAll(path("open/out"), "protected");
    QFile::setPermissions(path("open/out"), QFile::ReadOwner | QFile::ReadOther);
    std::string skip;
    const auto result =
        runAsOrdinaryUser({path("in"), path("open/out"), kPw, Direction::Encipher}, &skip);
    if (!result)
        GTEST_SKIP() << skip;
    EXPECT_EQ(result->status, PassStatus::Refused);
    EXPECT_EQ(result->message,
              QStringLiteral("The file \"%1\" cannot be written: it is write-protected.")
                  .arg(native(path("open/out"))));
    EXPECT_EQ(readAll(path("open/out")), QByteArray("protected"));
    EXPECT_TRUE(partials(path("open")).isEmpty());
}

TEST_F(Permissions, ReadOnlyFolderFailsAndLeavesTheEarlierCopy) {
    makeFolder("closed", kAllMayWrite);
    writeAll(path("closed/out"), "an earlier copy");
    QFile::setPermissions(path("closed/out"), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(path("closed"), kNoneMayWrite);
    std::string skip;
    const auto result =
        runAsOrdinaryUser({path("in"), path("closed/out"), kPw, Direction::Encipher}, &skip);
    if (!result)
        GTEST_SKIP() << skip;
    EXPECT_EQ(result->status, PassStatus::Failed);
    EXPECT_EQ(result->message, QStringLiteral("The file \"%1\" could not be created (%2).")
                                   .arg(native(path("closed/out")), "Permission denied"));
    EXPECT_EQ(readAll(path("closed/out")), QByteArray("an earlier copy"));
    EXPECT_TRUE(partials(path("closed")).isEmpty());
}

#endif

#if defined(Q_OS_LINUX)

// A small file system of its own, full long before the copy is: mounted in the
// test's folder, where the superuser may mount.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(dir.path()).mkdir("small"));
        if (::mount("tmpfs", QFile::encodeName(small()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV | MS_NOEXEC, "size=64k,mode=0755") != 0) {
            GTEST_SKIP() << "cannot mount a small tmpfs here: " << std::strerror(errno);
        }
        mounted = true;
    }
    void TearDown() override {
        if (mounted)
            ::umount2(QFile::encodeName(small()).constData(), MNT_DETACH);
    }
    QString small(const QString& name = {}) const {
        return name.isEmpty() ? dir.filePath("small") : dir.filePath("small/" + name);
    }

    QTemporaryDir dir;
    bool mounted = false;
};

TEST_F(FullDisk, FailedWriteLeavesTheEarlierCopyAsItWas) {
    const QString input = dir.filePath("in");
    writeAll(input, randomBytes(cipher::kBlockSize + 5, 20));
    writeAll(small("copy"), "an earlier copy");

    RecordingHost host;
    const PassResult result = runPass(input, small("copy"), "pw", Direction::Encipher, host);
    EXPECT_EQ(result.status, PassStatus::Failed);
    EXPECT_EQ(said(result), QStringLiteral("The file \"%1\" could not be written (%2).")
                                  .arg(native(small("copy")), "No space left on device"));
    EXPECT_EQ(readAll(small("copy")), QByteArray("an earlier copy"));
    EXPECT_EQ(QDir(small()).entryList(QDir::Files | QDir::Hidden), QStringList{"copy"});
    EXPECT_EQ(host.ranges, std::vector<qint64>{cipher::kBlockSize + 5});
    EXPECT_EQ(host.positions.back(), 0);
}

TEST_F(FullDisk, FailedPassInPlaceLeavesTheFileAsItWas) {
    // Fits once, not twice.
    const QByteArray plain = randomBytes(40 * 1024, 21);
    writeAll(small("file"), plain);
    const PassResult result = runPass(small("file"), small("file"), "pw", Direction::Encipher);
    EXPECT_EQ(result.status, PassStatus::Failed);
    EXPECT_TRUE(said(result).endsWith("(No space left on device)."))
        << said(result).toStdString();
    EXPECT_EQ(readAll(small("file")), plain);
    EXPECT_EQ(QDir(small()).entryList(QDir::Files | QDir::Hidden), QStringList{"file"});
}

#endif

} // namespace
