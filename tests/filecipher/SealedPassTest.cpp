// The sealed file pass through FileCipherPass: chosen when enciphering,
// recognised by itself when deciphering, and refused, with no copy written,
// for a wrong password or a file that was changed or cut short.

#include "TestFiles.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace testfiles;
using cipher::Direction;
using cipher::PassResult;
using cipher::PassStatus;

namespace {

const QString kWrong =
    QStringLiteral("The password is wrong, or the file was changed or cut short.");
constexpr qint64 kChunk = 64 * 1024;

class SealedPass : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    PassResult seal(const QString& in, const QString& out, const QString& password,
                    base::Progress& host) {
        cipher::PassRequest request{in, out, base::Secret::copyOf(password), Direction::Encipher};
        request.format = cipher::Format::Sealed;
        return cipher::FileCipherPass(request, host);
    }
    PassResult seal(const QString& in, const QString& out, const QString& password) {
        RecordingHost host;
        return seal(in, out, password, host);
    }
};

} // namespace

TEST_F(SealedPass, RoundTripsEverySizeAndDecryptionNeedsNoChoice) {
    // Empty, around a chunk's end, and over a few batches of chunks.
    for (const qint64 size :
         {qint64(0), qint64(1), kChunk - 1, kChunk, kChunk + 1, qint64(9) * 1024 * 1024 + 7}) {
        SCOPED_TRACE(size);
        const QByteArray plain = randomBytes(size, static_cast<unsigned>(size));
        writeAll(path("in"), plain);
        RecordingHost host;
        // Any character may be in a sealed file's password.
        ASSERT_EQ(seal(path("in"), path("sealed"), QStringLiteral("\u263A \u4e2d"), host).status,
                  PassStatus::Done);
        EXPECT_GT(QFileInfo(path("sealed")).size(), size);
        ASSERT_FALSE(host.ranges.empty());
        EXPECT_EQ(host.ranges.front(), 0) << "busy while the key is derived";
        EXPECT_EQ(host.positions.back(), 0);

        const PassResult back = runPass(path("sealed"), path("back"),
                                        QStringLiteral("\u263A \u4e2d"), Direction::Decipher);
        ASSERT_EQ(back.status, PassStatus::Done) << said(back).toStdString();
        EXPECT_EQ(said(back), QStringLiteral("Done"));
        EXPECT_TRUE(readAll(path("back")) == plain);
    }
}

TEST_F(SealedPass, RefusalsWriteNoCopyAndKeepTheEarlierOne) {
    writeAll(path("in"), randomBytes(3 * kChunk + 5, 1));
    ASSERT_EQ(seal(path("in"), path("sealed"), "right").status, PassStatus::Done);
    const QByteArray good = readAll(path("sealed"));

    QByteArray flipped = good;
    flipped[good.size() - 100] = static_cast<char>(flipped[good.size() - 100] ^ 1);
    QByteArray reordered = good.left(57) + good.mid(57 + kChunk + 16, kChunk + 16) +
                           good.mid(57, kChunk + 16) + good.mid(57 + 2 * (kChunk + 16));
    const struct {
        const char* what;
        QByteArray file;
        const char* password;
    } cases[] = {
        {"a wrong password", good, "wrong"},
        {"a byte changed", flipped, "right"},
        {"cut short between chunks", good.left(57 + kChunk + 16), "right"},
        {"cut short inside a chunk", good.left(good.size() - 3), "right"},
        {"two chunks swapped", reordered, "right"},
        {"bytes appended", good + "x", "right"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(path("damaged"), c.file);
        writeAll(path("out"), "an earlier file");
        const PassResult result = runPass(path("damaged"), path("out"),
                                          QString::fromUtf8(c.password), Direction::Decipher);
        EXPECT_EQ(result.status, PassStatus::Failed);
        EXPECT_EQ(said(result), kWrong);
        EXPECT_EQ(readAll(path("out")), QByteArray("an earlier file"));
        EXPECT_TRUE(partials(dir.path()).isEmpty());
    }
}

TEST_F(SealedPass, ACancelLeavesNoCopy) {
    writeAll(path("in"), randomBytes(16 * 1024 * 1024, 2));
    for (const int at : {0, 1, 2}) {
        SCOPED_TRACE(at);
        RecordingHost host;
        host.cancelAfter(at);
        const PassResult result = seal(path("in"), path("out"), "pw", host);
        EXPECT_EQ(result.status, PassStatus::Cancelled);
        EXPECT_EQ(said(result), QStringLiteral("Cancelled: no copy was written to \"%1\".")
                                      .arg(QDir::toNativeSeparators(path("out"))));
        EXPECT_FALSE(QFileInfo::exists(path("out")));
    }
}

TEST_F(SealedPass, AFileThatOnlyLooksSealedIsRefusedNotDecipheredIntoGarbage) {
    // A classic copy that happens to begin with the sealed magic is taken for
    // a sealed file and refused, never deciphered into garbage unnoticed.
    QByteArray fake = QByteArray("\x89TSEAL\r\n", 8) + randomBytes(200, 3);
    writeAll(path("fake"), fake);
    const PassResult result = runPass(path("fake"), path("out"), "pw", Direction::Decipher);
    EXPECT_EQ(result.status, PassStatus::Failed);
    EXPECT_FALSE(QFileInfo::exists(path("out")));
}
