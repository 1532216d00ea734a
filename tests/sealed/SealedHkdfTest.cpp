// HKDF-SHA-256 on both engines against RFC 5869's test cases 1 to 3.

#include "sealed/Hkdf.h"

#include <QByteArray>
#include <gtest/gtest.h>

using namespace sealed;

namespace {

QByteArray run(const QByteArray& from, qsizetype to) {
    QByteArray out;
    for (qsizetype i = 0; i < to - from.toInt(nullptr, 16); ++i)
        out += static_cast<char>(from.toInt(nullptr, 16) + i);
    return out;
}

ByteView bytes(const QByteArray& b) {
    return {reinterpret_cast<const unsigned char*>(b.constData()), size_t(b.size())};
}

struct Case {
    const char* name;
    QByteArray ikm, salt, info;
    QByteArray okm; // hex, as RFC 5869 gives it
};

const Case kCases[] = {
    {"rfc5869-1", QByteArray(22, 0x0b), run("00", 0x0d), run("f0", 0xfa),
     "3cb25f25faacd57a90434f64d0362f2a2d2d0a90cf1a5a4c5db02d56ecc4c5bf34007208d5b887185865"},
    {"rfc5869-2", run("00", 0x50), run("60", 0xb0), run("b0", 0x100),
     "b11e398dc80327a1c8e7f78c596a49344f012eda2d4efad8a050cc4c19afa97c59045a99cac7827271cb41c65e5"
     "90e09da3275600c2f09b8367793a9aca3db71cc30c58179ec3e87c14c01d5c1f3434f1d87"},
    {"rfc5869-3",
     QByteArray(22, 0x0b),
     {},
     {},
     "8da4e775a563c18f715f802a063c5a31b8a11f5c5ee1879ec3454e5f3c738d2d9d201395faa4b61a96c8"},
};

TEST(SealedHkdf, Rfc5869CasesOnBothEngines) {
    for (const HkdfEngine engine : {HkdfEngine::Fastest, HkdfEngine::Sodium}) {
        for (const Case& c : kCases) {
            const QByteArray expected = QByteArray::fromHex(c.okm);
            QByteArray out(expected.size(), '\0');
            ASSERT_TRUE(
                hkdfSha256({reinterpret_cast<unsigned char*>(out.data()), size_t(out.size())},
                           bytes(c.ikm), bytes(c.salt), bytes(c.info), engine))
                << c.name;
            EXPECT_EQ(out.toHex(), expected.toHex()) << c.name << " engine " << int(engine);
        }
    }
}

TEST(SealedHkdf, RefusesMoreThan255BlocksAndWipesTheOutput) {
    for (const HkdfEngine engine : {HkdfEngine::Fastest, HkdfEngine::Sodium}) {
        QByteArray out(255 * 32 + 1, 'x');
        EXPECT_FALSE(hkdfSha256({reinterpret_cast<unsigned char*>(out.data()), size_t(out.size())},
                                bytes("key"), {}, {}, engine));
        EXPECT_EQ(out, QByteArray(out.size(), '\0'));
    }
}

} // namespace
