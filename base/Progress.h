#pragma once

// How every long operation of the program (a message or a file, classic or
// sealed) reports what it does and learns that it is to stop. The command
// line, the windows and the tests each implement Progress once.

#include <QString>
#include <atomic>

namespace base {

// A request to stop, made once from any thread or from a signal handler, and
// seen by every wait: as a flag to ask between steps, and as a descriptor that
// becomes readable, so that a wait on a file, a pipe or a lock ends at once.
class CancelToken {
public:
    CancelToken();
    ~CancelToken();
    CancelToken(const CancelToken&) = delete;
    CancelToken& operator=(const CancelToken&) = delete;

    // Safe in a signal handler.
    void cancel() noexcept;
    bool cancelled() const noexcept { return m_cancelled.load(); }
    // Readable once cancelled; -1 where no descriptor could be made.
    int descriptor() const noexcept { return m_read; }

private:
    std::atomic<bool> m_cancelled{false};
    int m_read = -1;
    int m_write = -1;
};

// What a wait for a descriptor ended with.
enum class Wait { Ready, Cancelled, TimedOut, Failed };

// Waits until fd is ready for events (POLLIN, POLLOUT), the token is
// cancelled, or timeoutMs passes (-1: no limit). Interrupted calls go on.
Wait waitFor(int fd, short events, const CancelToken* token, int timeoutMs = -1);

class Progress {
public:
    explicit Progress(const CancelToken* cancel = nullptr) : m_cancel(cancel) {}
    virtual ~Progress() = default;

    // The amount of work, once known, in the operation's own unit (bytes, or
    // characters); 0 while nothing can be counted (a key being derived).
    virtual void setRange(qint64 /*total*/) {}
    // The work done so far; back to 0 at the end. Called often: a display
    // throttles it.
    virtual void setPosition(qint64 /*done*/) {}
    // The operation waits for something outside it (another encryption); said once.
    virtual void waiting() {}

    // Asked between steps; true ends the operation with nothing written.
    bool cancelled() const { return m_cancel && m_cancel->cancelled(); }
    const CancelToken* cancelToken() const { return m_cancel; }

    // A display that shows nothing and is never cancelled; it keeps no state,
    // so every caller on every thread may share it.
    static Progress& none();

private:
    const CancelToken* m_cancel;
};

// Passes positions on to a display no more often than every intervalMs, but
// always the first, the last of the range and the 0 that ends an operation:
// enough for the eye, and cheap for the display.
class ThrottledProgress final : public Progress {
public:
    ThrottledProgress(Progress& display, int intervalMs);
    void setRange(qint64 total) override;
    void setPosition(qint64 done) override;
    void waiting() override { m_display.waiting(); }

private:
    Progress& m_display;
    const int m_intervalMs;
    qint64 m_range = -1;
    qint64 m_lastMove = -1; // ms on the steady clock; -1 before the first
};

} // namespace base
