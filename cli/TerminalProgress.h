#pragma once

// How every command of tessera-cli shows its progress: a bar on standard
// error while a file is enciphered, and a line when a command waits, both
// only when standard error is a terminal; a stop signal cancels it.

#include "base/Progress.h"

#include <QElapsedTimer>

namespace cli {

class TerminalProgress final : public base::Progress {
public:
    // bar: whether the command shows one (a file's pass; a message is too
    // short to need one).
    explicit TerminalProgress(bool bar);
    ~TerminalProgress() override;

    void setRange(qint64 total) override;
    void setPosition(qint64 done) override;
    void waiting() override;

private:
    void clear();

    const bool m_terminal;
    const bool m_bar;
    bool m_drawn = false;
    qint64 m_range = 0;
    QElapsedTimer m_drawnAt;
};

} // namespace cli
