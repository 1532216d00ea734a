// Files sealed once, with the default parameters, and kept: every later
// version must still open them to the same plaintext. data/README.md tells how
// they were made.

#include "SealedTestSupport.h"
#include "tests/support/Files.h"
#include "words/Describe.h"

#include <QFile>

using namespace sealedtest;

namespace {

const QString kVectorPassword = QStringLiteral("Tessera vector \u00e9");

QByteArray dataFile(const char* name) {
    const QByteArray bytes =
        testsupport::readAll(QStringLiteral(TESSERA_SEALED_DATA "/") + QLatin1String(name));
    EXPECT_FALSE(bytes.isEmpty()) << name;
    return bytes;
}

// Two chunks: a full one and 100 bytes.
QByteArray vectorPlaintext() {
    QByteArray out(kDefaultChunkSize + 100, Qt::Uninitialized);
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>((i * 131 + (i >> 8)) & 0xFF);
    return out;
}

TEST(SealedVectors, StoredFileStillOpens) {
    const QByteArray sealedBytes = dataFile("vector.sealed");
    Header header;
    ASSERT_TRUE(parseHeader(reinterpret_cast<const unsigned char*>(sealedBytes.constData()),
                            sealedBytes.size(), {}, &header)
                    .ok());
    EXPECT_EQ(header.memlimit, kDefaultMemlimit);
    EXPECT_EQ(header.opslimit, kDefaultOpslimit);
    EXPECT_EQ(header.chunkSize, kDefaultChunkSize);
    QByteArray out;
    const Result result = openBytes(sealedBytes, kVectorPassword, &out);
    ASSERT_TRUE(result.ok()) << words::sentence(result.failure).toStdString();
    EXPECT_TRUE(out == vectorPlaintext());
}

TEST(SealedVectors, StoredMessageStillOpens) {
    QString text;
    const Result result = openMessage(dataFile("vector-message.txt"), kVectorPassword, &text);
    ASSERT_TRUE(result.ok()) << words::sentence(result.failure).toStdString();
    EXPECT_EQ(text, QStringLiteral("Sealed test vector \u00e9 \u4e2d\u6587 \U0001F600\r\n"
                                   "Second line\r\n"));
}

} // namespace
