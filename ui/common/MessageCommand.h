#pragma once

// A window's message command (Encrypt, Decrypt, the wizard's Finish): a
// Command whose window takes no input while the work goes on, with the
// hourglass, and whose bar (when it has one) counts the characters or shows
// itself busy while a key is derived. The outcome is shown on the window's
// host once the work has returned: the decrypted text into the output box,
// the pointer restored, the closing message, the bar back at 0.

#include "cipher/Messages.h"
#include "ui/common/Command.h"

#include <QPointer>
#include <functional>

class QPlainTextEdit;
class QProgressBar;
class QWidget;

namespace ui {

class MessageCommand : public Command {
    Q_OBJECT
public:
    explicit MessageCommand(QWidget* window, QProgressBar* bar = nullptr);

    // Each starts the work and returns at once; `done` runs after the outcome
    // has been shown. Nothing happens while an earlier command runs.
    void encrypt(const cipher::EncryptRequest& request,
                 std::function<void(cipher::EncryptResult)> done = {});
    void decrypt(const cipher::DecryptRequest& request, QPlainTextEdit* output,
                 std::function<void(cipher::DecryptResult)> done = {});

private:
    QPointer<QWidget> m_window;
};

} // namespace ui
