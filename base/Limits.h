#pragma once

// The bounds that both formats keep, and that the windows and the command
// line apply before they read anything.

#include "base/Failure.h"

#include <QString>
#include <optional>

namespace base {

inline constexpr int kMaxMessageLength = 10000; // characters; a line break counts two
// What a reader takes on. No writer puts more than kMaxMessageLength values in
// a file, but a file may come from anywhere; one far beyond that is refused
// whole rather than shown in a text box that would take seconds per keystroke
// to lay out (a text box lays out an unbroken line in time that grows with the
// square of its length). Twice the longest message keeps typing after the
// worst such text under a tenth of a second. The byte ceiling leaves room for
// that many values, each after a junk field, at 26 bytes a field.
inline constexpr int kMaxFileValues = 2 * kMaxMessageLength;
inline constexpr qint64 kMaxMessageFileBytes = 1024 * 1024;

// A password's length is kept in a signed 16-bit count.
inline constexpr int kMaxPasswordLength = 32767;

// Why a password is too long for either format, as a clause that begins with
// "the password"; nothing when it is not. An empty password passes: whether
// one may be empty is each command's own rule.
inline std::optional<Failure> passwordLengthProblem(const QString& password) {
    if (password.size() > kMaxPasswordLength)
        return failure(Fault::PasswordTooLong, 0, kMaxPasswordLength);
    return std::nullopt;
}

} // namespace base
