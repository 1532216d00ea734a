#pragma once

// How the file machinery names a path and a system error to the user.

#include "base/Failure.h"

#include <QDir>
#include <QString>
#include <cstring>

namespace io {

// The system's words for an error number, such as "No space left on device".
inline QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// An io call's error that is the system's alone.
inline base::Failure systemFailure(int error) {
    return base::failure(base::Fault::SystemError, systemError(error));
}

// A path as the user's system writes it.
inline QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace io
