#pragma once

// The rules for a password that both ciphers share: each character enters the
// key as its code in the program's code page, and a count of the characters
// is kept in a signed 16-bit number.

#include <QString>
#include <optional>

namespace cipher {

inline constexpr int kMaxPasswordLength = 32767;

// Why the password cannot be used, as a clause that begins with "the
// password" (for example "the password is longer than 32767 characters");
// nothing when it can. An empty password passes: whether one may be empty is
// each command's own rule.
std::optional<QString> passwordProblem(const QString& password);

// The same for the sealed format, whose key comes from the password's UTF-8:
// any character may be used, and only the length is bounded.
std::optional<QString> sealedPasswordProblem(const QString& password);

} // namespace cipher
