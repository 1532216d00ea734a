#pragma once

// Classic message files made by the format's own rules rather than by the
// cipher under test, for tests and benchmarks that need one of a given text.

#include "base/Limits.h"
#include "classic/MessageFormat.h"
#include "tests/support/Files.h"

#include <QByteArray>
#include <QString>

namespace testsupport {

// The message file of these characters (line breaks as CR LF) under this
// password: the plain tag, then one value per character, no options.
inline QByteArray classicMessage(const QByteArray& text, const QByteArray& password) {
    QByteArray content;
    classic::appendTextLine(content, classic::formatTag(false, false));
    classic::KeyStream key(classic::formKey(password, false));
    for (const char c : text)
        classic::appendNumberLine(content, static_cast<quint8>(c) + key.next());
    return content;
}

inline void writeClassicMessage(const QString& path, const QByteArray& text,
                                const QByteArray& password) {
    writeAll(path, classicMessage(text, password));
}

} // namespace testsupport
