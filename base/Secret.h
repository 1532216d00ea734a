#pragma once

// The one type that holds a secret (a password) on its way from where it is
// typed or read to the key derivation: a window's password box, the wizard's
// answers, the command line's password file or terminal, the requests of
// cipher/ and the key source of sealed/ (sealed::passwordKey) all hold the
// password as a Secret.
//
// A Secret is shared, never copied: copying one (a request handed to a
// lambda, to a worker thread, to the result window) gives another holder of
// the same text, which cannot be changed. The text is wiped when the last
// holder lets it go, on whatever thread that is.
//
// Where the text comes from:
// - Secret(QString) takes the string itself: every QString that still shares
//   its memory is wiped with it. For text that is the program's own (read from
//   a file, decoded from the terminal's bytes).
// - Secret::copyOf() takes a copy of its own and leaves the source alone. For
//   text someone else keeps: a QLineEdit's text (ui/common/PasswordBox.h,
//   passwordOf()), a test's literal.
// text() is for reading (a comparison, a rating, the code page's encoding).
// A QString copied from it shares its memory and is wiped with it, so none is
// kept past the last holder; a box that shows the secret gets textCopy(),
// which the box then owns.
//
// Passwords are normalised for the key (sealed::passwordBytes) by ICU into a
// buffer of the program's own, and the bytes derived from them (UTF-8, code
// page codes) are wiped as soon as they are used.
//
// What the program cannot reach, and which may hold the password a while
// longer:
// - a QLineEdit's own copy of the text and its undo history; the windows clear
//   their boxes with setText() when they are done with them (which drops the
//   undo steps), and the main window and the file window keep the text in the
//   box until the user clears it, as they always did;
// - the result window of the wizard, which shows the password in a box;
// - the temporaries of Qt's own text handling on the way into a box (input
//   method, clipboard), and whatever the terminal or the window system
//   buffered;
// - memory the allocator handed back before a string grew (a QString that was
//   appended to may have moved; only its last place is wiped).

#include "base/Wipe.h"

#include <QString>
#include <QStringView>
#include <memory>
#include <utility>

namespace base {

class Secret {
public:
    Secret() = default;
    explicit Secret(QString text) : m_held(std::make_shared<const Held>(std::move(text))) {}

    // A copy of its own of text, which stays as it is for its owner.
    static Secret copyOf(QStringView text) { return Secret(QString(text.data(), text.size())); }

    const QString& text() const { return m_held ? m_held->text : empty(); }
    bool isEmpty() const { return text().isEmpty(); }
    // Lets go of the text, which is wiped when this was its last holder.
    void clear() { m_held.reset(); }
    // A copy that does not share the secret's memory, for a widget that keeps it.
    QString textCopy() const { return QString(text().constData(), text().size()); }
    // How many hold this text (for tests: the wipe comes with the last one).
    long holders() const { return m_held.use_count(); }

private:
    struct Held {
        explicit Held(QString t) : text(std::move(t)) {}
        ~Held() { wipe(text); }
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;
        const QString text;
    };
    static const QString& empty() {
        static const QString none;
        return none;
    }
    std::shared_ptr<const Held> m_held;
};

} // namespace base
