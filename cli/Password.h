#pragma once

#include "base/Secret.h"

#include <QString>
#include <optional>
#include <utility>

namespace cli {

// A password that is wiped from memory when it goes (base/Secret.h).
using base::Secret;

// The password from a file: its content as UTF-8, less one trailing line end
// (LF or CR LF). Without a file, asks on the terminal without echo; without a
// terminal that is an error. Nothing when it could not be had (the error has
// been reported). The bytes it was read from are wiped at once.
std::optional<Secret> obtainPassword(const QString& passwordFile);
// The same, the terminal's prompt being this one (a protected identity's).
std::optional<Secret> obtainPassword(const QString& passwordFile, const QString& prompt);

// A password for a new secret it will protect (a protected identity): from
// the file, or asked twice on the terminal, since a typo would lock the
// secret away for good. Nothing, after one line, when the two differ.
std::optional<Secret> obtainNewPassword(const QString& passwordFile);

// For a sealed encryption, whose file is only as strong as its password: one
// warning line on standard error for a weak password, when standard error is
// a terminal (a script's log is left alone). Nothing is refused.
void warnOfWeakPassword(const Secret& password);

} // namespace cli
