#pragma once

// A window's message command (Encrypt, Decrypt, the wizard's Finish), run as
// a Job: the window shows the hourglass and takes no input while the work
// goes on, its bar (when it has one) counts the characters or shows itself
// busy while a key is derived, and the outcome is shown on the window's host
// once the work has returned: the decrypted text into the output box, the
// pointer restored, the closing message, the bar back at 0.

#include "cipher/Messages.h"
#include "ui/common/Job.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QPlainTextEdit;
class QProgressBar;
class QWidget;

namespace ui {

class MessageCommand : public QObject {
    Q_OBJECT
public:
    explicit MessageCommand(QWidget* window, QProgressBar* bar = nullptr);
    ~MessageCommand() override;

    bool running() const { return m_job.running(); }

    // Each starts the work and returns at once; `done` runs after the outcome
    // has been shown. Nothing happens while an earlier command runs.
    void encrypt(const cipher::EncryptRequest& request,
                 std::function<void(cipher::EncryptResult)> done = {});
    void decrypt(const cipher::DecryptRequest& request, QPlainTextEdit* output,
                 std::function<void(cipher::DecryptResult)> done = {});

private:
    class InputHold;
    bool begin(QWidget* window);
    void end();
    void showRange(qint64 total);
    void showPosition(qint64 done);

    QPointer<QWidget> m_window;
    QPointer<QProgressBar> m_bar;
    Job m_job;
    std::unique_ptr<InputHold> m_hold;
    std::function<void()> m_present; // what the end shows, set by the command
    int m_barMaximum = 0;
    int m_barStep = 1;
};

} // namespace ui
