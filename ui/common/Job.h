#pragma once

// Runs one piece of a window's work off the window's thread, and reports
// through signals on the window's thread: the range, the latest position (at
// most one update on its way at a time, so a fast operation never floods the
// window) and the end. Nothing waits in a nested event loop: the window starts
// a job, goes on painting, and finishes its command when ended() arrives.
//
// The work is handed a base::Progress whose cancel is the job's own.
// Destroying a job cancels it and waits until the work has returned.

#include "base/Progress.h"

#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>

namespace ui {

class Job : public QObject {
    Q_OBJECT
public:
    using Work = std::function<void(base::Progress& progress)>;

    explicit Job(QObject* parent = nullptr);
    ~Job() override;

    // Starts the work on the thread pool; false while an earlier one runs.
    bool start(Work work);
    // From start() until ended() has been delivered.
    bool running() const { return m_running; }
    // Asks the work to stop: every wait and step of it watches the cancel.
    void cancel();
    // Waits up to timeoutMs for the work to return; true when it has. Its
    // ended() still comes through the event loop.
    bool waitForWork(int timeoutMs);
    // Cancels, and lets a job whose work will not return at once end by
    // itself: it leaves its parent, tells no one, and deletes itself when the
    // work is done.
    void abandon();

    // Jobs of the program that have started and not yet delivered ended():
    // what a test waits for before it looks at a command's outcome.
    static int unfinished() { return s_unfinished.load(); }

signals:
    void rangeSet(qint64 total);
    void positionMoved(qint64 done);
    // The work has returned; delivered once per start().
    void ended();

private:
    class Report;
    struct Returned;
    void deliverPosition();
    void finish();

    QFutureWatcher<void> m_watcher;
    std::unique_ptr<base::CancelToken> m_cancel;
    std::unique_ptr<Report> m_report;
    std::shared_ptr<Returned> m_returned;
    std::atomic<qint64> m_position{0};
    std::atomic<bool> m_positionPending{false};
    bool m_running = false;
    static inline std::atomic<int> s_unfinished{0};
};

} // namespace ui
