#include "ui/common/Command.h"

#include <QApplication>
#include <QEvent>
#include <QProgressBar>
#include <QWidget>
#include <climits>
#include <utility>

namespace ui {

namespace {

// How long a cancel waits for the work to return before leaving it.
constexpr int kCancelWaitMs = 2000;

} // namespace

// The window held while its command works: the hourglass over it (the arrow
// over a live control), and its input held back, unseen or by disabling the
// named controls.
class Command::Hold final : public QObject {
public:
    Hold(QWidget* window, const QList<QPointer<QWidget>>& inputs, QWidget* live)
        : m_window(window), m_inputs(inputs), m_live(live) {
        if (m_inputs.isEmpty()) {
            qApp->installEventFilter(this);
        } else {
            m_focus = window->focusWidget();
            if (m_focus && m_focus != live)
                m_focus->clearFocus();
            for (const QPointer<QWidget>& input : std::as_const(m_inputs))
                if (input)
                    input->setEnabled(false);
        }
        m_window->setCursor(Qt::WaitCursor);
        if (m_live)
            m_live->setCursor(Qt::ArrowCursor);
    }
    ~Hold() override {
        releasePointer();
        for (const QPointer<QWidget>& input : std::as_const(m_inputs))
            if (input)
                input->setEnabled(true);
    }

    void releasePointer() {
        if (m_live)
            m_live->unsetCursor();
        if (m_window)
            m_window->unsetCursor();
    }
    QWidget* focusBefore() const { return m_focus; }

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
    QList<QPointer<QWidget>> m_inputs;
    QPointer<QWidget> m_live;
    QPointer<QWidget> m_focus;
};

Command::Command(QWidget* window, QProgressBar* bar)
    : QObject(window), m_window(window), m_bar(bar) {}

Command::~Command() {
    cancel();
}

void Command::disableWhileBusy(const QList<QWidget*>& inputs, QWidget* live) {
    m_inputs.clear();
    for (QWidget* input : inputs)
        m_inputs.append(input);
    m_live = live;
}

bool Command::start(Run run) {
    QWidget* window = run.window ? run.window : m_window.data();
    if (m_job || !window || !run.work)
        return false;
    ++m_runs;
    m_present = std::move(run.present);
    m_perCharacter = run.perCharacter;
    m_emptyBarFirst = run.emptyBarFirst;
    m_barShift = 0;
    m_barStep = 1;
    if (m_bar)
        m_barMaximum = m_bar->maximum();
    m_job = new Job(this);
    connect(m_job, &Job::rangeSet, this, &Command::showRange);
    connect(m_job, &Job::positionMoved, this, &Command::showPosition);
    connect(m_job, &Job::ended, this, &Command::end);
    // Running already: the focus the hold takes away is not the user's move.
    // A hold left by the run before (started again while its outcome was
    // shown) goes first, so that it gives back nothing of the new one's.
    m_hold.reset();
    m_hold = std::make_unique<Hold>(window, m_inputs, m_live);
    m_job->start(std::move(run.work));
    return true;
}

void Command::cancel() {
    Job* job = std::exchange(m_job, nullptr);
    if (!job)
        return;
    m_present = {};
    job->cancel();
    if (job->waitForWork(kCancelWaitMs))
        delete job;
    else
        job->abandon(); // it reaches the command only through its signals, which go with it
    m_hold.reset();
    if (m_bar)
        m_bar->setValue(0);
}

void Command::releasePointer() {
    if (m_hold)
        m_hold->releasePointer();
}

void Command::release() {
    if (!m_hold)
        return;
    const QPointer<QWidget> focus = m_hold->focusBefore();
    m_hold.reset();
    if (focus && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
}

void Command::busyWhile(const std::function<void()>& work) {
    const QPointer<QWidget> window = m_window;
    if (window)
        window->setCursor(Qt::WaitCursor);
    work();
    if (window)
        window->unsetCursor();
}

// The outcome, then the window given back and the bar at 0 (unless the
// outcome started another run).
void Command::end() {
    // Still delivering its end: it goes once the event at hand is handled.
    if (Job* job = std::exchange(m_job, nullptr))
        job->deleteLater();
    const int run = m_runs;
    // A bar still busy (a key was derived, nothing counted since) stops with
    // the work, before the closing message waits to be read.
    if (m_bar && m_bar->minimum() == 0 && m_bar->maximum() == 0)
        resetBar();
    else if (m_bar && m_emptyBarFirst)
        m_bar->setValue(0);
    const std::function<void()> present = std::exchange(m_present, {});
    const QPointer<Command> self(this);
    if (present)
        present();
    if (!self || m_runs != run)
        return; // the window went while its message was open, or works again
    release();
    resetBar();
}

void Command::resetBar() {
    if (!m_bar)
        return;
    m_bar->setRange(0, m_barMaximum);
    m_bar->setValue(0);
}

// 0 is a busy bar: something happens that cannot be counted (a key).
void Command::showRange(qint64 total) {
    if (!m_bar)
        return;
    m_barShift = 0;
    while ((total >> m_barShift) > INT_MAX)
        ++m_barShift;
    const int range = static_cast<int>(total >> m_barShift);
    m_barStep = m_perCharacter ? qMax(1, range / 200) : 1;
    m_bar->setRange(0, range);
}

void Command::showPosition(qint64 done) {
    if (!m_bar || m_bar->maximum() == 0)
        return;
    const int value = static_cast<int>(done >> m_barShift);
    if (value == 0 || value % m_barStep == 0 || value == m_bar->maximum())
        m_bar->setValue(value);
}

} // namespace ui
