// Message encryption: the file it writes, byte for byte, and every way it can
// refuse or fail without leaving a partial file behind.

#include "tests/cipher/RecordingHost.h"
#include "cipher/Messages.h"
#include "io/ScratchFile.h"
#include "tests/support/Files.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

using namespace cipher;
using namespace base;

namespace {

using testsupport::readAll;
using testsupport::writeAll;

class Encrypt : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString target = dir.filePath("message.txt");
    QString scratch = dir.filePath("cache/TempFile.enc");
    RecordingHost host;

    EncryptResult run(const QString& text, const QString& password, bool pic = false,
                      bool junk = false) {
        return EncryptMessage(messageRequest(text, password, target, scratch, pic, junk), host, host.progress);
    }
};

} // namespace

TEST_F(Encrypt, WorkedExampleWithoutOptions) {
    ASSERT_EQ(run(QStringLiteral("Hi!"), QStringLiteral("ab")), EncryptResult::Finished);
    EXPECT_EQ(readAll(target), QByteArray("\"Tessera v2.0\"\r\n169\r\n203\r\n131\r\n"));
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0].text, "Finished");
    EXPECT_EQ(host.messages[0].tone, Tone::Closing);
    EXPECT_FALSE(QFile::exists(scratch));
    EXPECT_EQ(host.progress.ranges, std::vector<qint64>{3});
    EXPECT_EQ(host.progress.highest(), 3);
    EXPECT_EQ(host.progress.last(), 0);
}

TEST_F(Encrypt, WorkedExampleWithJunkBitz) {
    ASSERT_EQ(run(QStringLiteral("Hi!"), QStringLiteral("ab"), false, true),
              EncryptResult::Finished);
    EXPECT_EQ(readAll(target),
              QByteArray("\"Tessera v2.0 JB\"\r\n359\r\n169\r\n346\r\n203\r\n333\r\n131\r\n"));
}

TEST_F(Encrypt, PicLengthensTheKeyButJunkStillComesFromThePassword) {
    ASSERT_EQ(run(QStringLiteral("AAAA"), QStringLiteral("b"), true, true),
              EncryptResult::Finished);
    // Key "bPIC52907316": positions 1, 2, 3, 4 give b, P, I, C; junk seed 'b' = 98.
    const int a = 'A';
    QByteArray expected = "\"Tessera v2.0 PIC JB\"\r\n";
    const int junk[] = {98 * 2 + 178 - 13, 98 * 2 + 178 - 26, 98 * 2 + 178 - 39, 98 * 2 + 178 - 52};
    const char key[] = {'b', 'P', 'I', 'C'};
    for (int i = 0; i < 4; ++i)
        expected += QByteArray::number(junk[i]) + "\r\n" + QByteArray::number(a + key[i]) + "\r\n";
    EXPECT_EQ(readAll(target), expected);
}

TEST_F(Encrypt, EmptyMessageTouchesNothing) {
    writeAll(target, "keep");
    EXPECT_EQ(run(QString(), QStringLiteral("pw")), EncryptResult::Empty);
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_TRUE(host.progress.positions.empty());
    EXPECT_EQ(readAll(target), "keep");
}

TEST_F(Encrypt, LineBreakGivesTwoValues) {
    ASSERT_EQ(run(QStringLiteral("\r\n"), QStringLiteral("A")), EncryptResult::Finished);
    EXPECT_EQ(readAll(target), QByteArray("\"Tessera v2.0\"\r\n78\r\n75\r\n"));
}

TEST_F(Encrypt, SameInputsGiveTheSameFileAndOverwrite) {
    writeAll(target, QByteArray(5000, 'x'));
    ASSERT_EQ(run(QStringLiteral("same message"), QStringLiteral("pw"), true, true),
              EncryptResult::Finished);
    const QByteArray first = readAll(target);
    ASSERT_EQ(run(QStringLiteral("same message"), QStringLiteral("pw"), true, true),
              EncryptResult::Finished);
    EXPECT_EQ(readAll(target), first);
    EXPECT_LT(first.size(), 5000);
}

TEST_F(Encrypt, OneCharacterPasswordEncryptsTheWholeMessage) {
    // The key keeps its last code where it has no character, as the reader does.
    ASSERT_EQ(run(QStringLiteral("abc"), QStringLiteral("z"), false, true),
              EncryptResult::Finished);
    EXPECT_EQ(readAll(target), QByteArray("\"Tessera v2.0 JB\"\r\n109\r\n219\r\n96\r\n220\r\n"
                                          "357\r\n221\r\n"));
    EXPECT_EQ(host.lastMessage(), "Finished");
}

TEST_F(Encrypt, StaleScratchLinesAreNeverEncrypted) {
    QDir().mkpath(QFileInfo(scratch).absolutePath());
    writeAll(scratch, "1\r\n2\r\n3\r\n4\r\n5\r\n");
    ASSERT_EQ(run(QStringLiteral("Hi!"), QStringLiteral("ab")), EncryptResult::Finished);
    EXPECT_EQ(readAll(target), QByteArray("\"Tessera v2.0\"\r\n169\r\n203\r\n131\r\n"));
    EXPECT_FALSE(QFile::exists(scratch));
}

TEST_F(Encrypt, TenThousandCharactersEncryptInFullAndOneMoreIsRefused) {
    const QString full(10000, QLatin1Char('x'));
    ASSERT_EQ(run(full, QStringLiteral("pw"), false, true), EncryptResult::Finished);
    EXPECT_EQ(readAll(target).count("\r\n"), 1 + 2 * 10000);

    const QByteArray before = readAll(target);
    host.messages.clear();
    EXPECT_EQ(run(full + QLatin1Char('y'), QStringLiteral("pw")), EncryptResult::Failed);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0].tone, Tone::Error);
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("10001")));
    EXPECT_EQ(readAll(target), before);
    EXPECT_FALSE(QFile::exists(scratch));
}

TEST_F(Encrypt, RefusalsNameTheirCauseAndWriteNothing) {
    writeAll(target, "earlier file");
    struct Case {
        QString text;
        QString password;
        QString expect;
    } cases[] = {
        {QStringLiteral("msg"), QString(), QStringLiteral("password")},
        {QStringLiteral("price \u20AC 5 \u4E2D"), QStringLiteral("pw"), QStringLiteral("U+4E2D")},
        {QStringLiteral("msg"), QStringLiteral("p\u0101ss"), QStringLiteral("U+0101")},
        {QStringLiteral("msg"), QString(40000, QLatin1Char('p')), QStringLiteral("32767")},
    };
    for (const Case& c : cases) {
        host.messages.clear();
        EXPECT_EQ(run(c.text, c.password), EncryptResult::Failed) << c.expect.toStdString();
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_EQ(host.messages[0].tone, Tone::Error);
        EXPECT_TRUE(host.messages[0].text.contains(c.expect))
            << host.messages[0].text.toStdString();
        EXPECT_NE(host.messages[0].text, "Finished!");
        EXPECT_EQ(readAll(target), "earlier file");
        EXPECT_FALSE(QFile::exists(scratch));
    }
}

TEST_F(Encrypt, UnwritableTargetIsReportedWithTheFileName) {
    target = dir.filePath("no/such/folder/out.txt");
    EXPECT_EQ(run(QStringLiteral("msg"), QStringLiteral("pw")), EncryptResult::Failed);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("out.txt")));
    EXPECT_EQ(host.messages[0].tone, Tone::Error);
    EXPECT_FALSE(QFile::exists(scratch));

    target = dir.path();
    host.messages.clear();
    EXPECT_EQ(run(QStringLiteral("msg"), QStringLiteral("pw")), EncryptResult::Failed);
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("folder")));
}

TEST_F(Encrypt, NoPartialFileIsLeftBesideTheTarget) {
    ASSERT_EQ(run(QStringLiteral("msg"), QStringLiteral("pw")), EncryptResult::Finished);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"message.txt"});
}

TEST_F(Encrypt, AFifoTargetIsWrittenInPlaceAndStaysAFifo) {
    target = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    QByteArray received;
    std::thread reader([&] {
        QFile f(target);
        if (f.open(QIODevice::ReadOnly))
            received = f.readAll();
    });
    EXPECT_EQ(run(QStringLiteral("Hi!"), QStringLiteral("ab")), EncryptResult::Finished);
    reader.join();
    EXPECT_EQ(received, QByteArray("\"Tessera v2.0\"\r\n169\r\n203\r\n131\r\n"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}
