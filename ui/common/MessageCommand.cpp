#include "ui/common/MessageCommand.h"

#include "ui/common/WindowCipherHost.h"

#include <QApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace ui {

// Holds back the user's input to a window while its command works, as a
// command that ran on the window's own thread would: clicks and keys reach
// none of its controls, menus and shortcuts included.
class MessageCommand::InputHold final : public QObject {
public:
    explicit InputHold(QWidget* window) : m_window(window) {
        qApp->installEventFilter(this);
        m_window->setCursor(Qt::WaitCursor);
    }
    ~InputHold() override {
        if (m_window)
            m_window->unsetCursor();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !m_window || widget->window() != m_window)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::DragEnter:
        case QEvent::Drop:
            return true;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> m_window;
};

MessageCommand::MessageCommand(QWidget* window, QProgressBar* bar)
    : QObject(window), m_window(window), m_bar(bar) {
    connect(&m_job, &Job::rangeSet, this, &MessageCommand::showRange);
    connect(&m_job, &Job::positionMoved, this, &MessageCommand::showPosition);
    connect(&m_job, &Job::ended, this, &MessageCommand::end);
}

MessageCommand::~MessageCommand() = default;

void MessageCommand::encrypt(const cipher::EncryptRequest& request,
                             std::function<void(cipher::EncryptResult)> done) {
    if (!begin(m_window))
        return;
    auto outcome = std::make_shared<cipher::EncryptOutcome>();
    m_present = [this, outcome, done = std::move(done)] {
        m_hold.reset();
        WindowCipherHost host(m_window);
        cipher::present(*outcome, host);
        if (done)
            done(outcome->result);
    };
    m_job.start([request, outcome](base::Progress& progress) {
        *outcome = cipher::encryptMessage(request, progress);
    });
}

void MessageCommand::decrypt(const cipher::DecryptRequest& request, QPlainTextEdit* output,
                             std::function<void(cipher::DecryptResult)> done) {
    // The text goes into a box that may be another window's (the wizard's
    // result window): that window is the busy one, and the messages are its.
    QWidget* window = output ? output->window() : m_window.data();
    if (!begin(window))
        return;
    auto outcome = std::make_shared<cipher::DecryptOutcome>();
    m_present = [this, outcome, window = QPointer<QWidget>(window),
                 output = QPointer<QPlainTextEdit>(output), done = std::move(done)] {
        WindowCipherHost host(window, output);
        // The text arrives while the window is still busy (a change handler
        // of the box may speak up meanwhile); the closing message comes with
        // the normal pointer.
        cipher::presentText(*outcome, host);
        m_hold.reset();
        cipher::presentNotice(*outcome, host);
        if (done)
            done(outcome->result);
    };
    m_job.start([request, outcome](base::Progress& progress) {
        *outcome = cipher::decryptMessage(request, progress);
    });
}

bool MessageCommand::begin(QWidget* window) {
    if (m_job.running() || !window)
        return false;
    m_hold = std::make_unique<InputHold>(window);
    if (m_bar)
        m_barMaximum = m_bar->maximum();
    return true;
}

// The outcome, with the pointer restored before the closing message, then the
// bar back at 0 once the message is read.
void MessageCommand::end() {
    // A bar still busy (a key was derived, nothing counted since) stops with
    // the work, before the closing message waits to be read.
    if (m_bar && m_bar->minimum() == 0 && m_bar->maximum() == 0) {
        m_bar->setRange(0, m_barMaximum);
        m_bar->setValue(0);
    }
    const std::function<void()> present = std::exchange(m_present, {});
    const QPointer<MessageCommand> self(this);
    if (present)
        present();
    if (!self)
        return; // the window went while its message was open
    m_hold.reset();
    if (!m_bar)
        return;
    m_bar->setRange(0, m_barMaximum);
    m_bar->setValue(0);
}

// 0 is a busy bar: something happens that cannot be counted (a key).
void MessageCommand::showRange(qint64 total) {
    if (!m_bar)
        return;
    // The bar moves in steps the eye can see, not once per character.
    m_barStep = qMax<qint64>(1, total / 200);
    m_bar->setRange(0, static_cast<int>(total));
}

void MessageCommand::showPosition(qint64 done) {
    if (!m_bar || m_bar->maximum() == 0)
        return;
    if (done == 0 || done % m_barStep == 0 || done == m_bar->maximum())
        m_bar->setValue(static_cast<int>(done));
}

} // namespace ui
