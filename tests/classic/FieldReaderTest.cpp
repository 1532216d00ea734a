// The reading rules of message files and the scratch file.

#include "classic/FieldReader.h"

#include <QBuffer>
#include <gtest/gtest.h>

using classic::FieldReader;

TEST(FieldReader, QuotedFieldEndsAtTheNextQuote) {
    FieldReader r(QByteArray("\"Tessera v2.0, PIC\"\r\n12\r\n"));
    EXPECT_EQ(r.readText(), "Tessera v2.0, PIC");
    EXPECT_EQ(r.readNumber(), 12);
    EXPECT_TRUE(r.atEnd());
}

TEST(FieldReader, UnquotedFieldEndsAtCommaOrLineEnd) {
    FieldReader r(QByteArray("Tessera v2.0\r\n1,2, 3\n4\r5\r\n"));
    EXPECT_EQ(r.readText(), "Tessera v2.0");
    for (int expected : {1, 2, 3, 4, 5})
        EXPECT_EQ(r.readNumber(), expected);
    EXPECT_TRUE(r.atEnd());
}

TEST(FieldReader, LeadingSpacesAreSkipped) {
    FieldReader r(QByteArray("   \"tag\"\r\n   -7  \r\n"));
    EXPECT_EQ(r.readText(), "tag");
    EXPECT_EQ(r.readNumber(), -7);
}

TEST(FieldReader, TextAfterTheClosingQuoteIsDropped) {
    FieldReader r(QByteArray("\"tag\" trailing,9\r\n"));
    EXPECT_EQ(r.readText(), "tag");
    EXPECT_EQ(r.readNumber(), 9);
}

TEST(FieldReader, QuotedFieldWithoutClosingQuoteRunsToTheEnd) {
    FieldReader r(QByteArray("\"Tessera v2.0\r\n169\r\n203\r\n"));
    EXPECT_EQ(r.readText(), "Tessera v2.0\r\n169\r\n203\r\n");
    EXPECT_TRUE(r.atEnd());
}

TEST(FieldReader, NumbersOutsideSixteenBitsOrNotNumbersAreRejected) {
    FieldReader r(QByteArray("32767,-32768,32768,-32769,12a,abc,,+5,1 2,99999999999999999999\r\n"));
    EXPECT_EQ(r.readNumber(), 32767);
    EXPECT_EQ(r.readNumber(), -32768);
    EXPECT_EQ(r.readNumber(), std::nullopt);
    EXPECT_EQ(r.readNumber(), std::nullopt);
    EXPECT_EQ(r.readNumber(), std::nullopt);
    EXPECT_EQ(r.readNumber(), std::nullopt);
    EXPECT_EQ(r.readNumber(), std::nullopt); // the empty field
    EXPECT_EQ(r.readNumber(), 5);
    EXPECT_EQ(r.readNumber(), std::nullopt);
    EXPECT_EQ(r.readNumber(), std::nullopt);
    EXPECT_TRUE(r.atEnd());
}

TEST(FieldReader, KeepsOnlyABoundedPrefixOfAHugeField) {
    QByteArray data(3 * 1024 * 1024, '7');
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    FieldReader r(&buffer);
    EXPECT_EQ(r.readText(64).size(), 64);
    EXPECT_TRUE(r.atEnd());
}

TEST(FieldReader, StreamsAcrossChunkBoundaries) {
    // Fields straddle the reader's 64 KiB chunks.
    QByteArray data;
    for (int i = 0; i < 40000; ++i)
        data += QByteArray::number(i % 500) + "\r\n";
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    FieldReader r(&buffer);
    for (int i = 0; i < 40000; ++i)
        ASSERT_EQ(r.readNumber(), i % 500) << i;
    EXPECT_TRUE(r.atEnd());
}
