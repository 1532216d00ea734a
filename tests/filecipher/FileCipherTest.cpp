// The pass itself: the bytes of the copy, the progress it reports, where and
// how it writes, and cancelling.

#include "TestFiles.h"
#include "base/Limits.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <initializer_list>
#include <thread>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

using cipher::Direction;
using cipher::kBlockSize;
using cipher::PassStatus;
using namespace testfiles;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

class FilePass : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    // Writes data to "in", runs the pass into "out" and returns the copy.
    QByteArray cipher(const QByteArray& data, const QString& password, Direction direction) {
        writeAll(path("in"), data);
        QFile::remove(path("out"));
        const auto result = runPass(path("in"), path("out"), password, direction);
        EXPECT_EQ(result.status, PassStatus::Done) << said(result).toStdString();
        EXPECT_EQ(said(result), QStringLiteral("Done"));
        EXPECT_EQ(readAll(path("in")), data) << "the input must stay as it was";
        return readAll(path("out"));
    }

    QTemporaryDir dir;
};

TEST_F(FilePass, WorkedExamplesOfTheByteArithmetic) {
    // 255 + 98 = 353 -> 97, and back: 97 - 98 = -1 -> 255.
    EXPECT_EQ(cipher(bytes({255}), "b", Direction::Encipher), bytes({97}));
    EXPECT_EQ(cipher(bytes({97}), "b", Direction::Decipher), bytes({255}));
    EXPECT_EQ(cipher(bytes({0}), "A", Direction::Encipher), bytes({65}));
    EXPECT_EQ(cipher(bytes({10}), "A", Direction::Decipher), bytes({201}));
}

TEST_F(FilePass, OneCharacterPasswordShiftsEveryByteAlike) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    // The euro sign is code 128 in the program's code page.
    const QByteArray copy = cipher(all, QStringLiteral("\u20AC"), Direction::Encipher);
    ASSERT_EQ(copy.size(), 256);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(static_cast<quint8>(copy[b]), (b + 128) % 256) << "byte " << b;
}

TEST_F(FilePass, PasswordLongerThanTheFileUsesItsFirstCharacters) {
    const QByteArray data = bytes({1, 2, 3, 4, 5});
    const QByteArray copy = cipher(data, "abcdefghij", Direction::Encipher);
    EXPECT_EQ(copy, bytes({98, 100, 102, 104, 106}));
    EXPECT_EQ(copy, cipher(data, "abcde", Direction::Encipher));
}

TEST_F(FilePass, FileOfTwoPasswordsAndOneByteStartsThePasswordAgain) {
    const QByteArray data(7, '\x01'); // 2L + 1 with L = 3
    EXPECT_EQ(cipher(data, "abc", Direction::Encipher), bytes({98, 99, 100, 98, 99, 100, 98}));
}

TEST_F(FilePass, WrongPasswordCompletesWithACopyOfTheSameLength) {
    const QByteArray plain = randomBytes(5000, 1);
    const QByteArray enciphered = cipher(plain, "right", Direction::Encipher);
    ASSERT_NE(enciphered, plain);
    const QByteArray wrong = cipher(enciphered, "wrong", Direction::Decipher);
    EXPECT_EQ(wrong.size(), plain.size());
    EXPECT_NE(wrong, plain);
    EXPECT_EQ(cipher(enciphered, "right", Direction::Decipher), plain);
}

TEST_F(FilePass, EncipheringTwiceAddsThePasswordsCodes) {
    const QByteArray plain = randomBytes(1001, 2);
    const QByteArray p = bytes({'K', 'e', 'y', 200});
    const QByteArray q = bytes({255, 17, 128, 90});
    QByteArray sum;
    for (int i = 0; i < p.size(); ++i)
        sum.append(
            static_cast<char>((static_cast<quint8>(p[i]) + static_cast<quint8>(q[i])) % 256));
    const QByteArray once = cipher(plain, passwordOf(p), Direction::Encipher);
    const QByteArray twice = cipher(once, passwordOf(q), Direction::Encipher);
    EXPECT_EQ(twice, cipher(plain, passwordOf(sum), Direction::Encipher));
}

// Sizes around the block boundaries and passwords of every length class; the
// key must run on across blocks without a break.
TEST_F(FilePass, RoundTripsOverRandomDataMatchTheDefinition) {
    const qint64 B = kBlockSize;
    const qint64 sizes[] = {1, 2, 63, 64, 65, 1000, B - 1, B, B + 1, 2 * B + 12345};
    const int passwordLengths[] = {1, 7, 64, 4099, base::kMaxPasswordLength};
    unsigned seed = 10;
    for (const qint64 size : sizes) {
        for (const int length : passwordLengths) {
            SCOPED_TRACE(testing::Message() << "size " << size << ", password of " << length);
            const QByteArray plain = randomBytes(size, ++seed);
            const QString password = randomPassword(length, ++seed);
            const QByteArray enciphered = cipher(plain, password, Direction::Encipher);
            ASSERT_EQ(enciphered, reference(plain, password, Direction::Encipher));
            ASSERT_EQ(cipher(enciphered, password, Direction::Decipher), plain);
        }
    }
}

TEST_F(FilePass, ProgressMovesPerBlockAndEndsAtZero) {
    const qint64 n = 20 * kBlockSize + 3;
    writeAll(path("in"), QByteArray(n, 'x'));
    RecordingHost host;
    const auto result = runPass(path("in"), path("out"), "pw", Direction::Encipher, host);
    ASSERT_EQ(result.status, PassStatus::Done);
    EXPECT_EQ(host.ranges, std::vector<qint64>{n});
    ASSERT_GE(host.positions.size(), 2u);
    EXPECT_EQ(host.positions.back(), 0) << "the bar goes back to 0 at the end";
    // Every move but the closing one: a block boundary, or the whole file, in order.
    const std::size_t moves = host.positions.size() - 1;
    EXPECT_LE(moves, 21u) << "one move per block at most";
    for (std::size_t i = 0; i < moves; ++i) {
        EXPECT_TRUE(host.positions[i] % kBlockSize == 0 || host.positions[i] == n);
        if (i > 0) {
            EXPECT_GT(host.positions[i], host.positions[i - 1]);
        }
    }
}

TEST(Throttle, PositionsMoveNoMoreThanThirtyTimesASecondButTheEndsAlways) {
    testsupport::RecordingProgress display;
    base::ThrottledProgress throttled(display, cipher::kProgressInterval);
    throttled.setRange(40);
    for (qint64 block = 1; block <= 40; ++block) {
        throttled.setPosition(block);
        std::this_thread::sleep_for(std::chrono::milliseconds(5)); // a slow block
    }
    throttled.setPosition(0);
    ASSERT_GE(display.positions.size(), 3u);
    EXPECT_EQ(display.positions.front(), 1) << "the first always";
    EXPECT_EQ(display.positions[display.positions.size() - 2], 40) << "the last of the range always";
    EXPECT_EQ(display.positions.back(), 0) << "the end always";
    EXPECT_LT(display.positions.size(), 40u / 4) << "far fewer than the blocks";
    // (Two clocks read to the millisecond: one may be short by one.)
    for (std::size_t i = 1; i + 2 < display.positions.size(); ++i)
        EXPECT_GE(display.times[i] - display.times[i - 1], cipher::kProgressInterval - 1);
}

TEST_F(FilePass, EnciphersAFileInPlaceAndBack) {
    const QByteArray plain = randomBytes(2 * kBlockSize + 77, 3);
    writeAll(path("in"), plain);
    QFile::setPermissions(path("in"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    auto result = runPass(path("in"), path("in"), "same file", Direction::Encipher);
    ASSERT_EQ(result.status, PassStatus::Done) << said(result).toStdString();
    EXPECT_EQ(readAll(path("in")), reference(plain, "same file", Direction::Encipher));
    result = runPass(path("in"), path("in"), "same file", Direction::Decipher);
    ASSERT_EQ(result.status, PassStatus::Done) << said(result).toStdString();
    EXPECT_EQ(readAll(path("in")), plain);

    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"in"});
    EXPECT_EQ(QFile::permissions(path("in")), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadUser | QFile::WriteUser |
                                                  QFile::ReadGroup);
}

TEST_F(FilePass, ExistingLongerCopyIsReplacedByExactlyNBytes) {
    const QByteArray plain = randomBytes(3000, 4);
    writeAll(path("in"), plain);
    writeAll(path("out"), QByteArray(3 * kBlockSize, 'z'));
    QFile::setPermissions(path("out"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);

    const auto result = runPass(path("in"), path("out"), "pw", Direction::Encipher);
    ASSERT_EQ(result.status, PassStatus::Done) << said(result).toStdString();
    EXPECT_EQ(readAll(path("out")), reference(plain, "pw", Direction::Encipher));
    EXPECT_EQ(QFile::permissions(path("out")), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ReadUser | QFile::WriteUser |
                                                   QFile::ReadOther)
        << "a replaced file keeps its permissions";
    EXPECT_TRUE(partials(dir.path()).isEmpty());
}

TEST_F(FilePass, CopyThroughASymbolicLinkReplacesTheFileItNames) {
    const QByteArray plain = randomBytes(100, 5);
    writeAll(path("in"), plain);
    writeAll(path("target"), "old");
    ASSERT_TRUE(QFile::link(path("target"), path("link")));

    const auto result = runPass(path("in"), path("link"), "pw", Direction::Encipher);
    ASSERT_EQ(result.status, PassStatus::Done) << said(result).toStdString();
    EXPECT_TRUE(QFileInfo(path("link")).isSymLink());
    EXPECT_EQ(readAll(path("target")), reference(plain, "pw", Direction::Encipher));
}

TEST_F(FilePass, CancelledPassLeavesNoCopyAndEveryEarlierFileAsItWas) {
    const QByteArray plain = randomBytes(3 * kBlockSize + 10, 6);
    const QByteArray earlier = "an earlier copy";
    writeAll(path("in"), plain);

    // Before the first block, after it, and after the last one (before the
    // copy takes its name).
    for (const int cancelAt : {0, 1, -1}) {
        for (const QString target : {"new", "earlier", "in"}) {
            SCOPED_TRACE(testing::Message() << "cancelled after position " << cancelAt
                                            << " writing to " << target.toStdString());
            if (target == "earlier")
                writeAll(path(target), earlier);
            RecordingHost host;
            if (cancelAt >= 0)
                host.cancelAfter(cancelAt);
            else
                host.onPosition = [&](qint64 done) {
                    if (done == plain.size())
                        host.cancel();
                };
            const auto result = runPass(path("in"), path(target), "pw", Direction::Encipher, host);
            EXPECT_EQ(result.status, PassStatus::Cancelled);
            EXPECT_EQ(said(result), QStringLiteral("Cancelled: no copy was written to \"%1\".")
                                          .arg(QDir::toNativeSeparators(path(target))));
            EXPECT_EQ(host.last(), 0);

            EXPECT_EQ(readAll(path("in")), plain);
            if (target == "new") {
                EXPECT_FALSE(QFileInfo::exists(path(target)));
            } else if (target == "earlier") {
                EXPECT_EQ(readAll(path(target)), earlier);
            }
            EXPECT_TRUE(partials(dir.path()).isEmpty());
        }
    }
}

TEST_F(FilePass, InputThatShrinksDuringThePassFailsAndLeavesTheEarlierCopy) {
    // Long enough that the reads are still going when the first block is out.
    writeAll(path("in"), randomBytes(24 * kBlockSize, 7));
    writeAll(path("out"), "an earlier copy");
    RecordingHost host;
    host.onPosition = [this](qint64) {
        if (QFileInfo(path("in")).size() > 12 * kBlockSize)
            QFile::resize(path("in"), 12 * kBlockSize + 100);
    };
    const auto result = runPass(path("in"), path("out"), "pw", Direction::Encipher, host);
    EXPECT_EQ(result.status, PassStatus::Failed);
    EXPECT_EQ(said(result), QStringLiteral("The file \"%1\" became shorter while it was read.")
                                  .arg(QDir::toNativeSeparators(path("in"))));
    EXPECT_EQ(readAll(path("out")), QByteArray("an earlier copy"));
    EXPECT_TRUE(partials(dir.path()).isEmpty());
    EXPECT_EQ(host.last(), 0);
}

TEST_F(FilePass, TwoPassesRunAtOnceOnTwoThreads) {
    const QByteArray a = randomBytes(2 * kBlockSize + 1, 8);
    const QByteArray b = randomBytes(kBlockSize + 99, 9);
    writeAll(path("a"), a);
    writeAll(path("b"), b);
    cipher::PassResult ra, rb;
    std::thread first(
        [&] { ra = runPass(path("a"), path("a.out"), "first", Direction::Encipher); });
    std::thread second(
        [&] { rb = runPass(path("b"), path("b.out"), "second", Direction::Decipher); });
    first.join();
    second.join();
    ASSERT_EQ(ra.status, PassStatus::Done);
    ASSERT_EQ(rb.status, PassStatus::Done);
    EXPECT_EQ(readAll(path("a.out")), reference(a, "first", Direction::Encipher));
    EXPECT_EQ(readAll(path("b.out")), reference(b, "second", Direction::Decipher));
}

#if defined(Q_OS_UNIX)

// A copy's path that is a FIFO or a device is written into, never replaced:
// these use nodes made in the test's own folder, never a real device.
TEST_F(FilePass, WritesIntoAFifoAndLeavesItAFifo) {
    const QByteArray plain = randomBytes(kBlockSize + 5, 10);
    writeAll(path("in"), plain);
    const QByteArray fifo = QFile::encodeName(path("fifo"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);

    QByteArray received;
    std::atomic<bool> readerDone = false;
    std::thread reader([&] {
        QFile file(path("fifo"));
        if (file.open(QIODevice::ReadOnly))
            received = file.readAll();
        readerDone = true;
    });
    const auto result = runPass(path("in"), path("fifo"), "pw", Direction::Encipher);
    // Should the pass not have opened the FIFO, release the reader.
    while (!readerDone) {
        const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    reader.join();

    ASSERT_EQ(result.status, PassStatus::Done) << said(result).toStdString();
    EXPECT_EQ(received, reference(plain, "pw", Direction::Encipher));
    struct stat st {};
    ASSERT_EQ(::stat(fifo.constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(partials(dir.path()).isEmpty());
}

TEST_F(FilePass, WritesIntoACharacterDeviceAndLeavesTheNode) {
    // A node of our own for the null device: what is written there vanishes.
    const QByteArray node = QFile::encodeName(path("null"));
    if (::mknod(node.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node here: " << std::strerror(errno);
    writeAll(path("in"), randomBytes(2 * kBlockSize, 11));

    const auto result = runPass(path("in"), path("null"), "pw", Direction::Encipher);
    ASSERT_EQ(result.status, PassStatus::Done) << said(result).toStdString();
    struct stat st {};
    ASSERT_EQ(::stat(node.constData(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode)) << "the node must not have been replaced by a file";
    EXPECT_EQ(st.st_rdev, makedev(1, 3));
    EXPECT_TRUE(partials(dir.path()).isEmpty());
}

#endif

} // namespace
