#pragma once

// What a caller of the message cipher provides: the busy pointer, a progress
// display, the closing and error messages, and the box that receives decrypted
// text. The main window, the wizard and the command line each have their own.

#include <QString>
#include <functional>

namespace cipher {

enum class MessageIcon { None, Stop };

class MessageHost {
public:
    virtual ~MessageHost() = default;

    virtual void setBusy(bool /*busy*/) {}
    virtual void setProgressMaximum(int /*maximum*/) {}
    virtual void setProgressValue(int /*value*/) {}

    // Polled while the command waits or works; true ends it with nothing
    // written. Called from the thread that runs the command.
    virtual bool cancelRequested() const { return false; }
    // The command has to wait for something (another encryption); said once.
    virtual void waiting(const QString& /*what*/) {}
    // Runs a long step that needs no host (a key derivation) and returns when
    // it is done. A window runs it on another thread and goes on painting.
    virtual void runWork(const std::function<void()>& work) { work(); }

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
