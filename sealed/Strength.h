#pragma once

// How long a password would hold against guessing, for the sealed format,
// whose key is only as strong as its password. The estimate is zxcvbn's (the
// estimator other password tools use), turned into a time at the cost of the
// key derivation. The classic formats get none: their password does not
// protect them anyway.

#include <QString>
#include <optional>

namespace sealed {

// An attacker with a rack of machines: a thousand cores, each deriving some ten
// keys a second at the default cost (Argon2id, 64 MiB, 3 passes).
inline constexpr double kGuessesPerSecond = 1e4;

struct Strength {
    enum class Level { VeryWeak, Weak, Fair, Strong, VeryStrong };
    Level level = Level::VeryWeak;
    double bits = 0;    // zxcvbn's estimate: log2 of the guesses it needs
    double seconds = 0; // the time to find it, on average, at kGuessesPerSecond

    // Less than a year to guess: worth a warning.
    bool weak() const { return level <= Level::Weak; }
};

// Nothing when this build has no estimator (zxcvbn was missing). The words
// layer says a rating (words/Describe.h: strength(), duration()).
std::optional<Strength> passwordStrength(const QString& password);

// The units a time to guess is said in, and how many of them: seconds up to
// a minute, then minutes, hours, days, months, years; thousands of years and
// over a million years are said without a count.
struct Duration {
    enum class Unit { LessThanASecond, Seconds, Minutes, Hours, Days, Months, Years, Millennia,
                      Eons };
    Unit unit = Unit::LessThanASecond;
    long long count = 0;
};
Duration durationOf(double seconds);

} // namespace sealed
