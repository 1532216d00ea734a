#pragma once

// Reads an identity or people file for the Keys window: a small regular file,
// read whole but never past the most such a file can hold, and without waiting
// on whatever else a path may name (a FIFO without a writer, a device).

#include <QByteArray>
#include <QString>
#include <optional>

namespace ui {

// The file's content, at most `limit` bytes; nothing, with a clause for the
// user in `error` ("it is not a regular file"), when it cannot be had. The
// caller wipes the content once used (an identity file is secret).
std::optional<QByteArray> readKeyFile(const QString& path, qint64 limit, QString* error);

} // namespace ui
