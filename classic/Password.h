#pragma once

// The classic formats' rule for a password: each character enters the key as
// its code in the program's code page, and the characters are counted in a
// signed 16-bit number.

#include <QString>
#include <optional>

namespace classic {

// Why the password cannot be used, as a clause that begins with "the
// password" (for example "the password is longer than 32767 characters");
// nothing when it can. An empty password passes: whether one may be empty is
// each command's own rule.
std::optional<QString> passwordProblem(const QString& password);

} // namespace classic
