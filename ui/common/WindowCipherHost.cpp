#include "ui/common/WindowCipherHost.h"

#include "cipher/CodePage.h"
#include "platform/Dialogs.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QPlainTextDocumentLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <QPlainTextEdit>
#include <QProgressBar>
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

WindowCipherHost::WindowCipherHost(QWidget* window, QProgressBar* progress, QPlainTextEdit* output)
    : m_window(window), m_progress(progress), m_output(output) {
    if (m_output)
        m_layout = dynamic_cast<DeferredTextLayout*>(m_output->document()->documentLayout());
}

WindowCipherHost::~WindowCipherHost() {
    if (m_busy)
        setBusy(false);
    if (m_layout && m_output)
        m_layout->setDeferred(false);
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
    insert(code == 10 ? QStringLiteral("\n") : QString(cipher::codepage::decode(code)));
}

// A whole text (a sealed message's): each line break, CR LF in the message,
// is one in the box.
void WindowCipherHost::appendText(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    insert(lines);
}

void WindowCipherHost::runWork(const std::function<void()>& work) {
    // The bar, when there is one, shows that something happens though
    // nothing can be counted; it gets its range back afterwards.
    int minimum = 0, maximum = 0, value = 0;
    if (m_progress) {
        minimum = m_progress->minimum();
        maximum = m_progress->maximum();
        value = m_progress->value();
        m_progress->setRange(0, 0);
    }
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(work));
    // Painting and timers go on; clicks and keys wait for the end, as they
    // would for any command of the window.
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    watcher.waitForFinished(); // also when the program's end left the loop early
    if (m_progress) {
        m_progress->setRange(minimum, maximum);
        m_progress->setValue(value);
    }
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
