// Sealing to people through tessera-cli, as a user's script would: keygen and
// recipient, files and messages to one or several people and back, every
// refusal with nothing written, and a second implementation written from
// sealed/FORMAT.md alone reading what tessera-cli writes and the other way.

#include "tests/support/CliRun.h"
#include "tests/support/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using testsupport::cli;
using testsupport::CliRun;

// The second implementation's language.
CliRun python(const QStringList& args) {
    return testsupport::runProcess(QStringLiteral("python3"), args);
}

class People : public ::testing::Test {
public:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    // A new identity file; its recipient.
    QString keygen(const QString& name, const QStringList& extra = {}) {
        const CliRun r = cli(QStringList{"keygen", "--output", path(name)} + extra);
        EXPECT_EQ(r.status, 0) << r.err.constData();
        return QString::fromLatin1(r.out.trimmed());
    }
    void write(const QString& name, const QByteArray& bytes) {
        testsupport::writeAll(path(name), bytes);
    }
    QByteArray read(const QString& name) const { return testsupport::readAll(path(name)); }
};

TEST_F(People, KeygenWritesANewPrivateIdentityWhateverTheUmask) {
    const mode_t saved = ::umask(0);
    const QString recipient = keygen("me.key");
    ::umask(saved);
    EXPECT_EQ(testsupport::modeOf(path("me.key")), 0600u);
    EXPECT_TRUE(recipient.startsWith("tessera1")) << recipient.toStdString();
    const CliRun again = cli({"recipient", path("me.key")});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(QString::fromLatin1(again.out.trimmed()), recipient);
    EXPECT_TRUE(read("me.key").contains(("# recipient: " + recipient).toLatin1()));
    EXPECT_TRUE(cli({"keygen", "--output", path("me.key")}).err.contains("already exists"));
}

TEST_F(People, KeygenNeverReplacesNorWritesWhereItMayNot) {
    write("taken", "mine");
    ASSERT_EQ(::symlink("nowhere", path("dangling").toLocal8Bit().constData()), 0);
    const struct {
        const char* name;
        QStringList args;
        int status;
    } cases[] = {
        {"an existing file", {"keygen", "--output", path("taken")}, 1},
        {"a link to nowhere", {"keygen", "--output", path("dangling")}, 1},
        {"standard output", {"keygen", "--output", "-"}, 2},
        {"no output", {"keygen"}, 2},
        {"a password without --protect",
         {"keygen", "--password-file", path("taken"), "--output", path("new")},
         2},
        {"no password for --protect", {"keygen", "--protect", "--output", path("new")}, 1},
    };
    for (const auto& c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err.constData();
        EXPECT_TRUE(r.out.isEmpty()) << c.name;
    }
    EXPECT_EQ(read("taken"), "mine");
    EXPECT_FALSE(QFile::exists(path("new")));
    EXPECT_FALSE(QFileInfo(path("dangling")).exists());
}

TEST_F(People, FilesAndMessagesGoToPeopleAndBack) {
    write("pw", "identity password\n");
    const QString alice = keygen("alice.key");
    const QString bob = keygen("bob.key", {"--protect", "--password-file", path("pw")});
    const QString carol = keygen("carol.key");
    write("people", ("# friends\n" + alice + "  # Alice\n\n" + bob + " # Bob\n").toLatin1());
    write("bob.copy", read("alice.key"));
    const QString alicePath = path("alice.key"), pw = path("pw");
    ASSERT_EQ(cli({"encrypt", "--sealed", "--password-file", pw, "--output", path("alice.prot"),
                   alicePath})
                  .status,
              0);
    // One way to seal and open: the options of each side, and the file or message.
    const struct {
        const char* name;
        bool message;
        QStringList to;
        QStringList identity;
    } trips[] = {
        {"a file to one", false, {"--to", alice}, {"--identity", alicePath}},
        {"a message to one", true, {"--to", alice}, {"--identity", alicePath}},
        {"a file to a people file, opened by a protected identity", false,
         {"--to-file", path("people")}, {"--identity", path("bob.key"), "--password-file", pw}},
        {"a message to three, opened by the third", true,
         {"--to-file", path("people"), "--to", carol}, {"--identity", path("carol.key")}},
        {"a message to two, opened with two identities", true, {"--to", bob, "--to", alice},
         {"--identity", path("carol.key"), "--identity", alicePath}},
        {"a file opened by a copy protected with encrypt --sealed", false, {"--to", alice},
         {"--identity", path("alice.prot"), "--password-file", pw}},
    };
    const QByteArray text = "To people: Grüße, 中文, 😀\r\nsecond line\n";
    const QByteArray bytes = testsupport::randomBytes(300000, 5);
    for (const auto& trip : trips) {
        SCOPED_TRACE(trip.name);
        QFile::remove(path("sealed"));
        QFile::remove(path("out"));
        write("in", trip.message ? text : bytes);
        const QStringList seal =
            trip.message ? QStringList{"encrypt", "--output", path("sealed"), path("in")}
                         : QStringList{"encrypt-file", path("in"), path("sealed")};
        CliRun r = cli(seal + trip.to);
        ASSERT_EQ(r.status, 0) << r.err.constData();
        const QStringList open =
            trip.message ? QStringList{"decrypt", "--output", path("out"), path("sealed")}
                         : QStringList{"decrypt-file", path("sealed"), path("out")};
        r = cli(open + trip.identity);
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_EQ(read("out"), trip.message ? text : bytes);
    }
}

TEST_F(People, RefusalsWriteNothing) {
    write("pw", "identity password\n");
    write("wrong", "identity passw0rd\n");
    const QString alice = keygen("alice.key");
    keygen("bob.key", {"--protect", "--password-file", path("pw")});
    keygen("stranger.key");
    const QString typo = QString(alice).replace(20, 1, alice[20] == 'q' ? "p" : "q");
    write("people", ("# friends\n" + alice + "\n" + typo + " # Typo\n").toLatin1());
    write("in", "secret");
    ASSERT_EQ(cli({"encrypt-file", "--to", alice, path("in"), path("file")}).status, 0);
    ASSERT_EQ(cli({"encrypt", "--to", alice, "--output", path("message"), path("in")}).status, 0);
    QByteArray tampered = read("file");
    tampered[40] = static_cast<char>(tampered[40] ^ 1);
    write("tampered", tampered);
    const QString secretLine =
        QString::fromLatin1(testsupport::readLines(path("alice.key")).last());
    const QString out = path("out");
    const auto openFile = [&](const QStringList& options, const QString& sealed) {
        return QStringList{"decrypt-file"} + options + QStringList{path(sealed), out};
    };
    const auto sealFile = [&](const QStringList& options) {
        return QStringList{"encrypt-file"} + options + QStringList{path("in"), out};
    };
    // A refusal: the command, its exit status, and a phrase of its one line.
    const struct {
        const char* name;
        QStringList args;
        int status;
        const char* says;
    } cases[] = {
        {"a stranger's identity", openFile({"--identity", path("stranger.key")}, "file"), 3,
         "is not sealed to this identity"},
        {"a stranger's identity, message",
         {"decrypt", "--identity", path("stranger.key"), "--output", out, path("message")}, 3,
         "is not sealed to this identity"},
        {"a password where an identity is needed",
         openFile({"--password-file", path("pw")}, "file"), 1, "give --identity"},
        {"a header byte changed", openFile({"--identity", path("alice.key")}, "tampered"), 3,
         "not decrypted"},
        {"a wrong identity password",
         openFile({"--identity", path("bob.key"), "--password-file", path("wrong")}, "file"), 1,
         "password is wrong"},
        {"a typo in --to", sealFile({"--to", typo}), 1, "has a typo"},
        {"a typo in a people file", sealFile({"--to-file", path("people")}), 1, "line 3: "},
        {"an identity given as a recipient",
         {"encrypt", "--to", secretLine, "--output", out, path("in")}, 1,
         "Never pass an identity on"},
        {"a password beside --to", sealFile({"--to", alice, "--password-file", path("pw")}), 2,
         "no password"},
        {"--pic beside --to", {"encrypt", "--to", alice, "--pic", "--output", out, path("in")}, 2,
         "--pic"},
        {"a recipient file as the identity", openFile({"--identity", path("people")}, "file"), 1,
         "holds a recipient"},
    };
    for (const auto& c : cases) {
        QFile::remove(path("out"));
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err.constData();
        EXPECT_TRUE(r.err.contains(c.says)) << c.name << ": " << r.err.constData();
        EXPECT_FALSE(r.err.contains(secretLine.mid(18, 20).toLatin1())) << c.name;
        EXPECT_FALSE(QFile::exists(path("out"))) << c.name;
    }
}

// The format as sealed/FORMAT.md gives it, read and written by a second
// implementation (Python's cryptography package) against tessera-cli.
TEST_F(People, ASecondImplementationAgreesBothWays) {
    if (python({"-c", "import cryptography.hazmat.primitives.ciphers.aead"}).status != 0)
        GTEST_SKIP() << "python3 with the cryptography package is not installed";
    const QString reader = QStringLiteral(TESSERA_SECOND_READER);
    const QString ours = keygen("ours.key");
    const CliRun made = python({reader, "keygen", path("theirs.key")});
    ASSERT_EQ(made.status, 0) << made.err.constData();
    const QString theirs = QString::fromLatin1(made.out.trimmed());
    for (const qint64 size : {qint64(0), qint64(65535), qint64(65536), qint64(200001)}) {
        SCOPED_TRACE(size);
        const QByteArray plain = testsupport::randomBytes(size, unsigned(size));
        write("in", plain);
        ASSERT_EQ(cli({"encrypt-file", "--to", theirs, "--to", ours, path("in"), path("a")}).status,
                  0);
        CliRun r = python({reader, "open", path("theirs.key"), path("a"), path("a.out")});
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_EQ(read("a.out"), plain);
        r = python({reader, "seal", ours, path("in"), path("b")});
        ASSERT_EQ(r.status, 0) << r.err.constData();
        QFile::remove(path("b.out"));
        r = cli({"decrypt-file", "--identity", path("ours.key"), path("b"), path("b.out")});
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_EQ(read("b.out"), plain);
    }
}

// The kit's files sealed to people, through the second implementation: each
// opens to its bytes or is refused, as the manifest says.
TEST_F(People, ASecondImplementationAgreesWithTheKit) {
    if (python({"-c", "import cryptography.hazmat.primitives.ciphers.aead"}).status != 0)
        GTEST_SKIP() << "python3 with the cryptography package is not installed";
    const QString kit = QStringLiteral(TESSERA_TESTKIT);
    int cases = 0;
    for (const QByteArray& line : testsupport::readLines(kit + "/MANIFEST")) {
        const QList<QByteArray> f = line.split(' ');
        // Protected identities need Argon2id, which the second reader has not.
        if (f.size() < 4 || f[1] != "file-to-people" ||
            QFile::exists(kit + "/" + f[2] + ".password"))
            continue;
        SCOPED_TRACE(line.toStdString());
        QFile::remove(path("out"));
        const CliRun r =
            python({TESSERA_SECOND_READER, "open", kit + "/" + f[2], kit + "/" + f[0], path("out")});
        EXPECT_EQ(r.status, f[3] == "open" ? 0 : 1) << r.err.constData();
        if (f[3] == "open") {
            EXPECT_EQ(read("out"), testsupport::readAll(kit + "/" + f[4]));
        }
        ++cases;
    }
    EXPECT_GE(cases, 10);
}

} // namespace
