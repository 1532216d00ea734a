#include "ui/common/WindowCipherHost.h"

#include "classic/CodePage.h"
#include "platform/Dialogs.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <utility>

namespace ui {

// While deferring, a change inside one paragraph only marks that paragraph for
// layout (the text box lays out a marked paragraph when it paints it); every
// other change, and every change while not deferring, goes the usual way.
class DeferredTextLayout final : public QPlainTextDocumentLayout {
public:
    explicit DeferredTextLayout(QTextDocument* document)
        : QPlainTextDocumentLayout(document), m_blockCount(document->blockCount()) {}

    void setDeferred(bool deferred) {
        m_deferred = deferred;
        if (deferred || m_marked.isEmpty())
            return;
        // Done: lay out the marked paragraphs now, as every change would have.
        const QList<QTextBlock> marked = std::exchange(m_marked, {});
        for (const QTextBlock& block : marked) {
            if (block.isValid() && block.document() == document())
                ensureBlockLayout(block);
        }
        emit update();
    }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override {
        QTextDocument* doc = document();
        if (m_deferred && doc->blockCount() == m_blockCount) {
            const QTextBlock start = doc->findBlock(from);
            const QTextBlock end = doc->findBlock(qMax(0, from + charsRemoved + charsAdded - 1));
            if (start == end && start.isValid()) {
                QTextBlock block = start;
                block.clearLayout();
                if (m_marked.isEmpty() || m_marked.constLast() != block)
                    m_marked.append(block);
                emit update();
                return;
            }
        }
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
        m_blockCount = doc->blockCount();
    }

private:
    bool m_deferred = false;
    int m_blockCount;
    QList<QTextBlock> m_marked;
};

void prepareOutputBox(QPlainTextEdit* box) {
    auto* document = new QTextDocument(box);
    document->setDefaultFont(box->document()->defaultFont());
    document->setDefaultTextOption(box->document()->defaultTextOption());
    document->setDocumentMargin(box->document()->documentMargin());
    document->setDocumentLayout(new DeferredTextLayout(document));
    box->setDocument(document);
}

WindowCipherHost::WindowCipherHost(QWidget* window, QPlainTextEdit* output)
    : m_window(window), m_output(output) {
    if (m_output)
        m_layout = dynamic_cast<DeferredTextLayout*>(m_output->document()->documentLayout());
}

WindowCipherHost::~WindowCipherHost() {
    if (m_layout && m_output)
        m_layout->setDeferred(false);
}

void WindowCipherHost::showMessage(const QString& text, const QString& title,
                                   cipher::MessageIcon icon) {
    platform::messageBox(m_window, text, title,
                         icon == cipher::MessageIcon::Stop ? platform::Icon::Stop
                                                           : platform::Icon::None);
}

void WindowCipherHost::clearOutput() {
    m_pendingCR = false;
    if (m_layout && m_output)
        m_layout->setDeferred(true);
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
    insert(code == 10 ? QStringLiteral("\n") : QString(classic::codepage::decode(code)));
}

// A whole text (a sealed message's): each line break, CR LF in the message,
// is one in the box.
void WindowCipherHost::appendText(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    insert(lines);
}

void WindowCipherHost::finishOutput() {
    if (m_pendingCR) {
        m_pendingCR = false;
        insert(QStringLiteral("\n"));
    }
    if (m_layout && m_output)
        m_layout->setDeferred(false);
}

void WindowCipherHost::insert(const QString& text) {
    if (!m_output)
        return;
    // One edit per character, so each is a change of its own. Inside an edit
    // the cursor does not lay out the paragraph to find its x position, which
    // would cost the paragraph's length on every character.
    QTextDocument* document = m_output->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.setPosition(document->characterCount() - 1);
    cursor.insertText(text);
    cursor.endEditBlock();
}

} // namespace ui
