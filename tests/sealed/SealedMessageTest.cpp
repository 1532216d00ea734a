// Sealed messages: the text layout, what a reader tolerates and what it refuses.

#include "SealedTestSupport.h"

#include "words/Describe.h"

#include <sodium.h>

using namespace sealedtest;

namespace {

const QString kPassword = QStringLiteral("sea shell");

QByteArray sealText(const QString& text) {
    QByteArray file;
    const Result result = sealMessage(text, kPassword, &file, fast());
    EXPECT_TRUE(result.ok()) << words::sentence(result.failure).toStdString();
    return file;
}

Result openText(const QByteArray& file, QString* text = nullptr) {
    QString ignored;
    return openMessage(file, kPassword, text ? text : &ignored);
}

// A message file around any bytes, laid out as the writer lays it out.
QByteArray messageAround(const QByteArray& sealedBytes) {
    const size_t size = sodium_base64_ENCODED_LEN(sealedBytes.size(),
                                                  sodium_base64_VARIANT_ORIGINAL);
    QByteArray base64(static_cast<qsizetype>(size), '\0');
    sodium_bin2base64(base64.data(), size,
                      reinterpret_cast<const unsigned char*>(sealedBytes.constData()),
                      sealedBytes.size(), sodium_base64_VARIANT_ORIGINAL);
    base64.truncate(base64.indexOf('\0'));
    QByteArray file = "\"Tessera v2.0 Sealed\"\r\n";
    for (qsizetype at = 0; at < base64.size(); at += 64)
        file += base64.mid(at, 64) + "\r\n";
    return file;
}

TEST(SealedMessage, RoundTripsAnyCharacter) {
    QString longest;
    while (longest.size() < 10000)
        longest += QStringLiteral("\u4e2d\u6587 \U0001F600 ok\r\n");
    longest.truncate(10000);
    for (const QString& text : {QString(), QStringLiteral("a"),
                                QStringLiteral("Line one\r\nLine two \u20ac\r\n"),
                                QStringLiteral("\U0001F510 \u65e5\u672c\u8a9e \u0416 \u00e9"),
                                QStringLiteral("\ufeffleading byte order mark"), longest}) {
        QString back;
        const Result result = openText(sealText(text), &back);
        EXPECT_TRUE(result.ok()) << words::sentence(result.failure).toStdString();
        EXPECT_EQ(back, text);
    }
}

TEST(SealedMessage, LayoutIsTagLineThenBase64LinesOf64WithCrLf) {
    const QString text = QString(500, QLatin1Char('x'));
    const QByteArray file = sealText(text);
    ASSERT_TRUE(file.startsWith("\"Tessera v2.0 Sealed\"\r\n"));
    ASSERT_TRUE(file.endsWith("\r\n"));
    const QList<QByteArray> lines = file.chopped(1).split('\n');
    QByteArray base64;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        ASSERT_TRUE(lines[i].endsWith('\r')) << i;
        const QByteArray line = lines[i].chopped(1);
        if (i + 1 < lines.size())
            EXPECT_EQ(line.size(), 64) << i;
        else
            EXPECT_TRUE(line.size() > 0 && line.size() <= 64);
        base64 += line;
    }
    EXPECT_EQ(QByteArray::fromBase64(base64).size(), sealedSize(500));
    EXPECT_TRUE(looksSealed(QByteArray::fromBase64(base64)));
}

TEST(SealedMessage, ReaderToleratesLfAndAMissingFinalLineEnd) {
    const QString text = QStringLiteral("tolerant \u00fc");
    const QByteArray file = sealText(text);
    QByteArray lfOnly = file;
    lfOnly.replace("\r\n", "\n");
    QByteArray rewrapped = file.left(file.indexOf('\n') + 1);
    rewrapped += file.mid(rewrapped.size()).replace("\r\n", "").insert(76, "\r\n");
    for (const QByteArray& variant : {lfOnly, file.chopped(2), lfOnly.chopped(1), rewrapped}) {
        QString back;
        EXPECT_TRUE(openText(variant, &back).ok()) << variant.toStdString();
        EXPECT_EQ(back, text);
    }
}

TEST(SealedMessage, DamagedTextIsRefused) {
    const QByteArray file = sealText(QStringLiteral("refuse me"));
    const qsizetype body = file.indexOf('\n') + 1;
    const auto changed = [&](qsizetype at, const QByteArray& with, qsizetype length = 1) {
        return QByteArray(file).replace(at, length, with);
    };
    const struct {
        QByteArray file;
        Status expected;
    } cases[] = {
        {changed(body + 3, "*"), Status::BadEncoding},
        {changed(body + 66, "\r\n", 0), Status::BadEncoding}, // a blank line inside the data
        {changed(body + 1, file[body + 1] == 'B' ? "C" : "B"), Status::BadEncoding}, // the magic
        {QByteArray(file).replace("=", ""), Status::BadEncoding},
        {messageAround(QByteArray::fromBase64(file.mid(body)) + "xyz"),
         Status::WrongPasswordOrDamaged},
        {changed(body + 70, file[body + 70] == 'B' ? "C" : "B"), Status::WrongPasswordOrDamaged},
        {file.left(body), Status::BadEncoding},
        {file.left(body + 64 + 2), Status::BadEncoding}, // a header cut short
        {"\"Tessera v2.0\"\r\n123\r\n", Status::NotSealed},
        {"\"Tessera v2.0 Sealed", Status::BadEncoding},
        {QByteArray(kMaxMessageFileSize + 1, 'A').prepend(file.left(body)),
         Status::LimitsExceeded},
        // White space around lines and after the tag is what mail leaves.
        {changed(body + 64, " "), Status::Ok},
        {changed(body - 2, " "), Status::Ok},
    };
    for (const auto& c : cases) {
        const Result result = openText(c.file);
        EXPECT_EQ(result.status, c.expected)
            << c.file.left(200).toStdString() << ": " << words::sentence(result.failure).toStdString();
    }
    // Padding bits that are not zero: the canonical form is the only one accepted.
    QByteArray nonCanonical = file;
    const qsizetype pad = nonCanonical.indexOf('=');
    ASSERT_GT(pad, 0);
    nonCanonical[pad - 1] = static_cast<char>(nonCanonical[pad - 1] + 1);
    EXPECT_EQ(openText(nonCanonical).status, Status::BadEncoding);

    QString kept = QStringLiteral("unchanged");
    const Result wrong = openMessage(file, QStringLiteral("sea shells"), &kept);
    EXPECT_EQ(words::sentence(wrong.failure), "The password is wrong, or the file was changed or cut short.");
    EXPECT_EQ(kept, "unchanged");
}

TEST(SealedMessage, AuthenticTextThatIsNotUtf8IsRefused) {
    const QByteArray file = messageAround(sealBytes("\xff\xfe not text", kPassword, fast()));
    EXPECT_EQ(openText(file).status, Status::Unsupported);
}

TEST(SealedMessage, LongerThanTheWindowIsNotSealed) {
    QByteArray file = "unchanged";
    EXPECT_EQ(sealMessage(QString(10001, QLatin1Char('a')), kPassword, &file, fast()).status,
              Status::LimitsExceeded);
    EXPECT_EQ(file, "unchanged");
}

// Almost sealed is damaged, never classic; every classic tag stays classic.
TEST(SealedRecognition, FilesAndMessagesThatAreAlmostSealedAreDamaged) {
    const QByteArray magic("\x89TSEAL\r\n", 8);
    const QByteArray rest = QByteArray("\x01\x01\x03\0\0\0", 6) + QByteArray(60, 'r');
    const struct {
        QByteArray bytes;
        Recognition expected;
    } files[] = {
        {magic + rest, Recognition::Sealed},
        {QByteArray("\x88TSEAL\r\n", 8), Recognition::Damaged},
        {QByteArray("\x89TSEAl\n\n", 8), Recognition::Damaged},  // two changed
        {QByteArray("\x88TSEAl\n\n", 8), Recognition::Classic}, // three changed
        {magic.left(1), Recognition::Damaged},                  // cut inside the magic
        {magic.left(7), Recognition::Damaged},
        {QByteArray(60, 'x') + magic + rest, Recognition::Damaged}, // moved
        {QByteArray(kRecognitionWindow, 'x') + magic + rest, Recognition::Classic}, // beyond the window
        {magic.mid(3) + rest, Recognition::Damaged},             // three bytes lost
        {magic.mid(4) + rest, Recognition::Damaged},
        {magic.mid(5) + rest, Recognition::Classic},             // too little left to tell
        {"\xC2" + magic + rest, Recognition::Damaged},           // read as Latin-1, saved as UTF-8
        {QByteArray("\x89X"), Recognition::Classic},
        {QByteArray(), Recognition::Classic},
        {QByteArray("plain text, any length"), Recognition::Classic},
    };
    for (const auto& f : files)
        EXPECT_EQ(recogniseFile(f.bytes), f.expected) << f.bytes.toHex().constData();

    const QByteArray data = sealText(QStringLiteral("x")).mid(23);
    const struct {
        QByteArray content;
        Recognition expected;
        Damage damage;
    } messages[] = {
        {"\"Tessera v2.0 Sealed\"\r\n" + data, Recognition::Sealed, Damage::None},
        {"\"Tessera v1.0\"\r\n" + data, Recognition::Sealed, Damage::None},
        {data, Recognition::Sealed, Damage::None},
        {"\"Tessera v2.0 Sealed\"\r\nAAAA\r\n", Recognition::Damaged, Damage::NoData},
        {"\"tessera v2.0 sealet\"\r\n", Recognition::Damaged, Damage::Cut},
        {"\"Tessera v2.1 Sealed\" \r\n123\r\n", Recognition::Damaged, Damage::NoData},
        {"\"Tessera v2.0 Sealed\"\r\niVRTR", Recognition::Damaged, Damage::Cut},
        {"\"Tessera v2.0 S", Recognition::Damaged, Damage::Cut},
        {QByteArray("\xFF\xFE\"\0T\0e\0s\0s\0e\0r\0a\0 \0v\0002\0.\0000\0 \0S\0e\0a\0l\0e\0d\0\"\0", 42),
         Recognition::Damaged, Damage::Cut},
        {"\"x\"\r\n" + QByteArray(data).replace("iVRT", "iVXT"), Recognition::Damaged,
         Damage::Header},
        {"\"x\"\r\n" + QByteArray(data).replace("\r\n", "!\r\n"), Recognition::Damaged,
         Damage::Encoding},
        {"\"Tessera v2.0\"\r\n169\r\n", Recognition::Classic, Damage::None},
        {"\"Tessera v2.0 PIC JB L\"\r\n", Recognition::Classic, Damage::None},
        {"\"Tessera v1.0\"\r\n", Recognition::Classic, Damage::None},
        {"\"Tessera v2.0 ", Recognition::Classic, Damage::None}, // may be a classic tag cut short
        {"", Recognition::Classic, Damage::None},
    };
    for (const auto& m : messages) {
        const FoundMessage found = findMessage(m.content);
        EXPECT_EQ(found.recognition, m.expected) << m.content.toHex().constData();
        EXPECT_EQ(found.damage, m.damage) << m.content.toHex().constData();
    }
}

} // namespace
