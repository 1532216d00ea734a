#include "ui/common/WindowCipherHost.h"

#include "base/AppInfo.h"
#include "base/Limits.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace ui {

WindowCipherHost::WindowCipherHost(QWidget* window, QPlainTextEdit* output)
    : m_window(window), m_output(output) {}

void WindowCipherHost::showMessage(const QString& text, Tone tone) {
    if (tone == Tone::Error) {
        platform::messageBox(m_window, text,
                             QCoreApplication::translate("ui::WindowCipherHost", "Error"),
                             platform::Icon::Stop);
    } else {
        platform::messageBox(m_window, text, base::kAppTitle, platform::Icon::None);
    }
}

void WindowCipherHost::clearOutput() {
    if (m_output)
        m_output->clear();
}

// A message holds CR LF where the text box has a line break; a lone CR or LF
// in a file also becomes a line break. The text goes in as at most two
// changes, split where the message reaches its longest (a line break counts
// as two), so that a window that warns of that moment sees it as the text
// arrives, with the text before it in the box.
void WindowCipherHost::showText(const QString& text) {
    if (!m_output)
        return;
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    qsizetype split = lines.size();
    qint64 length = 0;
    for (qsizetype i = 0; i < lines.size() && length < base::kMaxMessageLength; ++i) {
        length += lines[i] == QLatin1Char('\n') ? 2 : 1;
        if (length == base::kMaxMessageLength)
            split = i + 1;
    }
    QTextCursor cursor(m_output->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(lines.left(split));
    if (split < lines.size() && m_output) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(lines.mid(split));
    }
}

} // namespace ui
