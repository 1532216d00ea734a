// Sealing to people through tessera-cli, as a user's script would: keygen and
// recipient, files and messages to one or several people and back, every
// refusal with nothing written, and a second implementation written from
// sealed/FORMAT.md alone reading what tessera-cli writes and the other way.

#include "tests/support/Files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

CliRun run(const QString& program, const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForStarted());
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

CliRun cli(const QStringList& args, const QByteArray& input = {}) {
    return run(QStringLiteral(TESSERA_CLI), args, input);
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

// One way to seal and open: the options of each side, and the file or message.
struct Trip {
    const char* name;
    bool message;
    std::function<QStringList(People*)> to;
    std::function<QStringList(People*)> identity;
};

TEST_F(People, FilesAndMessagesGoToPeopleAndBack) {
    write("pw", "identity password\n");
    const QString alice = keygen("alice.key");
    const QString bob = keygen("bob.key", {"--protect", "--password-file", path("pw")});
    const QString carol = keygen("carol.key");
    write("people", ("# friends\n" + alice + "  # Alice\n\n" + bob + " # Bob\n").toLatin1());
    write("bob.copy", read("alice.key"));
    const QString alicePath = path("alice.key"), bobPath = path("bob.key"), pw = path("pw");
    const Trip trips[] = {
        {"a file to one", false,
         [&](People*) {
             return QStringList{"--to", alice};
         },
         [&](People*) {
             return QStringList{"--identity", alicePath};
         }},
        {"a message to one", true,
         [&](People*) {
             return QStringList{"--to", alice};
         },
         [&](People*) {
             return QStringList{"--identity", alicePath};
         }},
        {"a file to a people file, opened by a protected identity", false,
         [&](People* t) {
             return QStringList{"--to-file", t->path("people")};
         },
         [&](People*) {
             return QStringList{"--identity", bobPath, "--password-file", pw};
         }},
        {"a message to three, opened by the third", true,
         [&](People* t) {
             return QStringList{"--to-file", t->path("people"), "--to", carol};
         },
         [&](People* t) {
             return QStringList{"--identity", t->path("carol.key")};
         }},
        {"a message to two, opened with two identities", true,
         [&](People*) {
             return QStringList{"--to", bob, "--to", alice};
         },
         [&](People* t) {
             return QStringList{"--identity", t->path("carol.key"), "--identity", alicePath};
         }},
        {"a file opened by a copy protected with encrypt --sealed", false,
         [&](People*) {
             return QStringList{"--to", alice};
         },
         [&](People* t) {
             cli({"encrypt", "--sealed", "--password-file", pw, "--output", t->path("alice.prot"),
                  alicePath});
             return QStringList{"--identity", t->path("alice.prot"), "--password-file", pw};
         }},
    };
    const QByteArray text = "To people: Grüße, 中文, 😀\r\nsecond line\n";
    const QByteArray bytes = testsupport::randomBytes(300000, 5);
    for (const Trip& trip : trips) {
        SCOPED_TRACE(trip.name);
        QFile::remove(path("sealed"));
        QFile::remove(path("out"));
        write("in", trip.message ? text : bytes);
        const QStringList seal =
            trip.message ? QStringList{"encrypt", "--output", path("sealed"), path("in")}
                         : QStringList{"encrypt-file", path("in"), path("sealed")};
        CliRun r = cli(seal + trip.to(this));
        ASSERT_EQ(r.status, 0) << r.err.constData();
        const QStringList open =
            trip.message ? QStringList{"decrypt", "--output", path("out"), path("sealed")}
                         : QStringList{"decrypt-file", path("sealed"), path("out")};
        r = cli(open + trip.identity(this));
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_EQ(read("out"), trip.message ? text : bytes);
    }
}

// A refusal: the command, its exit status, and a phrase of its one line.
struct Refusal {
    const char* name;
    std::function<QStringList(People*)> args;
    int status;
    const char* says;
};

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
    const Refusal cases[] = {
        {"a stranger's identity",
         [](People* t) {
             return QStringList{"decrypt-file", "--identity", t->path("stranger.key"),
                                t->path("file"), t->path("out")};
         },
         3, "is not sealed to this identity"},
        {"a stranger's identity, message",
         [](People* t) {
             return QStringList{"decrypt",  "--identity",   t->path("stranger.key"),
                                "--output", t->path("out"), t->path("message")};
         },
         3, "is not sealed to this identity"},
        {"a password where an identity is needed",
         [](People* t) {
             return QStringList{"decrypt-file", "--password-file", t->path("pw"), t->path("file"),
                                t->path("out")};
         },
         1, "give --identity"},
        {"a header byte changed",
         [](People* t) {
             return QStringList{"decrypt-file", "--identity", t->path("alice.key"),
                                t->path("tampered"), t->path("out")};
         },
         3, "not decrypted"},
        {"a wrong identity password",
         [](People* t) {
             return QStringList{"decrypt-file",    "--identity",     t->path("bob.key"),
                                "--password-file", t->path("wrong"), t->path("file"),
                                t->path("out")};
         },
         1, "password is wrong"},
        {"a typo in --to",
         [&](People* t) {
             return QStringList{"encrypt-file", "--to", typo, t->path("in"), t->path("out")};
         },
         1, "has a typo"},
        {"a typo in a people file",
         [](People* t) {
             return QStringList{"encrypt-file", "--to-file", t->path("people"), t->path("in"),
                                t->path("out")};
         },
         1, "line 3: "},
        {"an identity given as a recipient",
         [&](People* t) {
             return QStringList{"encrypt",  "--to",         secretLine,
                                "--output", t->path("out"), t->path("in")};
         },
         1, "Never pass an identity on"},
        {"a password beside --to",
         [&](People* t) {
             return QStringList{"encrypt-file", "--to",        alice,         "--password-file",
                                t->path("pw"),  t->path("in"), t->path("out")};
         },
         2, "no password"},
        {"--pic beside --to",
         [&](People* t) {
             return QStringList{"encrypt",  "--to",         alice,        "--pic",
                                "--output", t->path("out"), t->path("in")};
         },
         2, "--pic"},
        {"a recipient file as the identity",
         [](People* t) {
             return QStringList{"decrypt-file", "--identity", t->path("people"), t->path("file"),
                                t->path("out")};
         },
         1, "holds a recipient"},
    };
    for (const Refusal& c : cases) {
        QFile::remove(path("out"));
        const CliRun r = cli(c.args(this));
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err.constData();
        EXPECT_TRUE(r.err.contains(c.says)) << c.name << ": " << r.err.constData();
        EXPECT_FALSE(r.err.contains(secretLine.mid(18, 20).toLatin1())) << c.name;
        EXPECT_FALSE(QFile::exists(path("out"))) << c.name;
    }
}

// The format as sealed/FORMAT.md gives it, read and written by a second
// implementation (Python's cryptography package) against tessera-cli.
TEST_F(People, ASecondImplementationAgreesBothWays) {
    if (run("python3", {"-c", "import cryptography.hazmat.primitives.ciphers.aead"}).status != 0)
        GTEST_SKIP() << "python3 with the cryptography package is not installed";
    const QString reader = QStringLiteral(TESSERA_SECOND_READER);
    const QString ours = keygen("ours.key");
    const CliRun made = run("python3", {reader, "keygen", path("theirs.key")});
    ASSERT_EQ(made.status, 0) << made.err.constData();
    const QString theirs = QString::fromLatin1(made.out.trimmed());
    for (const qint64 size : {qint64(0), qint64(65535), qint64(65536), qint64(200001)}) {
        SCOPED_TRACE(size);
        const QByteArray plain = testsupport::randomBytes(size, unsigned(size));
        write("in", plain);
        ASSERT_EQ(cli({"encrypt-file", "--to", theirs, "--to", ours, path("in"), path("a")}).status,
                  0);
        CliRun r = run("python3", {reader, "open", path("theirs.key"), path("a"), path("a.out")});
        ASSERT_EQ(r.status, 0) << r.err.constData();
        EXPECT_EQ(read("a.out"), plain);
        r = run("python3", {reader, "seal", ours, path("in"), path("b")});
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
    if (run("python3", {"-c", "import cryptography.hazmat.primitives.ciphers.aead"}).status != 0)
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
        const CliRun r = run("python3", {TESSERA_SECOND_READER, "open", kit + "/" + f[2],
                                         kit + "/" + f[0], path("out")});
        EXPECT_EQ(r.status, f[3] == "open" ? 0 : 1) << r.err.constData();
        if (f[3] == "open") {
            EXPECT_EQ(read("out"), testsupport::readAll(kit + "/" + f[4]));
        }
        ++cases;
    }
    EXPECT_GE(cases, 10);
}

} // namespace
