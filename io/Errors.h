#pragma once

// How the file machinery names a path and a system error to the user.

#include <QDir>
#include <QString>
#include <cstring>

namespace io {

// The system's words for an error number, such as "No space left on device".
inline QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A path as the user's system writes it.
inline QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace io
