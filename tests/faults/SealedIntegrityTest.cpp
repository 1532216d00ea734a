// What Sealed promises, kept around the format: a damaged sealed input is
// refused and never opened as classic; --sealed insists on a sealed input;
// outputs in a shared folder never reach another user; a pipe learns that
// what it received must be discarded; text is never silently shortened; and
// the password does not outlive the command in memory.

#include "FaultFixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace faults;

namespace {

constexpr uid_t kVictim = kNobody; // the user who runs the command
constexpr uid_t kAttacker = 4242;  // another user who shares the folder

class SealedIntegrity : public Faults {
protected:
    QString plain = dir.filePath("plain.bin");
    QString sealedCopy = dir.filePath("plain.sealed");
    QString out = dir.filePath("out.bin");

    void SetUp() override {
        Faults::SetUp();
        writeAll(plain, randomBytes(200 * 1024, 16));
        ASSERT_EQ(cli({"encrypt-file", "--sealed", "--password-file", pw, plain, sealedCopy}).status, 0);
    }

    // A folder that everybody may write into and that keeps their entries
    // apart, as /tmp is.
    QString sharedFolder() {
        const QString shared = dir.filePath("shared");
        QDir().mkpath(shared);
        ::chmod(QFile::encodeName(shared).constData(), 01777);
        openTheWayFor(kVictim);
        return shared;
    }

    // Lets an unprivileged user reach the test's folder and read its inputs.
    void openTheWayFor(uid_t) {
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
        for (const QString& f : {pw, plain, sealedCopy})
            ::chmod(QFile::encodeName(f).constData(), 0644);
        ::chown(QFile::encodeName(cache).constData(), kVictim, kVictim);
    }

    static void own(const QString& path, uid_t uid) {
        ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), uid, uid), 0);
    }
};

} // namespace

TEST_F(SealedIntegrity, ADamagedSealedInputIsRefusedNeverOpenedAsClassic) {
    const QByteArray sealedBytes = readAll(sealedCopy);
    const QString damaged = dir.filePath("damaged");
    QList<QPair<QString, QByteArray>> inputs;
    for (int i = 0; i < 8; ++i) {
        QByteArray changed = sealedBytes;
        changed[i] = static_cast<char>(changed[i] ^ 0x20);
        inputs.append({QStringLiteral("magic byte %1 changed").arg(i), changed});
    }
    for (int n = 1; n <= 7; ++n)
        inputs.append({QStringLiteral("cut to %1 bytes").arg(n), sealedBytes.left(n)});
    for (const auto& [what, bytes] : inputs) {
        SCOPED_TRACE(what.toStdString());
        writeAll(damaged, bytes);
        writeAll(out, "earlier");
        const Result r = cli({"decrypt-file", "--password-file", pw, damaged, out});
        EXPECT_EQ(r.status, 4);
        EXPECT_TRUE(r.err.contains("sealed file whose first bytes were changed")) << r.err.constData();
        EXPECT_EQ(readAll(out), "earlier");
    }

    ASSERT_EQ(cli({"encrypt", "--sealed", "--password-file", pw, "--output", damaged}, "secret").status, 0);
    const QByteArray message = readAll(damaged);
    const QByteArray body = message.mid(message.indexOf('\n'));
    const QByteArray data = body.mid(1);
    for (const QByteArray& text : {"\"tessera v2.0 sealed\"\r" + body,
                                   "\"Tessera v2.0 Sealed\" \r" + body,
                                   "\xEF\xBB\xBF\"Tessera v2.0 Sealed\"\r" + body,
                                   // saved by two editors that each add a byte order mark
                                   "\xEF\xBB\xBF\xEF\xBB\xBF" + data}) {
        SCOPED_TRACE(text.left(40).toHex().toStdString());
        writeAll(damaged, text);
        writeAll(out, "earlier");
        // Its data decides, and authenticates: the first line does not matter.
        const Result r = cli({"decrypt", "--password-file", pw, "--output", out, damaged});
        EXPECT_EQ(r.status, 0) << r.err.constData();
        EXPECT_EQ(readAll(out), "secret");
    }
}

TEST_F(SealedIntegrity, SealedInsistsOnASealedInputAndClassicOnAMessage) {
    const QString message = dir.filePath("m.msg");
    ASSERT_EQ(cli({"encrypt", "--password-file", pw, "--output", message}, "hello").status, 0);
    writeAll(dir.filePath("empty"), "");
    writeAll(dir.filePath("prose"), "not a message at all");
    writeAll(dir.filePath("tag-only"), "\"Tessera v2.0\"\r\n");
    const struct {
        QStringList args;
        int status;
        const char* said;
    } cases[] = {
        {{"decrypt", "--sealed", "--password-file", pw, "--output", out, message}, 5,
         "is not a sealed message. Leave out --sealed to open a classic one."},
        {{"decrypt-file", "--sealed", "--password-file", pw, plain, out}, 5,
         "is not a sealed file. Leave out --sealed to decrypt a classic one."},
        {{"decrypt-file", "--sealed", "--password-file", pw, sealedCopy, out}, 0, ""},
        {{"decrypt", "--password-file", pw, "--output", out, dir.filePath("empty")}, 1,
         "is not a message file"},
        {{"decrypt", "--password-file", pw, "--output", out, dir.filePath("prose")}, 1,
         "is not a message file"},
        {{"decrypt", "--password-file", pw, "--output", out, sealedCopy}, 1, "is not a message file"},
        {{"decrypt", "--password-file", pw, "--output", out, dir.filePath("tag-only")}, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        writeAll(out, "earlier");
        const Result r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << r.err.constData();
        EXPECT_TRUE(r.err.contains(c.said)) << r.err.constData();
        if (c.status != 0) {
            EXPECT_EQ(readAll(out), "earlier");
        }
    }
}

TEST_F(SealedIntegrity, PlantedOutputsInASharedFolderAreRefused) {
    if (!canRunAsNobody())
        GTEST_SKIP() << "needs root and setpriv to act as two unprivileged users";
    const QString shared = sharedFolder();
    const QString home = dir.filePath("home");
    QDir().mkpath(home);
    own(home, kVictim);
    const QString victimsFile = home + QStringLiteral("/.bashrc");
    writeAll(victimsFile, "the victim's own settings");
    own(victimsFile, kVictim);
    const QString target = shared + QStringLiteral("/plain.out");
    const struct {
        const char* what;
        std::function<void()> plant;
    } plants[] = {
        {"a file of the attacker's, open to all",
         [&] {
             writeAll(target, "attacker's");
             ::chmod(QFile::encodeName(target).constData(), 0666);
             own(target, kAttacker);
         }},
        {"a link to the victim's file",
         [&] {
             QFile::link(victimsFile, target);
             own(target, kAttacker);
         }},
        {"a link to a file the victim does not have yet",
         [&] {
             QFile::link(home + QStringLiteral("/authorized_keys"), target);
             own(target, kAttacker);
         }},
        {"a FIFO of the attacker's",
         [&] {
             ::mkfifo(QFile::encodeName(target).constData(), 0666);
             own(target, kAttacker);
         }},
    };
    for (const auto& p : plants) {
        SCOPED_TRACE(p.what);
        QFile::remove(target);
        p.plant();
        const QStringList before = QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
        for (const QStringList& args :
             {QStringList{"decrypt-file", "--password-file", pw, sealedCopy, target},
              QStringList{"encrypt", "--password-file", pw, "--output", target, pw}}) {
            const Result r = run(args, As(kVictim, "077"));
            EXPECT_EQ(r.status, 1) << args.first().toStdString();
            EXPECT_TRUE(r.err.contains("belongs to another user, in a folder that others may write"))
                << r.err.constData();
            EXPECT_EQ(r.err.count('\n'), 1);
        }
        EXPECT_EQ(QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
        EXPECT_EQ(readAll(victimsFile), "the victim's own settings");
        EXPECT_FALSE(QFile::exists(home + QStringLiteral("/authorized_keys")));
    }

    // The victim's own file there is theirs to replace, and keeps its mode.
    QFile::remove(target);
    writeAll(target, "mine");
    ::chmod(QFile::encodeName(target).constData(), 0640);
    own(target, kVictim);
    const Result r = run({"decrypt-file", "--password-file", pw, sealedCopy, target}, As(kVictim, "077"));
    EXPECT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(readAll(target), readAll(plain));
    EXPECT_EQ(modeOf(target), 0640u);
}

TEST_F(SealedIntegrity, ReplacedFilesTakeOnlyTheUsersOwnBits) {
    if (!canRunAsNobody())
        GTEST_SKIP() << "needs root and setpriv to act as two unprivileged users";
    openTheWayFor(kVictim);
    const QString open = dir.filePath("open"); // writable by all, without the sticky bit
    QDir().mkpath(open);
    ::chmod(QFile::encodeName(open).constData(), 0777);
    const struct {
        const char* what;
        uid_t owner;
        mode_t before;
        mode_t after;
    } cases[] = {
        {"another user's file open to all", kAttacker, 0666, 0644},
        {"the user's own set-user-ID file", kVictim, 04755, 0755},
        {"the user's own private file", kVictim, 0600, 0600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString target = open + QStringLiteral("/copy");
        writeAll(target, "before");
        own(target, c.owner);
        ::chmod(QFile::encodeName(target).constData(), c.before);
        const Result r = run({"decrypt-file", "--password-file", pw, sealedCopy, target}, As(kVictim, "022"));
        ASSERT_EQ(r.status, 0) << r.err.constData();
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.after);
        EXPECT_EQ(st.st_uid, kVictim);
        QFile::remove(target);
    }
}

TEST_F(SealedIntegrity, WithoutUnnamedFilesTheNewFileIsPrivateUntilComplete) {
    const QString big = dir.filePath("big.bin");
    writeZeros(big, qint64(400) << 20);
    const As withoutUnnamedFiles(
        ::geteuid(), "022",
        {"LD_PRELOAD=" TESSERA_NO_UNNAMED_FILES, "ASAN_OPTIONS=verify_asan_link_order=0"});
    const QStringList line =
        commandLine({"encrypt-file", "--password-file", pw, big, out}, withoutUnnamedFiles);
    QProcess p;
    p.setProcessEnvironment(environment(withoutUnnamedFiles.environment));
    p.start(line.first(), line.mid(1));
    ASSERT_TRUE(p.waitForStarted());
    // Caught while it is written: hidden, recognisable, and the user's alone.
    QString partial;
    waitUntil([&] {
        const QStringList found = partials(dir.path());
        if (!found.isEmpty())
            partial = dir.filePath(found.first());
        return !partial.isEmpty() || p.state() != QProcess::Running;
    });
    ASSERT_FALSE(partial.isEmpty()) << "no new file was seen beside the target";
    ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
    p.waitForFinished(10000);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\.out\\.bin\\.tessera-[A-Za-z0-9]{6}$"))
                    .match(QFileInfo(partial).fileName())
                    .hasMatch())
        << partial.toStdString();
    EXPECT_EQ(modeOf(partial), 0600u) << "a killed run leaves only a private leftover";
    EXPECT_FALSE(QFile::exists(out));
    QFile::remove(partial);

    // A run that completes gives the file its usual mode and leaves nothing beside.
    writeAll(big, "small now");
    const Result r = run({"encrypt-file", "--password-file", pw, big, out}, withoutUnnamedFiles);
    EXPECT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(modeOf(out), 0644u);
    EXPECT_TRUE(partials(dir.path()).isEmpty());
}

TEST_F(SealedIntegrity, APipeIsToldToDiscardWhatItReceivedBeforeARefusal) {
    // More than one batch of chunks, so that some authenticate before the cut.
    writeAll(plain, randomBytes(qint64(6) << 20, 17));
    ASSERT_EQ(cli({"encrypt-file", "--sealed", "--password-file", pw, plain, sealedCopy}).status, 0);
    const QString cut = dir.filePath("cut.sealed");
    writeAll(cut, readAll(sealedCopy).left(qint64(5) << 20));
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    QProcess p;
    p.start(QStringLiteral(TESSERA_CLI), {"decrypt-file", "--password-file", pw, cut, fifo});
    ASSERT_TRUE(p.waitForStarted());
    qint64 received = 0;
    for (bool ended = false;;) {
        char buffer[65536];
        const ssize_t n = ::read(reader, buffer, sizeof buffer);
        if (n > 0) {
            received += n;
            continue;
        }
        if (ended)
            break;
        ended = p.waitForFinished(20);
    }
    ::close(reader);
    const QByteArray err = p.readAllStandardError();
    EXPECT_EQ(p.exitCode(), 3);
    EXPECT_GT(received, 0) << "whole chunks go on as they authenticate";
    EXPECT_TRUE(err.contains("The password is wrong, or the file was changed or cut short. \"" +
                             QFile::encodeName(fifo) +
                             "\" already received part of the data, which must be discarded."))
        << err.constData();
}

TEST_F(SealedIntegrity, TextEndingInAnIncompleteCharacterIsRefused) {
    const QString text = dir.filePath("text");
    const QString cutPassword = dir.filePath("cut-pw");
    writeAll(cutPassword, "x\xF0\x9F\x98");
    writeAll(text, "caf\xE9");
    const struct {
        QStringList args;
        QByteArray said;
    } cases[] = {
        {{"encrypt-file", "--sealed", "--password-file", cutPassword, plain, out},
         "the password in " + QFile::encodeName(cutPassword) + " is not valid UTF-8"},
        {{"encrypt", "--sealed", "--password-file", pw, "--output", out, text},
         "the message is not valid UTF-8"},
    };
    for (const auto& c : cases) {
        writeAll(out, "earlier");
        const Result r = cli(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(c.said)) << r.err.constData();
        EXPECT_EQ(readAll(out), "earlier");
    }
}

TEST_F(SealedIntegrity, ThePasswordIsGoneFromMemoryAtTheEnd) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "a sanitizer's shadow memory would make the image hundreds of gigabytes";
#endif
    if (!QFileInfo::exists(QStringLiteral("/usr/bin/gdb")))
        GTEST_SKIP() << "needs gdb to take the process's memory at its end";
    const QByteArray secret = "Qx7-unmistakable-passphrase-9Zk";
    writeAll(pw, secret + "\n");
    const QByteArray wide = QByteArray::fromRawData(
        reinterpret_cast<const char*>(QString::fromLatin1(secret).utf16()), secret.size() * 2);
    const QString message = dir.filePath("m.msg");
    const QString core = dir.filePath("core");
    for (const QStringList& args :
         {QStringList{"encrypt", "--sealed", "--password-file", pw, "--output", message, plain},
          QStringList{"decrypt", "--password-file", pw, "--output", out, message},
          QStringList{"encrypt", "--password-file", pw, "--output", message, plain},
          QStringList{"encrypt-file", "--sealed", "--password-file", pw, plain, out}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        writeAll(plain, "a short text");
        QProcess gdb;
        gdb.setProcessEnvironment(environment());
        gdb.start(QStringLiteral("/usr/bin/gdb"),
                  QStringList{"-nx", "-batch", "-ex", "set breakpoint pending on", "-ex",
                              "break _exit", "-ex", "run", "-ex", "gcore " + core, "-ex", "kill",
                              "--args", QStringLiteral(TESSERA_CLI)} +
                      args);
        ASSERT_TRUE(gdb.waitForFinished(120000));
        const QByteArray image = readAll(core);
        ASSERT_GT(image.size(), 0) << gdb.readAllStandardError().constData();
        EXPECT_FALSE(image.contains(secret)) << "the password's bytes";
        EXPECT_FALSE(image.contains(wide)) << "the password as UTF-16";
        QFile::remove(core);
    }
}
