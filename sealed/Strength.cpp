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

QString about(double amount, const char* one, const char* many) {
    const long long n = std::llround(amount);
    return QStringLiteral("about %1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

QString describeDuration(double seconds) {
    if (seconds < 1)
        return QStringLiteral("less than a second");
    if (seconds < kMinute)
        return about(seconds, "second", "seconds");
    if (seconds < kHour)
        return about(seconds / kMinute, "minute", "minutes");
    if (seconds < kDay)
        return about(seconds / kHour, "hour", "hours");
    if (seconds < kMonth)
        return about(seconds / kDay, "day", "days");
    if (seconds < kYear)
        return about(seconds / kMonth, "month", "months");
    // Each level's times in words of their own: fair ones in years, strong
    // ones in thousands of years, very strong ones past a million.
    if (seconds < 1e3 * kYear)
        return about(seconds / kYear, "year", "years");
    if (seconds < 1e6 * kYear)
        return QStringLiteral("thousands of years");
    return QStringLiteral("over a million years");
}

QString Strength::words() const {
    static const char* const words[] = {"very weak", "weak", "fair", "strong", "very strong"};
    return QLatin1String(words[static_cast<int>(level)]);
}

QString Strength::describe() const {
    QString sentence = QStringLiteral("%1: %2 to guess").arg(words(), describeDuration(seconds));
    sentence[0] = sentence[0].toUpper();
    return sentence;
}

QString strengthAssumption() {
    return QStringLiteral("Estimated with zxcvbn, for an attacker who tries %L1 passwords a "
                          "second, each costing Argon2id's 64 MiB and 3 passes.")
        .arg(kGuessesPerSecond, 0, 'f', 0);
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
