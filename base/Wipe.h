#pragma once

// Overwrites a secret where it lies before it goes. An array may hold more
// than its size (what it held before it was shortened), so its whole
// allocation is wiped; a string's text is wiped in place, together with every
// copy that shares it, so call this only when no copy is needed any longer.

#include <QByteArray>
#include <QString>
#include <sodium.h>

namespace base {

inline void wipe(const QByteArray& bytes) {
    if (bytes.capacity() > 0)
        sodium_memzero(const_cast<char*>(bytes.constData()), static_cast<size_t>(bytes.capacity()));
}

// Written through the shared data itself: detaching first would wipe a fresh
// copy and leave the original.
inline void wipe(const QString& text) {
    if (text.capacity() > 0)
        sodium_memzero(const_cast<QChar*>(text.constData()),
                       static_cast<size_t>(text.capacity()) * sizeof(QChar));
}

inline void wipe(void* data, size_t size) {
    if (size > 0)
        sodium_memzero(data, size);
}

} // namespace base
