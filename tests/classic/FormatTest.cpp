// The format's own rules: tags, key positions, junk values, line formats.

#include "classic/CodePage.h"
#include "classic/MessageFormat.h"

#include <gtest/gtest.h>
#include <vector>

using namespace classic;

TEST(FormatTag, WriterAppendsPicBeforeJb) {
    EXPECT_EQ(formatTag(false, false), "Tessera v2.0");
    EXPECT_EQ(formatTag(true, false), "Tessera v2.0 PIC");
    EXPECT_EQ(formatTag(false, true), "Tessera v2.0 JB");
    EXPECT_EQ(formatTag(true, true), "Tessera v2.0 PIC JB");
}

TEST(FormatTag, ReaderKnowsEightTagsExactly) {
    struct Case {
        const char* tag;
        bool pic;
        bool junk;
    } cases[] = {
        {"Tessera v2.0", false, false},        {"Tessera v2.0 PIC", true, false},
        {"Tessera v2.0 JB", false, true},      {"Tessera v2.0 PIC JB", true, true},
        {"Tessera v2.0 PIC L", true, false},   {"Tessera v2.0 JB L", false, true},
        {"Tessera v2.0 PIC JB L", true, true}, {"Tessera v1.0", false, false},
        // Anything else means the password alone and no junk.
        {"Tessera v2.0 L", false, false},      {"tessera v2.0 PIC", false, false},
        {"Tessera v2.0  PIC", false, false},   {"Tessera v2.0 JB PIC", false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        const TagMeaning meaning = interpretTag(c.tag);
        EXPECT_EQ(meaning.pic, c.pic) << c.tag;
        EXPECT_EQ(meaning.junk, c.junk) << c.tag;
    }
}

TEST(KeyStream, PositionsRunOneToLThenTwoToL) {
    KeyStream key("abc");
    std::vector<int> codes;
    for (int i = 0; i < 8; ++i)
        codes.push_back(key.next());
    // a b c, then b c, b c, b: the first character serves the first character only.
    EXPECT_EQ(codes, (std::vector<int>{'a', 'b', 'c', 'b', 'c', 'b', 'c', 'b'}));
}

TEST(KeyStream, OneCharacterKeyKeepsItsCode) {
    KeyStream key("x");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(key.next(), 'x');
}

TEST(KeyStream, EmptyKeyGivesZero) {
    KeyStream key("");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(key.next(), 0);
}

TEST(KeyStream, PicKeyRunsOverThePasswordThenTheCode) {
    KeyStream key(formKey("ab", true));
    QByteArray seen;
    for (int i = 0; i < 15; ++i)
        seen.append(static_cast<char>(key.next()));
    EXPECT_EQ(seen, QByteArray("abPIC52907316bP"));
}

TEST(JunkRegister, FollowsTheDocumentedSequences) {
    JunkRegister from200(200);
    std::vector<int> got;
    for (int i = 0; i < 11; ++i)
        got.push_back(from200.next());
    EXPECT_EQ(got, (std::vector<int>{187, 174, 161, 148, 135, 122, 109, 96, 357, 344, 331}));

    JunkRegister from50(50);
    EXPECT_EQ(from50.next(), 265);
    EXPECT_EQ(from50.next(), 252);
    EXPECT_EQ(from50.next(), 239);
}

TEST(JunkRegister, StaysWithinItsRangeForEverySeed) {
    for (int seed = 0; seed < 256; ++seed) {
        JunkRegister junk(seed);
        for (int i = 0; i < 400; ++i) {
            const int v = junk.next();
            ASSERT_GE(v, 87) << "seed " << seed;
            ASSERT_LE(v, 363) << "seed " << seed;
        }
    }
}

TEST(LineFormat, TextAndNumberLinesEndInCrLf) {
    QByteArray out;
    appendTextLine(out, "Tessera v2.0 PIC");
    appendNumberLine(out, 0);
    appendNumberLine(out, 510);
    appendNumberLine(out, -42);
    EXPECT_EQ(out, QByteArray("\"Tessera v2.0 PIC\"\r\n0\r\n510\r\n-42\r\n"));
}

TEST(LineFormat, TextBoxLineBreaksBecomeCrLf) {
    EXPECT_EQ(toMessageLineEnds(QStringLiteral("a\nb\n")), QStringLiteral("a\r\nb\r\n"));
}

TEST(CodePage, EveryCodeDecodesAndEncodesBack) {
    for (int code = 0; code < 256; ++code) {
        const QChar ch = codepage::decode(static_cast<quint8>(code));
        const auto back = codepage::encode(ch.unicode());
        ASSERT_TRUE(back.has_value()) << code;
        EXPECT_EQ(*back, code);
    }
    EXPECT_EQ(codepage::decode(0x80), QChar(0x20AC)); // the euro sign
    EXPECT_EQ(*codepage::encode(U'\u2019'), 0x92);
}

TEST(CodePage, FindsTheFirstCharacterOutsideThePage) {
    EXPECT_FALSE(codepage::firstUnmappable(QStringLiteral("Grüße, 10 € ‘quoted’")));
    EXPECT_EQ(*codepage::firstUnmappable(QStringLiteral("ok \u0100 \u4E2D")), U'\u0100');
    // A character beyond the basic plane is named whole, not by half.
    EXPECT_EQ(*codepage::firstUnmappable(QString::fromUtf8("a\xF0\x9F\x98\x80")), U'\U0001F600');
    // C1 controls other than the page's five undefined codes have no code.
    EXPECT_TRUE(codepage::firstUnmappable(QString(QChar(0x80))).has_value());
    EXPECT_TRUE(codepage::describe(U'\u4E2D').contains(QStringLiteral("U+4E2D")));
}
