#include "sealed/Strength.h"

#include "base/Wipe.h"
#include "sealed/Key.h"

#include <cmath>

#if defined(TESSERA_HAVE_ZXCVBN)
#include <zxcvbn.h>
#endif

namespace sealed {
namespace {

constexpr double kMinute = 60;
constexpr double kHour = 60 * kMinute;
constexpr double kDay = 24 * kHour;
constexpr double kMonth = 30 * kDay;
constexpr double kYear = 365 * kDay;

// Past this many bytes a password is far beyond guessing; the estimator need
// not look further (its time grows with the length).
constexpr qsizetype kLongestRated = 1024;

Strength::Level levelFor(double seconds) {
    if (seconds < kDay)
        return Strength::Level::VeryWeak;
    if (seconds < kYear)
        return Strength::Level::Weak;
    if (seconds < 1e3 * kYear)
        return Strength::Level::Fair;
    if (seconds < 1e6 * kYear)
        return Strength::Level::Strong;
    return Strength::Level::VeryStrong;
}

} // namespace

Duration durationOf(double seconds) {
    using Unit = Duration::Unit;
    const auto about = [](Unit unit, double amount) { return Duration{unit, std::llround(amount)}; };
    if (seconds < 1)
        return {};
    if (seconds < kMinute)
        return about(Unit::Seconds, seconds);
    if (seconds < kHour)
        return about(Unit::Minutes, seconds / kMinute);
    if (seconds < kDay)
        return about(Unit::Hours, seconds / kHour);
    if (seconds < kMonth)
        return about(Unit::Days, seconds / kDay);
    if (seconds < kYear)
        return about(Unit::Months, seconds / kMonth);
    // Each level's times in words of their own: fair ones in years, strong
    // ones in thousands of years, very strong ones past a million.
    if (seconds < 1e3 * kYear)
        return about(Unit::Years, seconds / kYear);
    if (seconds < 1e6 * kYear)
        return {Unit::Millennia, 0};
    return {Unit::Eons, 0};
}

std::optional<Strength> passwordStrength(const QString& password) {
#if defined(TESSERA_HAVE_ZXCVBN)
    // The bytes the key is made from, wiped once rated.
    QByteArray bytes = passwordBytes(password).left(kLongestRated);
    Strength strength;
    strength.bits = std::max(0.0, ZxcvbnMatch(bytes.constData(), nullptr, nullptr));
    base::wipe(bytes);
    // Half the guesses, on average, find it.
    strength.seconds = std::exp2(strength.bits - 1) / kGuessesPerSecond;
    strength.level = levelFor(strength.seconds);
    return strength;
#else
    Q_UNUSED(password);
    return std::nullopt;
#endif
}

} // namespace sealed
