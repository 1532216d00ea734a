#pragma once

// The one type that holds a secret (a password) on its way from where it is
// typed or read to the key derivation: its text is wiped when the last holder
// lets it go, together with every copy that shares it (the requests it was
// handed to). Passwords are normalised for the key (sealed::passwordBytes)
// into memory of the program's own, which is wiped too.
//
// What the program cannot reach: the text a QLineEdit keeps of what was typed
// (its own copy and its undo history, which the windows clear with setText()
// when they are done), and whatever the terminal or the window system buffered
// on the way.

#include "base/Wipe.h"

#include <QString>
#include <utility>

namespace base {

class Secret {
public:
    Secret() = default;
    explicit Secret(QString text) : m_text(std::move(text)) {}
    ~Secret() { wipe(m_text); }
    Secret(Secret&& other) noexcept : m_text(std::exchange(other.m_text, QString())) {}
    Secret& operator=(Secret&& other) noexcept {
        if (this != &other) {
            wipe(m_text);
            m_text = std::exchange(other.m_text, QString());
        }
        return *this;
    }
    Secret(const Secret&) = delete;
    Secret& operator=(const Secret&) = delete;

    const QString& text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }

private:
    QString m_text;
};

} // namespace base
