// The fast records and libsodium's own function make the same bytes and open
// each other's, on every size class, both ways; a changed byte is refused.

#include "SealedTestSupport.h"
#include "sealed/Records.h"

#include <sodium.h>

using namespace sealedtest;

TEST(SealedRecords, TheFastPathAndLibsodiumAgreeOnEverySizeClass) {
    ASSERT_TRUE(sodiumReady());
    std::array<unsigned char, 32> key{};
    std::array<unsigned char, kRecordNonceSize> nonce{};
    randombytes_buf(key.data(), key.size());
    randombytes_buf(nonce.data(), nonce.size());
    const QByteArray ad = randomBytes(kHeaderSize, 4);
    const auto* adBytes = reinterpret_cast<const unsigned char*>(ad.constData());
    for (const qint64 size : {0, 1, 15, 16, 17, 63, 64, 65, 4095, 4096, 65535, 65536, 65537,
                              1 << 20}) {
        SCOPED_TRACE(size);
        const QByteArray plain = randomBytes(size, unsigned(size));
        QByteArray sodium(size + kTagSize, Qt::Uninitialized);
        unsigned long long sealedLength = 0;
        crypto_aead_xchacha20poly1305_ietf_encrypt(
            reinterpret_cast<unsigned char*>(sodium.data()), &sealedLength,
            reinterpret_cast<const unsigned char*>(plain.constData()), size_t(size), adBytes,
            size_t(ad.size()), nullptr, nonce.data(), key.data());
        ASSERT_EQ(qint64(sealedLength), size + kTagSize);

        QByteArray fast = plain + QByteArray(kTagSize, '\0');
        auto* fastBytes = reinterpret_cast<unsigned char*>(fast.data());
        ASSERT_TRUE(sealRecord(key.data(), nonce.data(), adBytes, size_t(ad.size()), fastBytes,
                               size_t(size)));
        EXPECT_TRUE(fast == sodium) << "sealed alike";

        for (const RecordEngine engine : {RecordEngine::Fastest, RecordEngine::Sodium}) {
            QByteArray record = sodium;
            auto* bytes = reinterpret_cast<unsigned char*>(record.data());
            ASSERT_TRUE(openRecord(key.data(), nonce.data(), adBytes, size_t(ad.size()), bytes,
                                   size_t(record.size()), engine));
            EXPECT_TRUE(record.left(size) == plain) << "opened alike";
            QByteArray changed = sodium;
            changed[changed.size() / 2] = char(changed[changed.size() / 2] ^ 1);
            EXPECT_FALSE(openRecord(key.data(), nonce.data(), adBytes, size_t(ad.size()),
                                    reinterpret_cast<unsigned char*>(changed.data()),
                                    size_t(changed.size()), engine))
                << "a changed byte is refused";
        }
    }
    RecordProperty("libcrypto", fastRecordsAvailable() ? "yes" : "no");
}
