// Sealed passwords rated by zxcvbn, as a time to guess at the key
// derivation's cost.

#include "sealed/Strength.h"

#include "words/Describe.h"

#include <gtest/gtest.h>

namespace {

using namespace sealed;
using Level = Strength::Level;

TEST(SealedStrength, CommonPasswordsAreWeakAndLongRandomOnesStrong) {
    const struct {
        const char* password;
        Level level;
    } cases[] = {
        {"", Level::VeryWeak},
        {"password", Level::VeryWeak},
        {"hunter2", Level::VeryWeak},
        {"qwerty123", Level::VeryWeak},
        {"correct horse battery staple", Level::VeryStrong},
        {"ZVa3-k9Qe-7mWp-Lr2t", Level::VeryStrong},
    };
    for (const auto& c : cases) {
        const std::optional<Strength> strength = passwordStrength(QString::fromUtf8(c.password));
        ASSERT_TRUE(strength.has_value()) << "this build rates passwords";
        EXPECT_EQ(strength->level, c.level) << c.password << ": " << strength->bits << " bits";
        EXPECT_EQ(strength->weak(), c.level <= Level::Weak) << c.password;
    }
    // Longer is never weaker, and a password far past the rated length is
    // rated without delay.
    const double shorter = passwordStrength(QStringLiteral("Tr0ub4dor&3"))->bits;
    EXPECT_GT(passwordStrength(QStringLiteral("Tr0ub4dor&3 x7"))->bits, shorter);
    QString longest;
    for (int i = 0; i < 30000; ++i)
        longest += QLatin1Char('a' + i * 7 % 26);
    EXPECT_EQ(passwordStrength(longest)->level, Level::VeryStrong);
    EXPECT_EQ(passwordStrength(QString(30000, QLatin1Char('q')))->level, Level::VeryWeak)
        << "a repeated character is guessed at once, however long";
}

TEST(SealedStrength, TimesAreGivenInPlainWords) {
    const struct {
        double seconds;
        const char* words;
    } cases[] = {
        {0.2, "less than a second"},
        {1.4, "about 1 second"},
        {90, "about 2 minutes"},
        {3 * 3600, "about 3 hours"},
        {3 * 86400, "about 3 days"},
        {200 * 86400, "about 7 months"},
        {40 * 365 * 86400.0, "about 40 years"},
        {186 * 365 * 86400.0, "about 186 years"},
        {1.05e4 * 365 * 86400.0, "thousands of years"},
        {1e30, "over a million years"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(words::duration(c.seconds), QString::fromLatin1(c.words)) << c.seconds;
    Strength weak;
    weak.level = Level::Weak;
    weak.seconds = 3 * 86400;
    EXPECT_EQ(words::strength(weak), QStringLiteral("Weak: about 3 days to guess"));
}

} // namespace
