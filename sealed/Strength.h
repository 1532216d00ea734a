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
    // "weak", "very strong".
    QString words() const;
    // "Weak: about 3 days to guess".
    QString describe() const;
};

// Nothing when this build has no estimator (zxcvbn was missing).
std::optional<Strength> passwordStrength(const QString& password);

// "less than a second", "about 3 days", "about 186 years", "thousands of
// years", "over a million years".
QString describeDuration(double seconds);

// What the estimate assumes, in a sentence (for a tooltip or a manual).
QString strengthAssumption();

} // namespace sealed
