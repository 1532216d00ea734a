// What a user's hand (Ctrl+C, a closed terminal, kill), the file system's
// permissions and oversized inputs do to the real tessera-cli: every way out
// restores the terminal, removes the scratch file and the lock, leaves every
// earlier file as it was, and says so in one line; new files follow the
// umask; protected files are refused; huge inputs are refused in bounded
// memory.

#include "FaultFixture.h"

#include <csignal>
#include <fcntl.h>
#include <pty.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>

using namespace faults;

namespace {

// True once the process has a handler of its own for the signal: from then
// on a signal reaches the command instead of ending it on the spot.
bool catches(qint64 pid, int signal) {
    const QByteArray status = readAll(QStringLiteral("/proc/%1/status").arg(pid));
    const qsizetype at = status.indexOf("SigCgt:");
    if (at < 0)
        return false;
    const qsizetype end = status.indexOf('\n', at);
    const quint64 mask = status.mid(at + 7, end - at - 7).trimmed().toULongLong(nullptr, 16);
    return mask & (quint64(1) << (signal - 1));
}

class Hardening : public Faults {
protected:
    QString folder = cache + QStringLiteral("/tessera2");
    QString scratch = folder + QStringLiteral("/TempFile.enc");
    QString text = dir.filePath("text.txt");
    int heldLock = -1;

    void SetUp() override {
        Faults::SetUp();
        writeAll(text, "a message");
    }
    void TearDown() override {
        releaseLock();
        Faults::TearDown();
    }

    // Holds the scratch lock as another running encryption would.
    void holdLock() {
        QDir().mkpath(folder);
        ::chmod(QFile::encodeName(folder).constData(), 0700);
        heldLock = ::open(QFile::encodeName(scratch + ".lock").constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(heldLock, 0);
        ASSERT_EQ(::flock(heldLock, LOCK_EX), 0);
    }
    void releaseLock() {
        if (heldLock >= 0)
            ::close(std::exchange(heldLock, -1));
    }

    QStringList encryptTo(const QString& out) const {
        return {"encrypt", "--password-file", pw, "--output", out, text};
    }
};

} // namespace

TEST_F(Hardening, ASignalWhileWaitingRemovesScratchAndLockAndSaysSoOnce) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(::strsignal(signal));
        holdLock();
        const QString target = dir.filePath("waiting.msg");
        QProcess p;
        ASSERT_TRUE(start(p, encryptTo(target)));
        ASSERT_TRUE(waitUntil([&] { return catches(p.processId(), signal); }));
        // Into the wait for the lock: asleep between tries.
        ASSERT_TRUE(waitUntil(
            [&] { return sleepsOrPolls(QStringLiteral("/proc/%1").arg(p.processId())); }));
        ::kill(static_cast<pid_t>(p.processId()), signal);
        ASSERT_TRUE(p.waitForFinished(20000));
        EXPECT_EQ(p.exitStatus(), QProcess::CrashExit)
            << "ends by the signal, as the shell expects";
        const QByteArray err = p.readAllStandardError();
        EXPECT_EQ(err.count('\n'), 1) << err.constData();
        EXPECT_TRUE(err.contains("interrupted")) << err.constData();
        EXPECT_FALSE(QFile::exists(target));
        EXPECT_FALSE(QFile::exists(scratch));
        releaseLock();
    }
}

namespace {

// Whether the process's main thread sleeps: waits in a system call.
bool asleep(qint64 pid) {
    const QByteArray stat = readAll(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype at = stat.lastIndexOf(')');
    return at >= 0 && stat.mid(at + 2, 1) == "S";
}

// The memory the process has in use, in bytes.
qint64 resident(qint64 pid) {
    const QList<QByteArray> pages = readAll(QStringLiteral("/proc/%1/statm").arg(pid)).split(' ');
    return pages.value(1).toLongLong() * ::sysconf(_SC_PAGESIZE);
}

// A sealed header made to ask the most a reader allows: 10 passes over 1 GiB
// (the passes at byte 10, four bytes; the memory at byte 14, eight; both with
// the lowest byte first). Its key takes seconds and a gigabyte to derive.
QByteArray askingTheMost(QByteArray sealedBytes) {
    const quint64 passes = 10, memory = quint64(1) << 30;
    for (int i = 0; i < 4; ++i)
        sealedBytes[10 + i] = static_cast<char>(passes >> (8 * i));
    for (int i = 0; i < 8; ++i)
        sealedBytes[14 + i] = static_cast<char>(memory >> (8 * i));
    return sealedBytes;
}

// The same for a sealed message: its tag line, then its bytes in base64.
QByteArray messageAskingTheMost(const QByteArray& message) {
    const qsizetype body = message.indexOf('\n') + 1;
    const QByteArray sealedBytes = QByteArray::fromBase64(message.mid(body).replace("\r\n", ""));
    const QByteArray base64 = askingTheMost(sealedBytes).toBase64();
    QByteArray out = message.left(body);
    for (qsizetype at = 0; at < base64.size(); at += 64)
        out += base64.mid(at, 64) + "\r\n";
    return out;
}

} // namespace

// Every wait of a command ends at the first signal, with the one line and the
// end by the signal that every interruption has: a message or password file
// that is a FIFO nobody writes, and the derivation of a key whose header asks
// the most the reader allows (nothing is written before the key exists, so
// the command need not wait for it).
TEST_F(Hardening, OneSignalEndsEveryWaitAndEveryKeyDerivation) {
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString empty = dir.filePath("empty"), sealedFile = dir.filePath("sealed"),
                  message = dir.filePath("m.msg"), costlyMessage = dir.filePath("costly.msg");
    writeAll(empty, {});
    ASSERT_EQ(cli({"encrypt-file", "--sealed", "--password-file", pw, empty, sealedFile}).status, 0);
    writeAll(sealedFile, askingTheMost(readAll(sealedFile)));
    ASSERT_EQ(cli({"encrypt", "--sealed", "--password-file", pw, "--output", message, text}).status,
              0);
    writeAll(costlyMessage, messageAskingTheMost(readAll(message)));
    const QString target = dir.filePath("out");
    const struct {
        const char* what;
        QStringList args;
        bool derives; // stopped in the key's derivation, after its one line of cost
    } cases[] = {
        {"a message file that is a FIFO",
         {"decrypt", "--password-file", pw, "--output", target, fifo}, false},
        {"a password file that is a FIFO",
         {"decrypt", "--password-file", fifo, "--output", target, message}, false},
        {"a sealed file that asks the most", {"decrypt-file", "--password-file", pw, sealedFile,
         target}, true},
        {"a sealed message that asks the most",
         {"decrypt", "--password-file", pw, "--output", target, costlyMessage}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QProcess p;
        ASSERT_TRUE(start(p, c.args));
        const qint64 pid = p.processId();
        ASSERT_TRUE(waitUntil([&] { return catches(pid, SIGINT); }));
        // Into the wait, or well into the key: past the memory a key of the
        // default cost takes.
        ASSERT_TRUE(waitUntil([&] {
            return c.derives ? resident(pid) > (qint64(256) << 20) : asleep(pid);
        }));
        QElapsedTimer clock;
        clock.start();
        ::kill(static_cast<pid_t>(pid), SIGINT);
        if (!p.waitForFinished(20000)) {
            p.kill();
            ADD_FAILURE() << "one signal did not end it";
            continue;
        }
        EXPECT_LT(clock.elapsed(), 3000) << "ms from the signal to the end";
        EXPECT_EQ(p.exitStatus(), QProcess::CrashExit) << "ends by the signal, as the shell expects";
        const QByteArray err = p.readAllStandardError();
        EXPECT_EQ(err.count('\n'), c.derives ? 2 : 1) << err.constData();
        EXPECT_TRUE(err.contains("interrupted; nothing was written") ||
                    err.contains("Cancelled: no copy was written"))
            << err.constData();
        EXPECT_FALSE(QFile::exists(target));
        EXPECT_TRUE(partials(dir.path()).isEmpty());
    }
}

TEST_F(Hardening, ASignalTheCallerIgnoresStaysIgnored) {
    holdLock();
    const QString target = dir.filePath("nohup.msg");
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral("/bin/sh"),
            QStringList{"-c", "trap '' HUP; exec \"$@\"", "sh", QStringLiteral(TESSERA_CLI)} +
                encryptTo(target));
    ASSERT_TRUE(p.waitForStarted());
    ASSERT_TRUE(waitUntil([&] { return catches(p.processId(), SIGINT); }));
    ::kill(static_cast<pid_t>(p.processId()), SIGHUP);
    EXPECT_FALSE(p.waitForFinished(300)) << "a hang-up the caller ignores changes nothing";
    releaseLock();
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    EXPECT_EQ(cli({"decrypt", "--password-file", pw, target}).out, "a message");
}

TEST_F(Hardening, ASignalNearTheEndEitherLeavesTheEarlierFileOrFinishesAndSucceeds) {
    const QString input = dir.filePath("large.bin");
    writeAll(input, randomBytes(64 * 1024 * 1024, 5));
    const QString target = dir.filePath("copy.bin");
    int cancelled = 0, finished = 0;
    for (int round = 0; round < 4; ++round) {
        writeAll(target, "earlier copy");
        QProcess p;
        ASSERT_TRUE(start(p, {"encrypt-file", "--password-file", pw, input, target}));
        // Once every byte is written the pass is in its final sync: where a
        // user's Ctrl+C lands while the bar stands near 100 %.
        const QString io = QStringLiteral("/proc/%1/io").arg(p.processId());
        waitUntil([&] {
            const QByteArray stats = readAll(io);
            const qsizetype at = stats.indexOf("wchar:");
            return stats.isEmpty() ||
                   (at >= 0 &&
                    stats.mid(at + 6, stats.indexOf('\n', at) - at - 6).trimmed().toLongLong() >=
                        64 * 1024 * 1024);
        });
        ::kill(static_cast<pid_t>(p.processId()), SIGINT);
        ASSERT_TRUE(p.waitForFinished(60000));
        const QByteArray err = p.readAllStandardError();
        if (p.exitStatus() == QProcess::CrashExit) {
            ++cancelled;
            EXPECT_EQ(readAll(target), "earlier copy") << "killed, yet the target was replaced";
            EXPECT_TRUE(err.contains("Cancelled")) << err.constData();
        } else {
            ++finished;
            EXPECT_EQ(p.exitCode(), 0) << err.constData();
            EXPECT_EQ(QFileInfo(target).size(), 64 * 1024 * 1024);
        }
        EXPECT_TRUE(partials(dir.path()).isEmpty());
    }
    RecordProperty("cancelled", cancelled);
    RecordProperty("finished", finished);
}

TEST_F(Hardening, EveryWayOutOfThePasswordPromptRestoresTheEcho) {
    struct Way {
        const char* name;
        std::function<void(int master, pid_t child)> stop;
    } ways[] = {
        {"Ctrl+C typed", [](int master, pid_t) { ASSERT_EQ(::write(master, "\x03", 1), 1); }},
        {"SIGTERM", [](int, pid_t child) { ::kill(child, SIGTERM); }},
        {"SIGHUP", [](int, pid_t child) { ::kill(child, SIGHUP); }},
        {"Ctrl+\\ typed", [](int master, pid_t) { ASSERT_EQ(::write(master, "\x1c", 1), 1); }},
        {"SIGUSR1", [](int, pid_t child) { ::kill(child, SIGUSR1); }},
        {"SIGALRM", [](int, pid_t child) { ::kill(child, SIGALRM); }},
    };
    const QByteArray cli = TESSERA_CLI;
    const QByteArray out = QFile::encodeName(dir.filePath("prompt.msg"));
    const QByteArray in = QFile::encodeName(text);
    const QByteArray cacheEnv = "XDG_CACHE_HOME=" + QFile::encodeName(cache);
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        int master = -1;
        const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
        ASSERT_GE(child, 0);
        if (child == 0) {
            const rlimit noCore{0, 0}; // SIGQUIT would leave a core file
            ::setrlimit(RLIMIT_CORE, &noCore);
            ::putenv(const_cast<char*>(cacheEnv.constData()));
            ::execl(cli.constData(), cli.constData(), "encrypt", "--output", out.constData(),
                    in.constData(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        QByteArray said;
        ASSERT_TRUE(waitUntil([&] {
            said += testsupport::readToEnd(master);
            return said.contains("Password: ");
        }));
        termios settings{};
        ASSERT_EQ(::tcgetattr(master, &settings), 0);
        EXPECT_FALSE(settings.c_lflag & ECHO) << "the password is not shown as it is typed";
        ASSERT_EQ(::write(master, "half a pass", 11), 11);
        way.stop(master, child);
        int status = 0;
        const bool ended = waitUntil([&] { return ::waitpid(child, &status, WNOHANG) == child; });
        if (!ended) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            ::close(master);
            FAIL() << "the prompt did not end";
        }
        EXPECT_TRUE(WIFSIGNALED(status));
        ASSERT_EQ(::tcgetattr(master, &settings), 0);
        EXPECT_TRUE(settings.c_lflag & ECHO) << "the terminal's echo stayed off";
        said += testsupport::readToEnd(master);
        EXPECT_TRUE(said.contains("interrupted")) << said.constData();
        EXPECT_FALSE(QFile::exists(QFile::decodeName(out)));
        ::close(master);
    }
}

TEST_F(Hardening, NewOutputsFollowTheUmaskAndReplacedOnesKeepTheirMode) {
    const QString message = dir.filePath("m.msg");
    ASSERT_EQ(cli(encryptTo(message)).status, 0);
    for (const char* mask : {"077", "027", "002"}) {
        const mode_t expected = 0666 & ~static_cast<mode_t>(strtol(mask, nullptr, 8));
        const QString tag = QString::fromLatin1(mask), e = dir.filePath("e" + tag),
                      d = dir.filePath("d" + tag), f = dir.filePath("f" + tag),
                      g = dir.filePath("g" + tag);
        const struct {
            const char* what;
            QStringList args;
            QString out;
        } commands[] = {
            {"encrypt", encryptTo(e), e},
            {"decrypt", {"decrypt", "--password-file", pw, "--output", d, message}, d},
            {"encrypt-file", {"encrypt-file", "--password-file", pw, text, f}, f},
            {"decrypt-file", {"decrypt-file", "--password-file", pw, text, g}, g},
        };
        for (const auto& c : commands) {
            const Result r = run(c.args, As(::geteuid(), mask));
            ASSERT_EQ(r.status, 0) << c.what << r.err.constData();
            EXPECT_EQ(modeOf(c.out), expected) << c.what << " under umask " << mask;
            // Run again over the file it made, now with its own mode: kept.
            ASSERT_EQ(::chmod(QFile::encodeName(c.out).constData(), 0640), 0);
            ASSERT_EQ(run(c.args, As(::geteuid(), "000")).status, 0);
            EXPECT_EQ(modeOf(c.out), 0640u) << c.what << " replacing a file";
        }
    }
}

TEST_F(Hardening, AWriteProtectedTargetIsRefusedByEveryCommand) {
    if (!canRunAsNobody())
        GTEST_SKIP() << "needs root and setpriv to run the case as an unprivileged user";
    const QString message = dir.filePath("m.msg");
    ASSERT_EQ(cli(encryptTo(message)).status, 0);
    const QString open = dir.filePath("open");
    QDir().mkpath(open);
    ::chmod(QFile::encodeName(open).constData(), 0777);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    for (const QString& f : {pw, text, message})
        ::chmod(QFile::encodeName(f).constData(), 0644);
    ::chown(QFile::encodeName(cache).constData(), 65534, 65534);
    const QString target = open + QStringLiteral("/protected");
    const QStringList commands[] = {
        encryptTo(target),
        {"decrypt", "--password-file", pw, "--output", target, message},
        {"encrypt-file", "--password-file", pw, text, target},
        {"decrypt-file", "--password-file", pw, text, target},
    };
    for (const QStringList& args : commands) {
        writeAll(target, "protected content");
        ::chown(QFile::encodeName(target).constData(), 65534, 65534);
        ::chmod(QFile::encodeName(target).constData(), 0444);
        const Result r = cli(args, {}, true);
        EXPECT_EQ(r.status, 1) << args.first().toStdString();
        EXPECT_TRUE(r.err.contains("write-protected")) << r.err.constData();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_EQ(readAll(target), "protected content") << args.first().toStdString();
        EXPECT_TRUE(partials(open).isEmpty());
        QFile::remove(target);
    }
}

TEST_F(Hardening, DecryptingOntoAFullDiskKeepsTheEarlierFileAndNamesTheCause) {
    const QString disk = dir.filePath("disk");
    if (!mountTinyDisk(disk, "48k"))
        GTEST_SKIP() << "mounting a tmpfs is refused here (needs root)";
    writeAll(text, QByteArray(9000, 'x'));
    const QString message = dir.filePath("m.msg");
    ASSERT_EQ(cli(encryptTo(message)).status, 0);
    const QString target = disk + QStringLiteral("/text.txt");
    writeAll(target, "earlier text\n");
    writeAll(disk + QStringLiteral("/filler"), QByteArray(40 * 1024, 'f'));
    const Result r = cli({"decrypt", "--password-file", pw, "--output", target, message});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("No space left on device")) << r.err.constData();
    EXPECT_EQ(readAll(target), "earlier text\n");
    EXPECT_TRUE(partials(disk).isEmpty());
}

TEST_F(Hardening, HugeAndEndlessInputsAreRefusedInBoundedMemory) {
    const QString huge = dir.filePath("huge");
    writeZeros(huge, 200 * 1024 * 1024); // sparse: 200 MB to read, no disk taken
    const QString target = dir.filePath("out.msg");
    const struct {
        const char* what;
        QStringList args;
        const char* said;
    } cases[] = {
        {"a 200 MB password file",
         {"encrypt", "--password-file", huge, "--output", target, text},
         "longer than 32767"},
        {"an endless password file",
         {"encrypt", "--password-file", "/dev/zero", "--output", target, text},
         "longer than 32767"},
        {"an endless message",
         {"encrypt", "--password-file", pw, "--output", target, "/dev/zero"},
         "longer than 10000"},
        {"a 200 MB message",
         {"encrypt", "--password-file", pw, "--output", target, huge},
         "longer than 10000"},
        {"an endless password for a file",
         {"encrypt-file", "--password-file", "/dev/zero", text, target},
         "longer than 32767"},
    };
    for (const auto& c : cases) {
        long peakKb = -1;
        const Result r = runMeasured(c.args, &peakKb, 60000);
        EXPECT_EQ(r.status, 1) << c.what;
        EXPECT_TRUE(r.err.contains(c.said)) << c.what << ": " << r.err.constData();
        EXPECT_EQ(r.err.count("tessera-cli:"), 1) << r.err.constData();
        ASSERT_GE(peakKb, 0);
        EXPECT_LT(peakKb, 200 * 1024) << c.what << ": KB at peak";
        EXPECT_FALSE(QFile::exists(target));
    }
}

TEST_F(Hardening, ADashMeansStandardOutputForBothMessageCommands) {
    const Result r =
        run({"encrypt", "--password-file", pw, "--output", "-", text}, As(), {}, 20000, dir.path());
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QByteArray message = r.out;
    EXPECT_TRUE(message.startsWith("\"Tessera v2.0\"\r\n"));
    EXPECT_FALSE(QFile::exists(dir.filePath("-")));
    writeAll(dir.filePath("m.msg"), message);
    const Result back =
        cli({"decrypt", "--password-file", pw, "--output", "-", dir.filePath("m.msg")});
    EXPECT_EQ(back.out, "a message");
}

TEST_F(Hardening, ReasonsStayOnOneLineWhateverTheFileName) {
    const QString odd = dir.filePath(QStringLiteral("two\nlines"));
    writeAll(dir.filePath("m.msg"), "\"Tessera v2.0\"\r\n200\r\n");
    for (const QStringList& args :
         {QStringList{"decrypt", "--password-file", pw, "--output", odd + "/x", dir.filePath("m.msg")},
          QStringList{"encrypt-file", "--password-file", pw, odd, dir.filePath("o")},
          encryptTo(odd + "/x")}) {
        const Result r = cli(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.err.contains("two\\nlines")) << r.err.constData();
    }
    const Result empty = cli({"encrypt", "--password-file", "/dev/null", "--output", odd, text});
    EXPECT_TRUE(empty.err.contains("--password-file")) << "said in terms of the command line";
}
