// The sealed engine: round trips, and every way a sealed file can be wrong.

#include "SealedTestSupport.h"

#include "words/Describe.h"

#include <algorithm>
#include <sodium.h>
#include <sys/resource.h>

using namespace sealedtest;

namespace {

const QString kPassword = QStringLiteral("tiger lily");
constexpr qint64 kChunk = kDefaultChunkSize;

// Opening must refuse; whatever reached the sink must be a prefix of the
// plaintext (only authenticated chunks are written).
void expectRefused(const QByteArray& sealedBytes, const QByteArray& plain, Status expected,
                   const Limits& limits = {}) {
    QByteArray out;
    const Result result = openBytes(sealedBytes, kPassword, &out, limits);
    EXPECT_EQ(result.status, expected) << words::sentence(result.failure).toStdString();
    EXPECT_TRUE(plain.startsWith(out)) << "unauthenticated bytes reached the sink";
}

TEST(SealedStream, RoundTripsAtAndAroundChunkAndBatchBoundaries) {
    // A batch holds 64 chunks, so 64 * kChunk is where the second thread's
    // second batch begins.
    const qint64 sizes[] = {0,          1,          kChunk - 1,      kChunk,
                            kChunk + 1, 2 * kChunk, 2 * kChunk + 1,  64 * kChunk - 1,
                            64 * kChunk, 64 * kChunk + 1, 9 * 1024 * 1024 + 123};
    unsigned seed = 1;
    for (const qint64 size : sizes) {
        const QByteArray plain = randomBytes(size, seed++);
        const QByteArray sealedBytes = sealBytes(plain, kPassword, fast());
        EXPECT_EQ(sealedBytes.size(), sealedSize(size)) << size;
        QByteArray out;
        const Result result = openBytes(sealedBytes, kPassword, &out);
        EXPECT_TRUE(result.ok()) << size << ": " << words::sentence(result.failure).toStdString();
        EXPECT_TRUE(out == plain) << size;
    }
}

TEST(SealedStream, EmptyInputIsAHeaderAndOneEmptyFinalChunk) {
    const QByteArray sealedBytes = sealBytes({}, kPassword, fast());
    ASSERT_EQ(sealedBytes.size(), kHeaderSize + kTagSize);
    MemorySource source(sealedBytes);
    RecordingSink sink;
    EXPECT_TRUE(open(source, sink, passwordKey(kPassword)).ok());
    EXPECT_EQ(sink.writes, 0);
}

TEST(SealedStream, ShortReadsAndProgressAcrossBatches) {
    const QByteArray plain = randomBytes(9 * 1024 * 1024 + 5, 3);
    UnevenSource source(plain);
    RecordingSink sink;
    RecordingProgress control;
    ASSERT_TRUE(seal(source, sink, passwordKey(kPassword), fast(), control).ok());
    ASSERT_GE(control.positions.size(), 3);
    EXPECT_TRUE(std::is_sorted(control.positions.begin(), control.positions.end()));
    EXPECT_EQ(control.last(), plain.size());

    UnevenSource sealedSource(sink.bytes);
    RecordingSink out;
    RecordingProgress openControl;
    ASSERT_TRUE(open(sealedSource, out, passwordKey(kPassword), {}, openControl).ok());
    EXPECT_TRUE(out.bytes == plain);
    EXPECT_EQ(openControl.last(), sink.bytes.size());
}

TEST(SealedStream, EveryFileHasItsOwnSaltAndNoncePrefix) {
    const QByteArray a = sealBytes("same", kPassword, fast());
    const QByteArray b = sealBytes("same", kPassword, fast());
    Header ha, hb;
    ASSERT_TRUE(parseHeader(reinterpret_cast<const unsigned char*>(a.constData()), a.size(), {},
                            &ha)
                    .ok());
    ASSERT_TRUE(parseHeader(reinterpret_cast<const unsigned char*>(b.constData()), b.size(), {},
                            &hb)
                    .ok());
    EXPECT_NE(ha.salt, hb.salt);
    EXPECT_NE(ha.noncePrefix, hb.noncePrefix);
    EXPECT_NE(a.mid(kHeaderSize), b.mid(kHeaderSize));
}

TEST(SealedStream, PasswordIsNormalisedToNfc) {
    const QString composed = QStringLiteral("caf\u00e9 na\u00efve");
    const QString decomposed = QStringLiteral("cafe\u0301 nai\u0308ve");
    ASSERT_NE(composed, decomposed);
    QByteArray out;
    EXPECT_TRUE(openBytes(sealBytes("x", composed, fast()), decomposed, &out).ok());
    EXPECT_TRUE(openBytes(sealBytes("y", decomposed, fast()), composed, &out).ok());
    EXPECT_EQ(out, "y");
    EXPECT_EQ(passwordBytes(decomposed), QByteArray("caf\xc3\xa9 na\xc3\xafve"));
}

TEST(SealedStream, WrongPasswordWritesNothing) {
    const QByteArray plain = randomBytes(3 * kChunk, 4);
    const QByteArray sealedBytes = sealBytes(plain, kPassword, fast());
    MemorySource source(sealedBytes);
    RecordingSink sink;
    const Result result = open(source, sink, passwordKey(QStringLiteral("tiger lilly")));
    EXPECT_EQ(result.status, Status::WrongPasswordOrDamaged);
    EXPECT_EQ(words::sentence(result.failure), "The password is wrong, or the file was changed or cut short.");
    EXPECT_EQ(sink.writes, 0);
}

TEST(SealedStream, EveryFlippedByteIsRefused) {
    const QByteArray plain = randomBytes(150, 5); // chunks of 64, 64 and 22 bytes
    const QByteArray sealedBytes = sealBytes(plain, kPassword, fast(64));
    // Low limits, so that a flipped parameter cannot ask for a costly derivation.
    const Limits limits{1 << 20, 4, 1 << 20};
    for (qsizetype i = 0; i < sealedBytes.size(); ++i) {
        for (const int bit : {0x01, 0x80}) {
            QByteArray changed = sealedBytes;
            changed[i] = static_cast<char>(changed[i] ^ bit);
            QByteArray out;
            const Result result = openBytes(changed, kPassword, &out, limits);
            EXPECT_FALSE(result.ok()) << "byte " << i << " bit " << bit;
            EXPECT_TRUE(out.isEmpty()) << "byte " << i;
        }
    }
}

TEST(SealedStream, TruncationAnywhereIsRefused) {
    const QByteArray plain = randomBytes(5 * 64 + 10, 6);
    const QByteArray sealedBytes = sealBytes(plain, kPassword, fast(64));
    for (qsizetype length = 0; length < sealedBytes.size(); ++length) {
        SCOPED_TRACE(length);
        expectRefused(sealedBytes.left(length), plain,
                      length < 8                ? Status::NotSealed
                      : length < kHeaderSize ? Status::Cut
                                                : Status::WrongPasswordOrDamaged);
    }
}

TEST(SealedStream, CutAfterAFullBatchKeepsOnlyAuthenticatedOutput) {
    const QByteArray plain = randomBytes(64 * kChunk + 1, 7);
    const QByteArray sealedBytes = sealBytes(plain, kPassword, fast());
    const QByteArray cut = sealedBytes.left(kHeaderSize + 64 * (kChunk + kTagSize));
    QByteArray out;
    EXPECT_EQ(openBytes(cut, kPassword, &out).status, Status::WrongPasswordOrDamaged);
    EXPECT_TRUE(out.isEmpty() || out == plain.left(64 * kChunk));
}

TEST(SealedStream, AppendedBytesAreRefused) {
    const QByteArray plain = randomBytes(2 * 64 + 10, 8);
    const QByteArray sealedBytes = sealBytes(plain, kPassword, fast(64));
    const QByteArray other = sealBytes(randomBytes(10, 9), kPassword, fast(64));
    for (const QByteArray& tail : {QByteArray(1, '\0'), QByteArray(16, 'x'), QByteArray(17, 'x'),
                                   QByteArray(80, 'x'), other.mid(kHeaderSize)}) {
        SCOPED_TRACE(tail.size());
        expectRefused(sealedBytes + tail, plain, Status::WrongPasswordOrDamaged);
    }
}

TEST(SealedStream, DroppedDuplicatedSwappedOrSplicedChunksAreRefused) {
    const QByteArray plain = randomBytes(4 * 64 + 10, 10);
    const QList<QByteArray> parts = records(sealBytes(plain, kPassword, fast(64)), 64);
    ASSERT_EQ(parts.size(), 6); // the header and five records
    const QList<QByteArray> foreign = records(sealBytes(plain, kPassword, fast(64)), 64);
    const auto join = [](QList<QByteArray> list) { return list.join(); };

    auto dropped = parts;
    dropped.removeAt(2);
    auto droppedFinal = parts;
    droppedFinal.removeLast();
    auto duplicated = parts;
    duplicated.insert(2, parts[2]);
    auto swapped = parts;
    swapped.swapItemsAt(1, 2);
    auto finalMoved = parts; // the final record earlier, a full one last
    finalMoved.swapItemsAt(4, 5);
    auto spliced = parts; // a record of another file with the same password
    spliced[3] = foreign[3];
    auto otherHeader = foreign;
    otherHeader[0] = parts[0];

    for (const auto& list : {dropped, droppedFinal, duplicated, swapped, finalMoved, spliced,
                             otherHeader}) {
        expectRefused(join(list), plain, Status::WrongPasswordOrDamaged);
    }
}

// Header fields at their offsets: opslimit 10, memlimit 14, salt 22, chunk
// size 38, nonce prefix 42.
TEST(SealedStream, ChangedHeaderFieldsAreRefused) {
    const QByteArray plain = randomBytes(100, 11); // one final chunk
    const QByteArray sealedBytes = sealBytes(plain, kPassword, fast(128));
    struct Change {
        int at;
        char value;
        Status expected;
    } changes[] = {
        {8, 2, Status::Unsupported},                // version
        {9, 2, Status::Unsupported},                // key derivation
        {10, 2, Status::WrongPasswordOrDamaged},    // 2 passes instead of 1
        {15, 0x24, Status::WrongPasswordOrDamaged}, // 9 KiB instead of 8
        {22, 0, Status::WrongPasswordOrDamaged},    // the salt
        {39, 1, Status::WrongPasswordOrDamaged},    // chunks of 384 bytes: still one chunk
        {56, 0, Status::WrongPasswordOrDamaged},    // the nonce prefix
    };
    for (const Change& change : changes) {
        QByteArray changed = sealedBytes;
        if (changed[change.at] == change.value)
            changed[change.at] = static_cast<char>(change.value + 1);
        else
            changed[change.at] = change.value;
        SCOPED_TRACE(change.at);
        expectRefused(changed, plain, change.expected);
    }
}

QByteArray withParams(quint64 memlimit, quint64 opslimit, qint64 chunkSize) {
    Header header = newHeader(fast());
    header.memlimit = memlimit;
    header.opslimit = opslimit;
    header.chunkSize = chunkSize;
    const HeaderBytes bytes = encodeHeader(header);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), kHeaderSize) +
           QByteArray(100, 'x');
}

TEST(SealedStream, ParametersOutsideTheLimitsAreRefusedBeforeAnyWork) {
    const quint64 min = crypto_pwhash_argon2id_MEMLIMIT_MIN;
    struct Case {
        QByteArray bytes;
        Status expected;
    } cases[] = {
        {withParams(quint64(1) << 40, 1, kChunk), Status::LimitsExceeded},
        {withParams((quint64(1) << 30) + 1024, 1, kChunk), Status::LimitsExceeded},
        {withParams(min, 11, kChunk), Status::LimitsExceeded},
        {withParams(min, 1, (qint64(1) << 20) + 1), Status::LimitsExceeded},
        {withParams(min / 2, 1, kChunk), Status::Unsupported},
        {withParams(min + 1, 1, kChunk), Status::Unsupported},
        {withParams(min, 0, kChunk), Status::Unsupported},
        {withParams(min, 1, kMinChunkSize - 1), Status::Unsupported},
    };
    for (const Case& c : cases) {
        UnevenSource source(c.bytes);
        RecordingSink sink;
        const Result result = open(source, sink, passwordKey(kPassword));
        EXPECT_EQ(result.status, c.expected) << words::sentence(result.failure).toStdString();
        // Nothing past the header was read, nothing written.
        EXPECT_EQ(source.position(), kHeaderSize);
        EXPECT_EQ(sink.writes, 0);
    }
    QByteArray out;
    EXPECT_EQ(words::sentence(openBytes(withParams(quint64(1) << 40, 1, kChunk), kPassword, &out).failure),
              "The file asks for 1048576 MiB of memory to derive its key; at most 1024 MiB are "
              "allowed.");
}

TEST(SealedStream, MemoryBeyondTheLimitIsNeverAllocated) {
    // Were the derivation run anyway, it would fill 512 MiB.
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    QByteArray out;
    const Result result = openBytes(withParams(quint64(512) << 20, 1, kChunk), kPassword, &out,
                                    Limits{quint64(64) << 20, 10, 1 << 20});
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_EQ(result.status, Status::LimitsExceeded);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 256 * 1024); // KiB
}

TEST(SealedStream, WriterRefusesParametersReadersWouldRefuse) {
    Params params = fast();
    params.memlimit = quint64(2) << 30;
    const QByteArray plain = "x";
    MemorySource source(plain);
    RecordingSink sink;
    EXPECT_EQ(seal(source, sink, passwordKey(kPassword), params).status, Status::LimitsExceeded);
    EXPECT_EQ(sink.writes, 0);
}

TEST(SealedStream, InputThatIsNotSealed) {
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("hello world, this is plain text and nothing else"),
          QByteArray("\"Tessera v2.0\"\r\n200\r\n"), QByteArray("\x89TSEAL\r", 7)}) {
        QByteArray out;
        EXPECT_EQ(openBytes(bytes, kPassword, &out).status, Status::NotSealed);
        EXPECT_FALSE(looksSealed(bytes));
    }
    EXPECT_TRUE(looksSealed(sealBytes({}, kPassword, fast()).left(8)));
}

TEST(SealedStream, ReadAndWriteFailuresCarryTheirCause) {
    const QByteArray plain = randomBytes(9 * 1024 * 1024, 12);
    UnevenSource failingInput(plain, 5 * 1024 * 1024);
    RecordingSink sink;
    Result result = seal(failingInput, sink, passwordKey(kPassword), fast());
    EXPECT_EQ(result.status, Status::ReadFailed);
    EXPECT_EQ(words::sentence(result.failure), "Input/output error");

    const QByteArray sealedBytes = sealBytes(plain, kPassword, fast());
    MemorySource source(sealedBytes);
    RecordingSink fullDisk(6 * 1024 * 1024);
    result = open(source, fullDisk, passwordKey(kPassword));
    EXPECT_EQ(result.status, Status::WriteFailed);
    EXPECT_EQ(words::sentence(result.failure), "No space left on device");

    UnevenSource failingSealed(sealedBytes, kHeaderSize + 100);
    RecordingSink out;
    EXPECT_EQ(open(failingSealed, out, passwordKey(kPassword)).status, Status::ReadFailed);
}

TEST(SealedStream, CancelBeforeTheKeyAndBetweenBatches) {
    const QByteArray plain = randomBytes(40 * 1024 * 1024, 13);
    for (const bool atOnce : {true, false}) {
        MemorySource source(plain);
        RecordingSink sink;
        RecordingProgress control;
        // Before the key, nothing written; after the first batch, not the rest.
        if (atOnce)
            control.cancel();
        else
            control.onPosition = [&](qint64) { control.cancel(); };
        EXPECT_EQ(seal(source, sink, passwordKey(kPassword), fast(), control).status, Status::Cancelled);
        if (atOnce) {
            EXPECT_EQ(sink.bytes.size(), 0);
        } else {
            EXPECT_GE(sink.bytes.size(), kHeaderSize + 64 * (kChunk + kTagSize));
            EXPECT_LT(sink.bytes.size(), sealedSize(plain.size()));
        }
    }
}

} // namespace
