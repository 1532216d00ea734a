#pragma once

#include <QString>
#include <optional>

namespace cli {

// The password from a file: its content as UTF-8, less one trailing line end
// (LF or CR LF). Without a file, asks on the terminal without echo; without a
// terminal that is an error. Nothing when it could not be had (the error has
// been reported).
std::optional<QString> obtainPassword(const QString& passwordFile);

} // namespace cli
