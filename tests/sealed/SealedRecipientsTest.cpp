// Files sealed to people: round trips to one and many recipients, and every
// way a header can be wrong, refused with nothing written.

#include "RecipientsTestSupport.h"
#include "tests/support/Files.h"
#include "words/Describe.h"

#include <algorithm>
#include <cstring>
#include <sodium.h>

using namespace recipientstest;

namespace {

using testsupport::randomBytes;

TEST(SealedRecipients, EveryRecipientOpensWhatWasSealedToThem) {
    const QList<Identity> people = newIdentities(3);
    const qint64 chunk = 1024;
    const qint64 sizes[] = {0, 1, chunk - 1, chunk, chunk + 1, 300 * chunk + 17};
    unsigned seed = 1;
    for (const qint64 size : sizes) {
        const QByteArray plain = randomBytes(size, seed++);
        const QByteArray sealedBytes = sealTo(plain, recipientsOf(people), chunk);
        EXPECT_EQ(sealedBytes.size(),
                  recipientsHeaderSize(3) + sealedSize(size, chunk) - kHeaderSize)
            << size;
        for (const Identity& person : people) {
            QByteArray out;
            const Result result = openWith(sealedBytes, {person}, &out);
            ASSERT_TRUE(result.ok()) << size << ": " << words::sentence(result.failure).toStdString();
            EXPECT_TRUE(out == plain) << size;
        }
    }
}

// A reader's limits bound the chunk size; the key settings of the password
// kind do not apply, however low.
TEST(SealedRecipients, OnlyTheChunkSizeIsBoundedByTheLimits) {
    const Identity me = newIdentity();
    const QByteArray plain = randomBytes(3000, 8);
    const QByteArray sealedBytes = sealTo(plain, {me.recipient()}, 1024);
    for (const Limits& limits : {Limits{64 * 1024, 1, 1024}, Limits{0, 0, 1023}}) {
        MemorySource source(sealedBytes);
        QByteArray out;
        ByteArraySink sink(&out);
        base::Progress quiet;
        const Result result = openWithIdentities(source, sink, {me}, limits, quiet);
        const bool fits = limits.maxChunkSize >= 1024;
        EXPECT_EQ(result.status, fits ? Status::Ok : Status::LimitsExceeded)
            << words::sentence(result.failure).toStdString();
        EXPECT_EQ(out, fits ? plain : QByteArray());
    }
}

TEST(SealedRecipients, AnyOfSeveralIdentitiesOpens) {
    const QList<Identity> mine = newIdentities(3);
    const QByteArray plain = randomBytes(5000, 9);
    for (int sealedTo = 0; sealedTo < mine.size(); ++sealedTo) {
        const QByteArray sealedBytes =
            sealTo(plain, {newIdentity().recipient(), mine[sealedTo].recipient()});
        QByteArray out;
        ASSERT_TRUE(openWith(sealedBytes, mine, &out).ok()) << sealedTo;
        EXPECT_TRUE(out == plain);
    }
}

TEST(SealedRecipients, TheSameInputSealsDifferentlyEachTime) {
    const Identity me = newIdentity();
    const QByteArray plain = randomBytes(100, 1);
    EXPECT_NE(sealTo(plain, {me.recipient()}), sealTo(plain, {me.recipient()}));
}

// One header changed by a case; what opening it must give.
struct Refusal {
    const char* name;
    std::function<void(QByteArray*)> change;
    Status expected;
};

TEST(SealedRecipients, RefusalsLeaveTheOutputEmpty) {
    const Identity me = newIdentity();
    const Identity other = newIdentity();
    const QByteArray plain = randomBytes(3000, 4);
    const QByteArray sealedBytes = sealTo(plain, {other.recipient(), me.recipient()});
    const QByteArray lone = sealTo(plain, {me.recipient()});
    const qint64 entries = kRecipientsFixedSize;
    const qint64 mac = recipientsHeaderSize(2) - kHeaderMacSize;
    const Refusal cases[] = {
        {"drop the other's entry",
         [&](QByteArray* b) {
             b->remove(entries, kEntrySize);
             setEntryCount(b, 1);
         },
         Status::WrongPasswordOrDamaged},
        {"drop my entry",
         [&](QByteArray* b) {
             b->remove(entries + kEntrySize, kEntrySize);
             setEntryCount(b, 1);
         },
         Status::NotForThisIdentity},
        {"repeat my entry",
         [&](QByteArray* b) {
             b->insert(mac, b->mid(entries + kEntrySize, kEntrySize));
             setEntryCount(b, 3);
         },
         Status::WrongPasswordOrDamaged},
        {"add a stranger's entry from another file",
         [&](QByteArray* b) {
             const QByteArray foreign = sealTo(plain, {newIdentity().recipient()});
             b->insert(mac, foreign.mid(entries, kEntrySize));
             setEntryCount(b, 3);
         },
         Status::WrongPasswordOrDamaged},
        {"swap the two entries",
         [&](QByteArray* b) {
             const QByteArray first = b->mid(entries, kEntrySize);
             b->remove(entries, kEntrySize);
             b->insert(entries + kEntrySize, first);
         },
         Status::WrongPasswordOrDamaged},
        {"my entry moved into a file with another key",
         [&](QByteArray* b) {
             *b = lone;
             b->replace(entries, kEntrySize, sealedBytes.mid(entries + kEntrySize, kEntrySize));
         },
         Status::WrongPasswordOrDamaged},
        {"a low-order ephemeral key (zero)",
         [&](QByteArray* b) { b->replace(entries, kX25519KeySize, QByteArray(32, '\0')); },
         Status::WrongPasswordOrDamaged},
        {"a low-order ephemeral key (one)",
         [&](QByteArray* b) {
             b->replace(entries + kEntrySize, kX25519KeySize, QByteArray(1, 1) + QByteArray(31, 0));
         },
         Status::WrongPasswordOrDamaged},
        {"no entry", [&](QByteArray* b) { setEntryCount(b, 0); }, Status::WrongPasswordOrDamaged},
        {"more entries than a reader tries",
         [&](QByteArray* b) { setEntryCount(b, kMaxRecipients + 1); }, Status::LimitsExceeded},
        {"all entries a count allows", [&](QByteArray* b) { setEntryCount(b, 0xFFFF); },
         Status::LimitsExceeded},
        {"cut inside the MAC", [&](QByteArray* b) { b->truncate(mac + 5); }, Status::Cut},
        {"cut inside the fixed part", [&](QByteArray* b) { b->truncate(20); }, Status::Cut},
        {"cut after the header", [&](QByteArray* b) { b->truncate(mac + kHeaderMacSize); },
         Status::WrongPasswordOrDamaged},
        {"a later version", [&](QByteArray* b) { (*b)[8] = 3; }, Status::Unsupported},
        {"an unknown kind of entry", [&](QByteArray* b) { (*b)[9] = 2; }, Status::Unsupported},
        {"a chunk size beyond the limits", [&](QByteArray* b) { (*b)[13] = 0x40; },
         Status::LimitsExceeded},
        {"the password kind", [&](QByteArray* b) { (*b)[8] = 1; }, Status::NeedsPassword},
    };
    for (const Refusal& c : cases) {
        QByteArray changed = sealedBytes;
        c.change(&changed);
        QByteArray out;
        const Result result = openWith(changed, {me}, &out);
        EXPECT_EQ(result.status, c.expected) << c.name << ": " << words::sentence(result.failure).toStdString();
        EXPECT_TRUE(out.isEmpty()) << c.name;
    }
}

// Hands out the header, then fails: a refusal must come from the header alone.
class HeaderOnlySource final : public Source {
public:
    explicit HeaderOnlySource(const QByteArray& bytes) : m_bytes(bytes) {}
    qint64 read(char* data, qint64 size) override {
        const qint64 n = std::min(size, m_bytes.size() - m_pos);
        if (n <= 0)
            return -1;
        std::memcpy(data, m_bytes.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    QString errorString() const override { return QStringLiteral("the records were read"); }

private:
    QByteArray m_bytes;
    qint64 m_pos = 0;
};

TEST(SealedRecipients, AChangedListIsRefusedBeforeAnyRecordIsRead) {
    const Identity me = newIdentity();
    const QByteArray sealedBytes = sealTo("text", {me.recipient(), newIdentity().recipient()});
    QByteArray dropped = sealedBytes.left(recipientsHeaderSize(2));
    dropped.remove(kRecipientsFixedSize + kEntrySize, kEntrySize);
    setEntryCount(&dropped, 1);
    QByteArray added = sealedBytes.left(recipientsHeaderSize(2));
    added.insert(kRecipientsFixedSize, added.mid(kRecipientsFixedSize + kEntrySize, kEntrySize));
    setEntryCount(&added, 3);
    for (const QByteArray& header : {dropped, added}) {
        HeaderOnlySource source(header);
        QByteArray out;
        ByteArraySink sink(&out);
        base::Progress quiet;
        const Result result = openWithIdentities(source, sink, {me}, {}, quiet);
        EXPECT_EQ(result.status, Status::WrongPasswordOrDamaged) << words::sentence(result.failure).toStdString();
    }
}

TEST(SealedRecipients, StrangersAndNobodyAreRefused) {
    const QByteArray sealedBytes = sealTo("secret", recipientsOf(newIdentities(2)));
    QByteArray out;
    EXPECT_EQ(openWith(sealedBytes, {newIdentity()}, &out).status, Status::NotForThisIdentity);
    EXPECT_EQ(openWith(sealedBytes, newIdentities(3), &out).status, Status::NotForThisIdentity);
    EXPECT_EQ(openWith(sealedBytes, {}, &out).status, Status::NeedsIdentity);
    EXPECT_TRUE(out.isEmpty());
}

// Every byte of the header, changed in several ways, is caught before any
// record is opened: a MAC, an entry or a field refuses it.
TEST(SealedRecipients, EveryHeaderByteChangedIsRefused) {
    const Identity me = newIdentity();
    const QByteArray plain = randomBytes(200, 5);
    const QByteArray sealedBytes = sealTo(plain, {newIdentity().recipient(), me.recipient()});
    int refused = 0;
    for (qint64 at = 0; at < recipientsHeaderSize(2); ++at) {
        for (const int flip : {0x01, 0x10, 0x80, 0xFF}) {
            QByteArray changed = sealedBytes;
            changed[at] = static_cast<char>(changed[at] ^ flip);
            QByteArray out;
            const Result result = openWith(changed, {me}, &out);
            EXPECT_FALSE(result.ok()) << "byte " << at << " ^ " << flip;
            EXPECT_TRUE(out.isEmpty()) << "byte " << at << " ^ " << flip;
            refused += !result.ok() && out.isEmpty();
        }
    }
    EXPECT_EQ(refused, recipientsHeaderSize(2) * 4);
}

TEST(SealedRecipients, WritersRefuseWhatReadersWouldNot) {
    QList<PublicKey> tooMany;
    for (int i = 0; i <= kMaxRecipients; ++i)
        tooMany.append(newIdentity().recipient());
    const PublicKey lowOrder{};
    struct Case {
        const char* name;
        QList<PublicKey> recipients;
        qint64 chunk;
        Status expected;
    } cases[] = {
        {"nobody", {}, kDefaultChunkSize, Status::Unsupported},
        {"more than a reader tries", tooMany, kDefaultChunkSize, Status::LimitsExceeded},
        {"a low-order recipient", {lowOrder}, kDefaultChunkSize, Status::Unsupported},
        {"a chunk too small", {tooMany[0]}, kMinChunkSize - 1, Status::Unsupported},
    };
    for (const Case& c : cases) {
        const QByteArray text = QByteArrayLiteral("text");
        MemorySource source(text);
        QByteArray out;
        ByteArraySink sink(&out);
        base::Progress quiet;
        Params params;
        params.chunkSize = c.chunk;
        EXPECT_EQ(sealToRecipients(source, sink, c.recipients, params, quiet).status, c.expected)
            << c.name;
        EXPECT_TRUE(out.isEmpty()) << c.name;
    }
    tooMany.removeLast();
    const QByteArray full = sealTo("x", tooMany);
    QByteArray out;
    EXPECT_EQ(entryCountOf(full), kMaxRecipients);
    EXPECT_EQ(openWith(full, {newIdentity()}, &out).status, Status::NotForThisIdentity);
}

TEST(SealedRecipients, EitherKindOpensWithWhatItNeeds) {
    const Identity me = newIdentity();
    const QByteArray toMe = sealTo("to me", {me.recipient()});
    QByteArray withPassword;
    {
        const QByteArray text = QByteArrayLiteral("with a password");
        MemorySource source(text);
        ByteArraySink sink(&withPassword);
        ASSERT_TRUE(seal(source, sink, passwordKey(QStringLiteral("pw")), Params::fastest()).ok());
    }
    struct Case {
        const char* name;
        const QByteArray& input;
        Opener opener;
        Status expected;
    } cases[] = {
        {"recipients, identity", toMe, {std::nullopt, {me}}, Status::Ok},
        {"recipients, password only",
         toMe,
         {passwordKey(QStringLiteral("pw")), {}},
         Status::NeedsIdentity},
        {"password, password", withPassword, {passwordKey(QStringLiteral("pw")), {me}}, Status::Ok},
        {"password, identity only", withPassword, {std::nullopt, {me}}, Status::NeedsPassword},
        {"password, wrong password",
         withPassword,
         {passwordKey(QStringLiteral("px")), {}},
         Status::WrongPasswordOrDamaged},
    };
    for (const Case& c : cases) {
        MemorySource source(c.input);
        QByteArray out;
        ByteArraySink sink(&out);
        base::Progress quiet;
        const Result result = openEither(source, sink, c.opener, {}, quiet);
        EXPECT_EQ(result.status, c.expected) << c.name << ": " << words::sentence(result.failure).toStdString();
        EXPECT_EQ(out.isEmpty(), c.expected != Status::Ok) << c.name;
    }
}

} // namespace
