#pragma once

// Shows a message operation's outcome on a window: message boxes through the
// dialog layer, and an optional text box that receives decrypted text one
// character at a time (so a change handler of the box sees every character
// arrive). MessageCommand runs the operation and hands its outcome here.

#include "cipher/MessageHost.h"

#include <QPointer>

class QPlainTextEdit;
class QWidget;

namespace ui {

// Fits a text box for receiving a long text one character at a time. A plain
// text box lays out the whole paragraph again after every change, so filling
// a long paragraph character by character costs its length squared; a box
// prepared here lays out a paragraph that a WindowCipherHost is filling only
// when it is painted, and once more when the host is done. Every character is
// still a change of the box. Call once, before the box holds any text.
void prepareOutputBox(QPlainTextEdit* box);

class DeferredTextLayout;

class WindowCipherHost : public cipher::MessageHost {
public:
    explicit WindowCipherHost(QWidget* window, QPlainTextEdit* output = nullptr);
    ~WindowCipherHost() override;

    void showMessage(const QString& text, const QString& title, cipher::MessageIcon icon) override;
    void clearOutput() override;
    void appendOutput(quint8 code) override;
    void appendText(const QString& text) override;
    void finishOutput() override;

private:
    void insert(const QString& text);

    QPointer<QWidget> m_window;
    QPointer<QPlainTextEdit> m_output;
    DeferredTextLayout* m_layout = nullptr; // the output's, when prepared
    bool m_pendingCR = false;
};

} // namespace ui
