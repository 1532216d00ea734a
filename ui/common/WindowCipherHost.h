#pragma once

// Shows a message operation's outcome on a window: message boxes through the
// dialog layer (an error under the title "Error" with the stop icon, a closing
// message under the application's title), and an optional text box that
// receives the decrypted text whole. MessageCommand runs the operation and
// hands its outcome here.

#include "words/Present.h"

#include <QPointer>

class QPlainTextEdit;
class QWidget;

namespace ui {

class WindowCipherHost : public words::MessageHost {
public:
    explicit WindowCipherHost(QWidget* window, QPlainTextEdit* output = nullptr);

    void showMessage(const QString& text, Tone tone) override;
    void clearOutput() override;
    void showText(const QString& text) override;

private:
    QPointer<QWidget> m_window;
    QPointer<QPlainTextEdit> m_output;
};

} // namespace ui
