// tessera-cli encrypt and decrypt, run as a user's script would run them.

#include "tests/support/CliRun.h"
#include "tests/support/Files.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using testsupport::cli;
using testsupport::CliRun;

class Cli : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString pw = path("pw.txt");
    QString msg = path("message.txt");

    void SetUp() override {
        qputenv("XDG_CACHE_HOME", dir.filePath("cache").toLocal8Bit());
        write(pw, "ab\n");
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    static void write(const QString& file, const QByteArray& data) {
        testsupport::writeAll(file, data);
    }
    static QByteArray read(const QString& file) { return testsupport::readAll(file); }
};

} // namespace

// "Hi!" under the password "ab" is the documented file, whatever line end the
// password file gives the password; a second line end belongs to it.
TEST_F(Cli, EncryptsStandardInputIntoTheDocumentedFileAndThePasswordLosesOneLineEnd) {
    const QByteArray documented("\"Tessera v2.0\"\r\n169\r\n203\r\n131\r\n");
    for (const QByteArray password : {"ab\n", "ab\r\n", "ab\n\n"}) {
        SCOPED_TRACE(password.toStdString());
        write(pw, password);
        const CliRun r = cli({"encrypt", "--password-file", pw, "--output", msg}, "Hi!");
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_TRUE(r.err.isEmpty());
        if (password.count('\n') == 1) {
            EXPECT_EQ(read(msg), documented);
        } else {
            EXPECT_NE(read(msg), documented);
        }
    }
}

TEST_F(Cli, OptionsAndTextFileRoundTripThroughUtf8) {
    const QByteArray text = "Grüße, 5 €\r\nsecond line\n";
    write(path("in.txt"), text);
    for (const QStringList& options :
         {QStringList{}, QStringList{"--pic"}, QStringList{"--junkbitz"},
          QStringList{"--pic", "--junkbitz"}}) {
        CliRun r = cli(QStringList{"encrypt", "--password-file", pw} + options +
                       QStringList{"--output", msg, path("in.txt")});
        ASSERT_EQ(r.status, 0) << r.err.constData();
        r = cli({"decrypt", "--password-file", pw, msg});
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_EQ(r.out, text) << options.join(' ').toStdString();
    }
    EXPECT_TRUE(read(msg).startsWith("\"Tessera v2.0 PIC JB\"\r\n"));
}

TEST_F(Cli, RawModePassesCodesUnconverted) {
    const QByteArray codes("\xE9\x80\x01", 3);
    CliRun r = cli({"encrypt", "--password-file", pw, "--raw", "--output", msg}, codes);
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(read(msg), QByteArray("\"Tessera v2.0\"\r\n330\r\n226\r\n99\r\n"));
    r = cli({"decrypt", "--password-file", pw, "--raw", "--output", path("out.bin"), msg});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(read(path("out.bin")), codes);
    r = cli({"decrypt", "--password-file", pw, msg});
    EXPECT_EQ(r.out, QByteArray("é€\x01"));
}

TEST_F(Cli, FailuresGiveOneLineAndNonZeroStatus) {
    write(msg, "earlier");
    struct Case {
        QStringList args;
        QByteArray input;
        QByteArray expect;
    } cases[] = {
        {{"encrypt", "--password-file", pw, "--output", msg}, "snowman \xE2\x98\x83", "U+2603"},
        {{"encrypt", "--password-file", pw, "--output", msg}, QByteArray(10001, 'x'), "10001"},
        {{"encrypt", "--password-file", pw, "--output", msg}, "bad \xFF utf8", "UTF-8"},
        {{"encrypt", "--password-file", path("missing"), "--output", msg}, "x", "missing"},
        {{"decrypt", "--password-file", pw, path("missing.txt")},
         {},
         "No file loaded or File not found"},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(c.args, c.input);
        EXPECT_EQ(r.status, 1) << c.expect.constData();
        EXPECT_TRUE(r.err.contains(c.expect)) << r.err.constData();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_EQ(read(msg), "earlier");
    }
}

TEST_F(Cli, WithoutPasswordFileOrTerminalItRefuses) {
    // setsid: no controlling terminal, as under CI.
    const CliRun r = testsupport::runProcess(
        QStringLiteral("setsid"), {QStringLiteral(TESSERA_CLI), "encrypt", "--output", msg}, "text");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("--password-file"));
    EXPECT_FALSE(QFile::exists(msg));
}

TEST_F(Cli, UsageHelpAndVersion) {
    CliRun r = cli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("encrypt-file"));
    r = cli({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.startsWith("tessera-cli 2.0"));
    EXPECT_EQ(cli({"frobnicate"}).status, 2);
    EXPECT_EQ(cli({"encrypt", "--password-file", pw}).status, 2); // no --output
    EXPECT_EQ(cli({"decrypt", "--password-file", pw, "--pic", msg}).status, 2);
    EXPECT_EQ(cli({"encrypt", "--password-file"}).status, 2);
}

// decrypt refuses, as the windows do, a file far larger than any message:
// one line, status 1, and no output file.
TEST_F(Cli, DecryptRefusesAFileFarLargerThanAnyMessage) {
    QByteArray manyValues = "\"Tessera v2.0\"\r\n";
    for (int i = 0; i < 20001; ++i)
        manyValues += "169\r\n";
    write(path("many.txt"), manyValues);
    write(path("huge.txt"), QByteArray(2 * 1024 * 1024, ','));
    const struct {
        const char* file;
        QByteArray expect;
    } cases[] = {{"many.txt", "more than 20000 numbers"}, {"huge.txt", "larger than 1 MB"}};
    for (const auto& c : cases) {
        const CliRun r = cli({"decrypt", "--password-file", pw, "--output", path("out.txt"),
                              path(QString::fromLatin1(c.file))});
        EXPECT_EQ(r.status, 1) << c.file;
        EXPECT_TRUE(r.err.contains(c.expect)) << r.err.constData();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(QFile::exists(path("out.txt")));
    }
}

// The sealed format from the command line: chosen with --sealed, recognised by
// decrypt and decrypt-file by themselves, refused when it does not open.
TEST_F(Cli, SealedMessagesTakeAnyTextAndOpenWithoutBeingNamed) {
    const QByteArray text = "Gr\xc3\xbc\xc3\x9f"
                            "e \xf0\x9f\x98\x80 \xe4\xb8\xad\r\nline two";
    CliRun r = cli({"encrypt", "--sealed", "--password-file", pw, "--output", msg}, text);
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(read(msg).startsWith("\"Tessera v2.0 Sealed\"\r\n"));
    r = cli({"decrypt", "--password-file", pw, msg});
    EXPECT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.out, text);

    write(path("wrong.txt"), "not ab\n");
    write(path("out.txt"), "kept");
    r = cli({"decrypt", "--password-file", path("wrong.txt"), "--output", path("out.txt"), msg});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "tessera-cli: The password is wrong, or the file was changed or cut short.\n");
    EXPECT_EQ(read(path("out.txt")), "kept");

    // PIC and JunkBitz belong to the classic format.
    EXPECT_EQ(
        cli({"encrypt", "--sealed", "--pic", "--password-file", pw, "--output", msg}, "x").status,
        2);
    EXPECT_EQ(cli({"decrypt", "--sealed", "--password-file", pw, msg}).status, 0)
        << "a sealed message opens also when Sealed is insisted on";
}

TEST_F(Cli, StoredSealedFilesStillOpen) {
    // Sealed once with the default parameters and kept (tests/sealed/data).
    write(pw, "Tessera vector \xc3\xa9");
    CliRun r = cli({"decrypt", "--password-file", pw,
                    QStringLiteral(TESSERA_SEALED_DATA "/vector-message.txt")});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.out, "Sealed test vector \xc3\xa9 \xe4\xb8\xad\xe6\x96\x87 \xf0\x9f\x98\x80\r\n"
                     "Second line\r\n");
    r = cli({"decrypt-file", "--password-file", pw,
             QStringLiteral(TESSERA_SEALED_DATA "/vector.sealed"), path("vector.bin")});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QByteArray plain = read(path("vector.bin"));
    ASSERT_EQ(plain.size(), 65536 + 100);
    for (qsizetype i = 0; i < plain.size(); ++i)
        ASSERT_EQ(static_cast<quint8>(plain[i]), (i * 131 + (i >> 8)) & 0xFF) << i;
}

// Runs tessera-cli with standard error on a terminal of its own (standard
// input and output stay pipes' and files'); gives what the terminal showed.
QByteArray stderrOnTerminal(const QList<QByteArray>& args) {
    int master = -1;
    const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
    if (child == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        std::vector<char*> argv{const_cast<char*>(TESSERA_CLI)};
        for (const QByteArray& a : args)
            argv.push_back(const_cast<char*>(a.constData()));
        argv.push_back(nullptr);
        ::execv(TESSERA_CLI, argv.data());
        ::_exit(127);
    }
    const QByteArray shown = testsupport::readToEnd(master); // EIO once the child is gone
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(master);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << shown.constData();
    return shown;
}

// Sealed encryption warns of a weak password on a terminal, once, and goes on;
// a strong password, the classic format, decryption and a script's log see
// nothing.
TEST_F(Cli, AWeakSealedPasswordIsWarnedOfOnATerminalOnly) {
    write(path("strong.txt"), "correct horse battery staple");
    write(path("in.bin"), "data");
    const QByteArray weak = QFile::encodeName(pw), strong = QFile::encodeName(path("strong.txt"));
    const QByteArray in = QFile::encodeName(path("in.bin")), out = QFile::encodeName(path("out"));
    const struct {
        QList<QByteArray> args;
        bool warned;
    } cases[] = {
        {{"encrypt", "--sealed", "--password-file", weak, "--output", out, in}, true},
        {{"encrypt-file", "--sealed", "--password-file", weak, in, out}, true},
        {{"decrypt-file", "--sealed", "--password-file", weak, out, in + ".back"}, false},
        {{"encrypt-file", "--sealed", "--password-file", strong, in, out}, false},
        {{"encrypt-file", "--password-file", weak, in, out}, false},
    };
    for (const auto& c : cases) {
        const QByteArray shown = stderrOnTerminal(c.args);
        SCOPED_TRACE(c.args.join(' ').constData());
        EXPECT_EQ(shown.count("warning"), c.warned ? 1 : 0) << shown.constData();
        if (c.warned) {
            EXPECT_TRUE(shown.contains("tessera-cli: warning: very weak password (less than a "
                                       "second to guess); a sealed file is only as strong as its "
                                       "password"))
                << shown.constData();
        }
    }
    const CliRun r =
        cli({"encrypt-file", "--sealed", "--password-file", pw, path("in.bin"), path("out")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.isEmpty()) << "not on a pipe: " << r.err.constData();
}
