#pragma once

// The classic formats' rule for a password: each character enters the key as
// its code in the program's code page, and the characters are counted in a
// signed 16-bit number.

#include "base/Failure.h"

#include <QString>
#include <optional>

namespace classic {

// Why the password cannot be used (PasswordUnmappable, PasswordTooLong);
// nothing when it can. An empty password passes: whether one may be empty is
// each command's own rule.
std::optional<base::Failure> passwordProblem(const QString& password);

} // namespace classic
