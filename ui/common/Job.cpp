#include "ui/common/Job.h"

#include "base/ThreadName.h"

#include <QtConcurrent/QtConcurrentRun>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace ui {

// The work's side: every call comes from the pool's thread and goes on to the
// window's as a queued signal.
class Job::Report final : public base::Progress {
public:
    Report(Job& job, const base::CancelToken& cancel) : base::Progress(&cancel), m_job(job) {}

    void setRange(qint64 total) override { emit m_job.rangeSet(total); }
    void setPosition(qint64 done) override {
        m_job.m_position.store(done);
        if (!m_job.m_positionPending.exchange(true))
            QMetaObject::invokeMethod(&m_job, &Job::deliverPosition, Qt::QueuedConnection);
    }

private:
    Job& m_job;
};

// Told by the work the moment it returns, for a wait with a deadline.
struct Job::Returned {
    std::mutex mutex;
    std::condition_variable changed;
    bool returned = false;
};

Job::Job(QObject* parent) : QObject(parent) {
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &Job::finish);
}

Job::~Job() {
    cancel();
    m_watcher.waitForFinished();
    if (m_running)
        --s_unfinished;
}

bool Job::start(Work work) {
    if (m_running)
        return false;
    m_running = true;
    ++s_unfinished;
    m_cancel = std::make_unique<base::CancelToken>();
    m_report = std::make_unique<Report>(*this, *m_cancel);
    m_positionPending.store(false);
    m_returned = std::make_shared<Returned>();
    m_watcher.setFuture(QtConcurrent::run(
        [work = std::move(work), report = m_report.get(), returned = m_returned] {
            base::nameThisThread("tessera-job");
            work(*report);
            {
                std::lock_guard lock(returned->mutex);
                returned->returned = true;
            }
            returned->changed.notify_all();
        }));
    return true;
}

void Job::cancel() {
    if (m_cancel)
        m_cancel->cancel();
}

bool Job::waitForWork(int timeoutMs) {
    if (!m_returned)
        return true;
    std::unique_lock lock(m_returned->mutex);
    return m_returned->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                        [&] { return m_returned->returned; });
}

void Job::abandon() {
    cancel();
    disconnect(this, nullptr, nullptr, nullptr);
    setParent(nullptr);
    if (m_running)
        connect(this, &Job::ended, this, &QObject::deleteLater);
    else
        deleteLater();
}

void Job::deliverPosition() {
    m_positionPending.store(false);
    emit positionMoved(m_position.load());
}

void Job::finish() {
    if (!m_running)
        return;
    // A position still on its way is older than the end.
    deliverPosition();
    m_running = false;
    emit ended();
    --s_unfinished;
}

} // namespace ui
