#include "ui/WindowCipherHost.h"

#include "cipher/CodePage.h"
#include "platform/Dialogs.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTextCursor>

namespace ui {

WindowCipherHost::WindowCipherHost(QWidget* window, QProgressBar* progress,
                                   QPlainTextEdit* output)
    : m_window(window), m_progress(progress), m_output(output) {}

WindowCipherHost::~WindowCipherHost() {
    if (m_busy)
        setBusy(false);
}

void WindowCipherHost::setBusy(bool busy) {
    m_busy = busy;
    if (!m_window)
        return;
    if (busy)
        m_window->setCursor(Qt::WaitCursor);
    else
        m_window->unsetCursor();
}

void WindowCipherHost::setProgressMaximum(int maximum) {
    // The bar moves in steps the eye can see, not once per character.
    m_progressStep = qMax(1, maximum / 200);
    if (m_progress)
        m_progress->setMaximum(qMax(0, maximum));
}

void WindowCipherHost::setProgressValue(int value) {
    if (!m_progress)
        return;
    if (value == 0 || value % m_progressStep == 0 || value == m_progress->maximum())
        m_progress->setValue(value);
}

void WindowCipherHost::showMessage(const QString& text, const QString& title,
                                   cipher::MessageIcon icon) {
    platform::messageBox(m_window, text, title,
                         icon == cipher::MessageIcon::Stop ? platform::Icon::Stop
                                                           : platform::Icon::None);
}

void WindowCipherHost::clearOutput() {
    m_pendingCR = false;
    if (m_output)
        m_output->clear();
}

// A message holds CR LF where the text box has a line break; a lone CR or LF
// in a file also becomes a line break.
void WindowCipherHost::appendOutput(quint8 code) {
    if (m_pendingCR) {
        m_pendingCR = false;
        insert(QStringLiteral("\n"));
        if (code == 10)
            return;
    }
    if (code == 13) {
        m_pendingCR = true;
        return;
    }
    insert(code == 10 ? QStringLiteral("\n") : QString(cipher::codepage::decode(code)));
}

void WindowCipherHost::finishOutput() {
    if (m_pendingCR) {
        m_pendingCR = false;
        insert(QStringLiteral("\n"));
    }
}

void WindowCipherHost::insert(const QString& text) {
    if (!m_output)
        return;
    QTextCursor cursor(m_output->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

} // namespace ui
