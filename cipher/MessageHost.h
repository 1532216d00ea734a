#pragma once

// Where a message operation shows its outcome: the closing and error messages,
// and the box that receives decrypted text. The main window, the wizard and
// the command line each have their own.

#include <QString>

namespace cipher {

enum class MessageIcon { None, Stop };

class MessageHost {
public:
    virtual ~MessageHost() = default;

    // A modal message; returns when the user has closed it.
    virtual void showMessage(const QString& text, const QString& title, MessageIcon icon) = 0;

    // Decryption empties the output first, then appends one character code at a time.
    virtual void clearOutput() {}
    virtual void appendOutput(quint8 /*code*/) {}
    // A whole text at once (a sealed message, which may hold any character;
    // line breaks as CR LF). By default, its characters that the code page
    // holds, one at a time.
    virtual void appendText(const QString& text);
    // The last character has been appended.
    virtual void finishOutput() {}
};

} // namespace cipher
