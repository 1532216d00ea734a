// encrypt-file and decrypt-file through the real tessera-cli program.

#include "TestFiles.h"
#include "sealed/Message.h"
#include "sealed/Stream.h"
#include "tests/support/CliRun.h"

#include <QFileInfo>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <thread>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using cipher::Direction;
using namespace testfiles;

#if defined(Q_OS_UNIX)

namespace {

const QString kCli = QStringLiteral(TESSERA_CLI);

using testsupport::CliRun;

// Starts tessera-cli with the arguments, standard output and error on the
// given descriptors, standard input from `inFd` (none: an empty pipe) and in
// `folder` (none: this one). Descriptors the child must not keep are opened
// close-on-exec.
pid_t startCli(const QStringList& args, int outFd, int errFd, int inFd = -1,
               const QString& folder = {}) {
    std::vector<QByteArray> storage{QFile::encodeName(kCli)};
    for (const QString& arg : args)
        storage.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : storage)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const QByteArray where = QFile::encodeName(folder);
    int empty[2] = {-1, -1};
    if (inFd < 0 && ::pipe2(empty, O_CLOEXEC) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGPIPE, SIG_DFL);
        if (!where.isEmpty() && ::chdir(where.constData()) != 0)
            ::_exit(127);
        ::dup2(inFd < 0 ? empty[0] : inFd, STDIN_FILENO);
        ::dup2(outFd, STDOUT_FILENO);
        ::dup2(errFd, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    for (const int fd : empty) {
        if (fd >= 0)
            ::close(fd);
    }
    return pid;
}

class FileCommands : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    void SetUp() override {
        ASSERT_TRUE(QFileInfo(kCli).isExecutable()) << kCli.toStdString();
        writeAll(path("pw"), "P\xC3\xA4sswort \xE2\x82\xAC\n"); // "Pässwort €" in UTF-8
    }

    // Output and errors go to pipes, which are not terminals.
    static CliRun run(const QStringList& args) { return testsupport::cli(args); }

    const QString password = QStringLiteral("P\u00E4sswort \u20AC");
    QTemporaryDir dir;
};

TEST_F(FileCommands, EncryptFileAndDecryptFileRoundTrip) {
    const QByteArray plain = randomBytes(cipher::kBlockSize + 333, 30);
    writeAll(path("plain"), plain);

    CliRun r = run({"encrypt-file", "--password-file", path("pw"), path("plain"), path("enc")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QByteArray());
    EXPECT_EQ(r.err, QByteArray()) << "no progress when standard error is not a terminal";
    EXPECT_EQ(readAll(path("enc")), reference(plain, password, Direction::Encipher));

    r = run({"decrypt-file", "--password-file=" + path("pw"), path("enc"), path("dec")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, QByteArray());
    EXPECT_EQ(readAll(path("dec")), plain);

    // In place, and back.
    r = run({"encrypt-file", "--password-file", path("pw"), path("dec"), path("dec")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(readAll(path("dec")), readAll(path("enc")));
}

TEST_F(FileCommands, RefusalsExitWithStatusOneAndSayWhyOnStandardError) {
    CliRun r = run({"encrypt-file", "--password-file", path("pw"), path("missing"), path("out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, QStringLiteral("tessera-cli: The file \"%1\" could not be found.\n")
                         .arg(QDir::toNativeSeparators(path("missing")))
                         .toLocal8Bit());
    EXPECT_FALSE(QFileInfo::exists(path("out")));

    writeAll(path("plain"), "text");
    writeAll(path("empty-pw"), "\n");
    r = run({"decrypt-file", "--password-file", path("empty-pw"), path("plain"), path("out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, QByteArray("tessera-cli: the password is empty: put it in the file that "
                                "--password-file names, or type it at the prompt\n"));

    writeAll(path("odd-pw"), "\xC4\x80"); // U+0100, not in the code page
    r = run({"encrypt-file", "--password-file", path("odd-pw"), path("plain"), path("out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("(U+0100), which cannot be used in a password.")) << r.err.data();
    EXPECT_FALSE(QFileInfo::exists(path("out")));

    writeAll(path("out"), "an earlier copy");
    r = run({"encrypt-file", "--password-file", path("pw"), path("plain"), path("nowhere/x")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.startsWith("tessera-cli: The folder ")) << r.err.data();
}

TEST_F(FileCommands, WrongUsageExitsWithStatusTwo) {
    writeAll(path("plain"), "text");
    CliRun r = run({"encrypt-file", "--password-file", path("pw"), path("plain")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, QByteArray("tessera-cli: encrypt-file: give INPUT and OUTPUT\n"));
    r = run({"decrypt-file", "--pic", "--password-file", path("pw"), path("plain"), path("o")});
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(QFileInfo::exists(path("o")));
}

TEST_F(FileCommands, ShowsAProgressBarOnATerminalAndClearsIt) {
    writeAll(path("plain"), randomBytes(3 * cipher::kBlockSize, 31));
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        GTEST_SKIP() << "no pseudo-terminal here";
    const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    QFile out(path("stdout"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    const pid_t pid =
        startCli({"encrypt-file", "--password-file", path("pw"), path("plain"), path("enc")},
                 out.handle(), terminal);
    ::close(terminal);

    const QByteArray shown = testsupport::readToEnd(master);
    ::close(master);
    int wait = 0;
    ::waitpid(pid, &wait, 0);
    ASSERT_TRUE(WIFEXITED(wait));
    EXPECT_EQ(WEXITSTATUS(wait), 0);
    EXPECT_TRUE(shown.startsWith("\r[")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("%")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("\r\033[K")) << "the bar is cleared at the end";
    EXPECT_EQ(readAll(path("enc")).size(), 3 * cipher::kBlockSize);
}

// Where a case sends standard output: a pipe, a file opened for appending
// (a shell's >>), or a terminal.
enum class Out { Pipe, Appended, Terminal };

// Runs tessera-cli in the test's folder, with `input` given through a pipe on
// standard input and standard output where asked; what reached that output
// (for Appended: the whole file afterwards).
CliRun runStreams(const QString& folder, const QStringList& args, const QByteArray& input,
                  Out out, const QString& appended) {
    int in[2], pipeOut[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(pipeOut, O_CLOEXEC) != 0)
        return {};
    int master = -1, outFd = pipeOut[1];
    if (out == Out::Terminal) {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
            return {};
        outFd = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    } else if (out == Out::Appended) {
        outFd = ::open(QFile::encodeName(appended).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    }
    const int errFd = ::open(QFile::encodeName(folder + "/stderr").constData(),
                             O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    // An input the command does not read must not end the test.
    ::signal(SIGPIPE, SIG_IGN);
    const pid_t pid = startCli(args, outFd, errFd, in[0], folder);
    for (const int fd : {in[0], pipeOut[1], errFd})
        ::close(fd);
    if (outFd != pipeOut[1])
        ::close(outFd);
    std::thread writer([&] {
        for (qsizetype at = 0; at < input.size();) {
            const ssize_t n = ::write(in[1], input.constData() + at, size_t(input.size() - at));
            if (n <= 0)
                break;
            at += n;
        }
        ::close(in[1]);
    });
    QByteArray received = testsupport::readToEnd(pipeOut[0]);
    ::close(pipeOut[0]);
    int wait = 0;
    ::waitpid(pid, &wait, 0);
    writer.join();
    if (master >= 0) {
        ::fcntl(master, F_SETFL, O_NONBLOCK);
        received += testsupport::readToEnd(master);
        ::close(master);
    }
    if (out == Out::Appended)
        received = readAll(appended);
    return {WIFEXITED(wait) ? WEXITSTATUS(wait) : -1, received, readAll(folder + "/stderr")};
}

// "-" and the names of the standard streams are the streams themselves: a
// sealed file streams in from standard input and out to a pipe or to a file
// that a shell opened for appending; the classic pass, which needs its
// input's length, refuses standard input; an encrypted file is never written
// to a terminal. No file named "-" appears.
TEST_F(FileCommands, DashAndTheStandardStreamsAreTheStreamsThemselves) {
    const QByteArray plain = randomBytes(9 << 20, 32); // past two batches of records
    QByteArray sealedFile;
    {
        sealed::MemorySource source(plain);
        sealed::ByteArraySink sink(&sealedFile);
        ASSERT_TRUE(sealed::seal(source, sink, sealed::passwordKey(password), sealed::Params::fastest()).ok());
    }
    writeAll(path("plain"), plain);
    writeAll(path("sealed"), sealedFile);
    QByteArray changed = sealedFile;
    changed[changed.size() - 1] = char(changed[changed.size() - 1] ^ 1);
    writeAll(path("changed"), changed);
    QByteArray message;
    ASSERT_TRUE(sealed::sealMessage(QStringLiteral("to \u00E9t\u00E9"), password, &message,
                                    sealed::Params::fastest())
                    .ok());
    writeAll(path("message"), message);
    const QString pw = path("pw");
    const QByteArray earlier("earlier lines\n");

    // What a case's output holds: these bytes, or the plain data once opened
    // (an encrypted copy, whose salt is new every time).
    struct Case {
        const char* what;
        QStringList args;
        QByteArray input;
        Out out;
        int status;
        std::optional<QByteArray> expected;
        const char* said = ""; // in the one line on standard error
    } cases[] = {
        {"decrypt-file to -", {"decrypt-file", "--password-file", pw, "sealed", "-"}, {},
         Out::Pipe, 0, plain},
        {"decrypt-file to /dev/stdout", {"decrypt-file", "--password-file", pw, "sealed",
         "/dev/stdout"}, {}, Out::Pipe, 0, plain},
        {"decrypt-file to /dev/fd/1", {"decrypt-file", "--password-file", pw, "sealed",
         "/dev/fd/1"}, {}, Out::Pipe, 0, plain},
        {"decrypt-file to /proc/self/fd/1", {"decrypt-file", "--password-file", pw, "sealed",
         "/proc/self/fd/1"}, {}, Out::Pipe, 0, plain},
        {"decrypt-file to /dev/stdout under >>", {"decrypt-file", "--password-file", pw,
         "sealed", "/dev/stdout"}, {}, Out::Appended, 0, earlier + plain},
        {"a changed file under >>: the file keeps only its earlier lines",
         {"decrypt-file", "--password-file", pw, "changed", "-"}, {}, Out::Appended, -1, earlier},
        {"decrypt-file from -", {"decrypt-file", "--password-file", pw, "-", "-"}, sealedFile,
         Out::Pipe, 0, plain},
        {"encrypt-file --sealed from - to -", {"encrypt-file", "--sealed", "--password-file", pw,
         "-", "-"}, plain, Out::Pipe, 0, std::nullopt},
        {"the classic pass refuses -", {"encrypt-file", "--password-file", pw, "-", "copy"},
         plain, Out::Pipe, 1, QByteArray(), "needs the length of its input"},
        {"decrypt reads - for its message", {"decrypt", "--password-file", pw, "-"}, message,
         Out::Pipe, 0, QStringLiteral("to \u00E9t\u00E9").toUtf8()},
        {"no encrypted file onto a terminal", {"encrypt-file", "--sealed", "--password-file", pw,
         "plain", "-"}, {}, Out::Terminal, 2, QByteArray(), "terminal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(path("appended"), earlier);
        const CliRun r = runStreams(dir.path(), c.args, c.input, c.out, path("appended"));
        if (c.status < 0)
            EXPECT_GT(r.status, 0) << r.err.constData();
        else
            EXPECT_EQ(r.status, c.status) << r.err.constData();
        EXPECT_TRUE(r.err.contains(c.said)) << r.err.constData();
        if (c.expected) {
            EXPECT_TRUE(r.out == *c.expected) << r.out.size() << " bytes";
        } else {
            QByteArray opened;
            sealed::MemorySource source(r.out);
            sealed::ByteArraySink sink(&opened);
            EXPECT_TRUE(sealed::open(source, sink, sealed::passwordKey(password)).ok());
            EXPECT_TRUE(opened == plain);
        }
        EXPECT_FALSE(QFileInfo::exists(path("-")));
        EXPECT_FALSE(QFileInfo::exists(path("copy")));
        EXPECT_TRUE(partials(dir.path()).isEmpty());
    }
}

#if defined(Q_OS_LINUX)
// Ctrl+C or kill in the middle of a pass: the earlier file keeps its content,
// the temporary copy goes, and the program ends by the signal it received.
TEST_F(FileCommands, InterruptLeavesTheEarlierCopyAndNoTemporaryFile) {
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal == SIGTERM ? "SIGTERM" : "SIGINT");
        QFile::remove(path("plain"));
        // Long enough to be caught in the middle: 128 MiB of zeros, sparse.
        writeAll(path("plain"), {});
        ASSERT_TRUE(QFile::resize(path("plain"), 128 * cipher::kBlockSize));
        writeAll(path("copy"), "an earlier copy");
        QFile err(path("stderr"));
        ASSERT_TRUE(err.open(QIODevice::ReadWrite | QIODevice::Truncate));
        const pid_t pid =
            startCli({"encrypt-file", "--password-file", path("pw"), path("plain"), path("copy")},
                     err.handle(), err.handle());
        ASSERT_GT(pid, 0);

        // Once the program has read a good part of the input, halt it, queue
        // the signal and let it go on.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (testsupport::ioCount(pid, "rchar") < 16 * cipher::kBlockSize &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        ::kill(pid, SIGSTOP);
        int wait = 0;
        ASSERT_EQ(::waitpid(pid, &wait, WUNTRACED), pid);
        if (!WIFSTOPPED(wait))
            GTEST_SKIP() << "the pass ended before it could be interrupted";
        ::kill(pid, signal);
        ::kill(pid, SIGCONT);
        ASSERT_EQ(::waitpid(pid, &wait, 0), pid);

        ASSERT_TRUE(WIFSIGNALED(wait)) << "exit status " << WEXITSTATUS(wait);
        EXPECT_EQ(WTERMSIG(wait), signal);
        EXPECT_EQ(readAll(path("copy")), QByteArray("an earlier copy"));
        EXPECT_TRUE(partials(dir.path()).isEmpty());
        const QByteArray said = readAll(path("stderr"));
        EXPECT_TRUE(said.startsWith("tessera-cli: Cancelled: no copy was written to"))
            << said.data();
    }
}
#endif

} // namespace

#endif
