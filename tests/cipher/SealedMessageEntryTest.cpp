// Sealed messages through the program's own entry points: EncryptMessage with
// the sealed format, and DecryptMessage recognising one by itself. A wrong
// password or a changed file is refused, and the output keeps what it had.

#include "tests/cipher/RecordingHost.h"
#include "cipher/Messages.h"
#include "classic/CodePage.h"
#include "classic/Message.h"
#include "sealed/Message.h"
#include "tests/support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cipher;
using namespace base;

namespace {

using testsupport::readAll;
using testsupport::writeAll;

// Keeps what a sealed message hands over whole.
class TextHost : public RecordingHost {
public:
    void showText(const QString& shown) override {
        RecordingHost::showText(shown);
        text += shown;
    }
    void clearOutput() override {
        RecordingHost::clearOutput();
        text.clear();
    }
    QString text;
};

class SealedEntry : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("message.txt");
    QString scratch = dir.filePath("cache/tessera2/TempFile.enc");
    TextHost host;

    EncryptResult encrypt(const QString& text, const QString& password, bool pic = false,
                          bool junk = false) {
        EncryptRequest r = messageRequest(text, password, path, scratch, pic, junk);
        r.format = Format::Sealed;
        return EncryptMessage(r, host, host.progress);
    }
};

const QString kText = QStringLiteral("Gr\u00fc\u00dfe \U0001F600 \u4e2d\u6587\r\nsecond line");

} // namespace

TEST_F(SealedEntry, AnyTextRoundTripsAndTheReaderNeedsNoChoice) {
    // PIC and JunkBitz do not apply to a sealed message.
    ASSERT_EQ(encrypt(kText, QStringLiteral("p\u00e4ss \u263A"), true, true),
              EncryptResult::Finished);
    EXPECT_EQ(host.lastMessage(), "Finished");
    const QByteArray file = readAll(path);
    EXPECT_TRUE(file.startsWith("\"Tessera v2.0 Sealed\"\r\n")) << file.left(40).constData();
    EXPECT_FALSE(file.contains("PIC") || file.contains(" JB"));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(scratch).absolutePath()))
        << "a sealed message never puts its text in the scratch file";
    EXPECT_EQ(host.progress.ranges, std::vector<qint64>{0}) << "busy while the key is derived";

    host.messages.clear();
    EXPECT_EQ(DecryptMessage({path, base::Secret::copyOf(QStringLiteral("p\u00e4ss \u263A"))}, host, host.progress),
              DecryptResult::Decrypted);
    EXPECT_EQ(host.text, kText);
    EXPECT_EQ(host.lastMessage(), "Decrypted");
}

TEST_F(SealedEntry, AWrongPasswordOrAChangedFileLeavesTheOutputAsItWas) {
    ASSERT_EQ(encrypt(kText, QStringLiteral("right")), EncryptResult::Finished);
    const QByteArray good = readAll(path);
    QByteArray changed = good;
    changed[good.size() / 2] = changed[good.size() / 2] == 'A' ? 'B' : 'A';
    QByteArray cut = good.left(good.size() - 8);
    for (const auto& [what, content, password] :
         {std::tuple{"a wrong password", good, QStringLiteral("wrong")},
          std::tuple{"a changed byte", changed, QStringLiteral("right")},
          std::tuple{"a file cut short", cut, QStringLiteral("right")}}) {
        SCOPED_TRACE(what);
        writeAll(path, content);
        host.messages.clear();
        host.text = QStringLiteral("what the box held before");
        host.output = "codes before";
        const int clears = host.clears;
        EXPECT_EQ(DecryptMessage({path, base::Secret::copyOf(password)}, host, host.progress), DecryptResult::NotOpened);
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_EQ(host.messages[0].text,
                  QStringLiteral("The password is wrong, or the file was changed or cut short."));
        EXPECT_EQ(host.messages[0].tone, Tone::Error);
        EXPECT_EQ(host.clears, clears) << "the output is not even emptied";
        EXPECT_EQ(host.text, QStringLiteral("what the box held before"));
        EXPECT_EQ(host.output, "codes before");
    }
}

TEST_F(SealedEntry, RefusalsComeBeforeAnythingIsWritten) {
    writeAll(path, "earlier file");
    EXPECT_EQ(encrypt(kText, QString()), EncryptResult::Failed);
    EXPECT_EQ(encrypt(QString(10001, QLatin1Char('x')), QStringLiteral("pw")),
              EncryptResult::Failed);
    EXPECT_EQ(encrypt(kText, QString(32768, QLatin1Char('p'))), EncryptResult::Failed);
    EXPECT_EQ(host.messages.size(), 3);
    for (const RecordedMessage& m : host.messages)
        EXPECT_EQ(m.tone, Tone::Error) << m.text.toStdString();
    EXPECT_EQ(readAll(path), "earlier file");
    // The whole 10000 characters are allowed, as in a classic message.
    EXPECT_EQ(encrypt(QString(10000, QChar(0x4e2d)), QStringLiteral("pw")),
              EncryptResult::Finished);
}

TEST_F(SealedEntry, AClassicReaderSeesAnUnknownTagAndNothingBreaks) {
    ASSERT_EQ(encrypt(QStringLiteral("hello"), QStringLiteral("pw")), EncryptResult::Finished);
    // What an earlier version does with the file: its tag means nothing to
    // it, so the base64 lines are read as (mostly unreadable) numbers.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray codes;
    classic::readMessage(file, "pw", &codes);
    EXPECT_NE(classic::codepage::decode(codes), QStringLiteral("hello"));
}
