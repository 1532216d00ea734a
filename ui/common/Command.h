#pragma once

// The one way a window is busy. A command runs a window's work as a Job and,
// for as long as it runs, holds the window: the hourglass over it, the user's
// input held back, and the window's bar (when it has one) counting what the
// work reports or busy while a key is derived. Once the work has returned, the
// command's own step shows the outcome, and the window is given back.
//
// The input is held back in one of two ways. By default the window keeps its
// look and no click or key reaches any of its controls, menus and shortcuts
// included, as if the work ran on the window's own thread. A window whose
// controls should show that they are not to be used names them instead: they
// are disabled for the time, and one control may stay live (a Close that
// cancels the work), with the arrow over it.

#include "ui/common/Job.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QProgressBar;
class QWidget;

namespace ui {

class Command : public QObject {
    Q_OBJECT
public:
    explicit Command(QWidget* window, QProgressBar* bar = nullptr);
    // Cancels running work and waits for it, see cancel().
    ~Command() override;

    // Holds the window's input by disabling these controls rather than unseen;
    // `live` keeps working. The control that had the focus loses it for the
    // time (else it would pass to `live`) and gets it back on release().
    void disableWhileBusy(const QList<QWidget*>& inputs, QWidget* live = nullptr);

    struct Run {
        Job::Work work = {};
        // Shows the outcome on the window's thread once the work has returned.
        // It may hand the window back earlier than the end with release() or
        // releasePointer(); whatever it leaves held is released after it.
        std::function<void()> present = {};
        // The window that is busy, when not the command's own.
        QWidget* window = nullptr;
        // The work reports every character: the bar moves in steps the eye
        // can see, not once per character.
        bool perCharacter = false;
        // The bar goes back to 0 before the outcome is shown; otherwise after.
        bool emptyBarFirst = false;
    };
    // Starts the work and returns at once; false (nothing happens) while
    // earlier work runs or without a window to hold.
    bool start(Run run);
    // From start() until the outcome begins to be shown.
    bool running() const { return m_job != nullptr; }
    // Asks running work to stop and waits for it: every wait of the work
    // looks at the cancel several times a second, so it normally ends at once;
    // should the system itself never answer (a device that hangs), the work is
    // left to end on its own, unseen. Nothing is shown; the bar is back at 0.
    void cancel();

    // The normal pointer back, the input still held.
    void releasePointer();
    // The pointer and the input back, and the focus where it was.
    void release();

    // The hourglass over the window while `work` runs on the window's own
    // thread (printing, whose dialogs hold the input themselves).
    void busyWhile(const std::function<void()>& work);

private:
    class Hold;
    void end();
    void showRange(qint64 total);
    void showPosition(qint64 done);
    void resetBar();

    QPointer<QWidget> m_window;
    QPointer<QProgressBar> m_bar;
    QList<QPointer<QWidget>> m_inputs; // disabled while busy; none: held unseen
    QPointer<QWidget> m_live;
    Job* m_job = nullptr;
    std::unique_ptr<Hold> m_hold;
    std::function<void()> m_present;
    int m_runs = 0; // tells a run started while the outcome was shown
    bool m_perCharacter = false;
    bool m_emptyBarFirst = false;
    int m_barMaximum = 0; // the bar's range before the run
    int m_barShift = 0;   // QProgressBar counts in int: totals past it are scaled down
    int m_barStep = 1;
};

} // namespace ui
