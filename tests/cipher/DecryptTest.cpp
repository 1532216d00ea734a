// Message decryption: every tag, the reading rules, wrong passwords, and files
// that this program never writes.

#include "tests/cipher/RecordingHost.h"
#include "cipher/Messages.h"
#include "classic/MessageFormat.h"
#include "tests/support/Files.h"
#include "classic/CodePage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cipher;
using namespace base;

namespace {

class Decrypt : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("message.txt");
    RecordingHost host;

    void write(const QByteArray& data) { testsupport::writeAll(path, data); }
    QString decrypt(const QString& password) {
        host.messages.clear();
        EXPECT_EQ(DecryptMessage({path, base::Secret::copyOf(password)}, host, host.progress), DecryptResult::Decrypted);
        EXPECT_EQ(host.lastMessage(), "Decrypted");
        return host.text();
    }
    void encrypt(const QString& text, const QString& password, bool pic, bool junk) {
        ASSERT_EQ(EncryptMessage(
                      messageRequest(text, password, path, dir.filePath("TempFile.enc"), pic, junk),
                      host, host.progress),
                  EncryptResult::Finished);
    }
};

} // namespace

TEST_F(Decrypt, RoundTripsEveryOptionWithoutBeingTold) {
    const QString text = QStringLiteral("Line one, with \"quotes\"\r\nzwei: Grüße à 10 €\r\n\tend");
    for (bool pic : {false, true}) {
        for (bool junk : {false, true}) {
            encrypt(text, QStringLiteral("Secret pw"), pic, junk);
            EXPECT_EQ(decrypt(QStringLiteral("Secret pw")), text) << pic << junk;
        }
    }
}

TEST_F(Decrypt, EveryCodeSurvivesTheRoundTrip) {
    QString all;
    for (int code = 1; code < 256; ++code)
        all += classic::codepage::decode(static_cast<quint8>(code));
    all += classic::codepage::decode(0);
    encrypt(all, QStringLiteral("\xFF\x01 k"), true, true);
    EXPECT_EQ(decrypt(QStringLiteral("\xFF\x01 k")), all);
}

TEST_F(Decrypt, WorkedExampleAndTagVariants) {
    const QByteArray body = "169\r\n203\r\n131\r\n";
    for (const QByteArray& tag : {QByteArray("\"Tessera v2.0\""), QByteArray("\"Tessera v1.0\""),
                                  QByteArray("Tessera v2.0"), QByteArray("\"Something else\""),
                                  QByteArray("\"Tessera v2.0 L\"")}) {
        write(tag + "\r\n" + body);
        EXPECT_EQ(decrypt(QStringLiteral("ab")), "Hi!") << tag.constData();
    }
    const QByteArray junkBody = "359\r\n169\r\n346\r\n203\r\n333\r\n131\r\n";
    for (const QByteArray& tag :
         {QByteArray("\"Tessera v2.0 JB\""), QByteArray("\"Tessera v2.0 JB L\"")}) {
        write(tag + "\r\n" + junkBody);
        EXPECT_EQ(decrypt(QStringLiteral("ab")), "Hi!") << tag.constData();
    }
}

TEST_F(Decrypt, PicLTagReadsLikePic) {
    encrypt(QStringLiteral("pic text"), QStringLiteral("pw"), true, false);
    QByteArray data = testsupport::readAll(path);
    ASSERT_FALSE(data.isEmpty());
    data.replace("\"Tessera v2.0 PIC\"", "\"Tessera v2.0 PIC L\"");
    write(data);
    EXPECT_EQ(decrypt(QStringLiteral("pw")), "pic text");
}

TEST_F(Decrypt, EmptyFileAndTagAloneGiveEmptyText) {
    write("");
    EXPECT_EQ(decrypt(QStringLiteral("pw")), "");
    write("\"Tessera v2.0 JB\"\r\n");
    EXPECT_EQ(decrypt(QStringLiteral("pw")), "");
}

TEST_F(Decrypt, ReadingRulesCommasSpacesAndForeignLineEnds) {
    write("\"Tessera v2.0\"\n169, 203\r  131\n");
    EXPECT_EQ(decrypt(QStringLiteral("ab")), "Hi!");
}

TEST_F(Decrypt, JunkFieldsAreNeverInspected) {
    write("\"Tessera v2.0 JB\"\r\nnot a number\r\n169\r\n\"quoted, junk\"\r\n203\r\n-9\r\n131\r\n");
    EXPECT_EQ(decrypt(QStringLiteral("ab")), "Hi!");
}

TEST_F(Decrypt, FileEndingAfterAJunkFieldGivesNoFurtherCharacter) {
    write("\"Tessera v2.0 JB\"\r\n359\r\n169\r\n346\r\n");
    EXPECT_EQ(decrypt(QString()), QString(QChar(169)));
}

TEST_F(Decrypt, BadFieldsCountAsZero) {
    // With an empty password the key code is 0, so a bad field gives code 0.
    write("\"Tessera v2.0\"\r\n72\r\nxyz\r\n105\r\n");
    EXPECT_EQ(decrypt(QString()), QString::fromLatin1("H\0i", 3));
    // With a key, zero minus the key code gives nothing.
    write("\"Tessera v2.0\"\r\n169\r\nxyz\r\n131\r\n");
    EXPECT_EQ(decrypt(QStringLiteral("ab")), "H!");
}

TEST_F(Decrypt, NegativeAndOutOfRangeValues) {
    write("\"Tessera v2.0\"\r\n-5\r\n-32768\r\n40000\r\n90\r\n");
    // -5 - 97, -32768 - 98 and 90 - 98 lie outside 0..255; 40000 is not a
    // 16-bit number and counts as 0.
    EXPECT_EQ(decrypt(QStringLiteral("ab")), QString());
}

TEST_F(Decrypt, WrongPasswordStillEndsWithDecrypted) {
    encrypt(QStringLiteral("a fairly long secret message"), QStringLiteral("right"), false, false);
    const QString wrong = decrypt(QStringLiteral("wrong!"));
    EXPECT_NE(wrong, QStringLiteral("a fairly long secret message"));
    EXPECT_LE(wrong.size(), 28);
}

TEST_F(Decrypt, OneCharacterPasswordFileFromTheOldWriter) {
    // The old writer stopped after the first character of such a message.
    write("\"Tessera v2.0\"\r\n194\r\n");
    EXPECT_EQ(decrypt(QStringLiteral("a")), "a");
}

TEST_F(Decrypt, MoreThanTenThousandValuesAllDecrypt) {
    QByteArray data = "\"Tessera v2.0\"\r\n";
    for (int i = 0; i < 12000; ++i)
        data += QByteArray::number(65 + 'k') + "\r\n";
    write(data);
    EXPECT_EQ(decrypt(QStringLiteral("k")), QString(12000, QLatin1Char('A')));
}

TEST_F(Decrypt, SecondRunReplacesTheText) {
    encrypt(QStringLiteral("first"), QStringLiteral("pw"), false, false);
    decrypt(QStringLiteral("pw"));
    const int clearsBefore = host.clears;
    EXPECT_EQ(decrypt(QStringLiteral("pw")), "first");
    EXPECT_EQ(host.clears, clearsBefore + 1);
}

TEST_F(Decrypt, MissingFileFolderOrEmptyPath) {
    for (const QString& bad : {dir.filePath("missing.txt"), dir.path(), QString()}) {
        host.messages.clear();
        EXPECT_EQ(DecryptMessage({bad, base::Secret::copyOf(u"pw")}, host, host.progress), DecryptResult::NotFound);
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_EQ(host.messages[0].text, "No file loaded or File not found");
        EXPECT_EQ(host.messages[0].tone, Tone::Error);
        EXPECT_TRUE(host.output.isEmpty());
    }
}

TEST_F(Decrypt, BinaryJunkEnds) {
    QByteArray junk;
    quint32 x = 12345;
    for (int i = 0; i < 200000; ++i) {
        x = x * 1103515245u + 12345u;
        junk.append(static_cast<char>(x >> 24));
    }
    write(junk);
    host.messages.clear();
    EXPECT_EQ(DecryptMessage({path, base::Secret::copyOf(QStringLiteral("pw"))}, host, host.progress), DecryptResult::Decrypted);
}

// Files far larger than any message: up to the ceilings every value decrypts;
// past them the file is refused whole, before the output is emptied.
namespace {

QByteArray valueLines(int count, bool junk) {
    QByteArray data = junk ? "\"Tessera v2.0 JB\"\r\n" : "\"Tessera v2.0\"\r\n";
    for (int i = 0; i < count; ++i)
        data += junk ? "300\r\n171\r\n" : "171\r\n"; // 'A' under the key "j"
    return data;
}

} // namespace

TEST_F(Decrypt, ValuesUpToTheCeilingDecryptOneMoreIsRefusedUntouched) {
    for (bool junk : {false, true}) {
        SCOPED_TRACE(junk);
        write(valueLines(kMaxFileValues, junk));
        EXPECT_EQ(decrypt(QStringLiteral("j")), QString(kMaxFileValues, QLatin1Char('A')));

        write(valueLines(kMaxFileValues + 1, junk));
        host.messages.clear();
        host.output = "the text before";
        const int clearsBefore = host.clears;
        EXPECT_EQ(DecryptMessage({path, base::Secret::copyOf(QStringLiteral("j"))}, host, host.progress), DecryptResult::TooLarge);
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_EQ(host.messages[0].text,
                  QStringLiteral("The file \"%1\" was not decrypted: it holds more than 20000 "
                                 "numbers, far more than any message file (a message has at "
                                 "most 10000 characters).")
                      .arg(QDir::toNativeSeparators(path)));
        EXPECT_EQ(host.messages[0].tone, Tone::Error);
        EXPECT_EQ(host.clears, clearsBefore) << "the output was not emptied";
        EXPECT_EQ(host.output, "the text before");
        EXPECT_TRUE(host.progress.ranges.empty()) << "refused before any work";
    }
}

TEST_F(Decrypt, AFileOfOneMegabyteIsReadOneByteMoreIsRefused) {
    // A tag field as long as the whole file, and no value.
    const auto tagOnly = [](qint64 size) { return '"' + QByteArray(size - 2, 'x') + '"'; };
    write(tagOnly(kMaxMessageFileBytes));
    EXPECT_EQ(decrypt(QStringLiteral("pw")), QString());

    write(tagOnly(kMaxMessageFileBytes + 1));
    host.messages.clear();
    EXPECT_EQ(DecryptMessage({path, base::Secret::copyOf(QStringLiteral("pw"))}, host, host.progress), DecryptResult::TooLarge);
    EXPECT_EQ(host.lastMessage(),
              QStringLiteral("The file \"%1\" was not decrypted: it is larger than 1 MB, far "
                             "larger than any message file.")
                  .arg(QDir::toNativeSeparators(path)));

    // A valid file of a million values, as someone might hand over, goes the same way.
    write(valueLines(1000000, false));
    host.messages.clear();
    EXPECT_EQ(DecryptMessage({path, base::Secret::copyOf(QStringLiteral("j"))}, host, host.progress), DecryptResult::TooLarge);
    EXPECT_TRUE(host.lastMessage().contains("larger than 1 MB"));
}
