#pragma once

// Runs the message cipher on a window: the hourglass pointer on that window,
// an optional progress bar, message boxes through the dialog layer, and an
// optional text box that receives decrypted text one character at a time
// (so a change handler of the box sees every character arrive).

#include "cipher/MessageHost.h"

#include <QPointer>

class QPlainTextEdit;
class QProgressBar;
class QWidget;

namespace ui {

class WindowCipherHost : public cipher::MessageHost {
public:
    explicit WindowCipherHost(QWidget* window, QProgressBar* progress = nullptr,
                              QPlainTextEdit* output = nullptr);
    ~WindowCipherHost() override;

    void setBusy(bool busy) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;
    void showMessage(const QString& text, const QString& title, cipher::MessageIcon icon) override;
    void clearOutput() override;
    void appendOutput(quint8 code) override;
    void finishOutput() override;

private:
    void insert(const QString& text);

    QPointer<QWidget> m_window;
    QPointer<QProgressBar> m_progress;
    QPointer<QPlainTextEdit> m_output;
    bool m_busy = false;
    bool m_pendingCR = false;
    int m_progressStep = 1;
};

} // namespace ui
