#pragma once

// The tests' one progress display: it remembers every range and position an
// operation reported, with the time of each, counts the waits, and cancels
// when a test asks (at once, or from onPosition or onWaiting).

#include "base/Progress.h"

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

namespace testsupport {

class RecordingProgress : public base::Progress {
public:
    RecordingProgress() : base::Progress(&m_cancel) { m_clock.start(); }

    void setRange(qint64 total) override { ranges.push_back(total); }
    void setPosition(qint64 done) override {
        positions.push_back(done);
        times.push_back(m_clock.elapsed());
        if (onPosition)
            onPosition(done);
    }
    void waiting() override {
        ++waits;
        if (onWaiting)
            onWaiting();
    }

    void cancel() { m_cancel.cancel(); }

    qint64 highest() const {
        return positions.empty() ? -1 : *std::max_element(positions.begin(), positions.end());
    }
    qint64 last() const { return positions.empty() ? -1 : positions.back(); }

    std::vector<qint64> ranges;
    std::vector<qint64> positions;
    std::vector<qint64> times; // milliseconds since the display was made, one per position
    int waits = 0;
    std::function<void(qint64 done)> onPosition;
    std::function<void()> onWaiting;

private:
    base::CancelToken m_cancel;
    QElapsedTimer m_clock;
};

} // namespace testsupport
