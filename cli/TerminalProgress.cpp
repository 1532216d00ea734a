#include "cli/TerminalProgress.h"

#include "cli/Commands.h"
#include "cli/Signals.h"
#include "words/Describe.h"

#include <cstdio>
#include <string>

namespace cli {
namespace {

constexpr int kRedrawMs = 100;
constexpr int kWidth = 40;

} // namespace

TerminalProgress::TerminalProgress(bool bar)
    : base::Progress(&StopSignals::token()), m_terminal(stderrIsTerminal()), m_bar(bar) {}

TerminalProgress::~TerminalProgress() {
    clear();
}

void TerminalProgress::setRange(qint64 total) {
    m_range = total;
}

void TerminalProgress::setPosition(qint64 done) {
    // The operation comes back to 0 when it ends: then the bar goes.
    if (done == 0) {
        clear();
        return;
    }
    if (!m_terminal || !m_bar || m_range <= 0)
        return;
    if (m_drawn && m_drawnAt.elapsed() < kRedrawMs)
        return;
    m_drawnAt.start();
    const int filled = static_cast<int>(done * kWidth / m_range);
    std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                 std::string(kWidth - filled, ' ').c_str(),
                 static_cast<int>(done * 100 / m_range));
    std::fflush(stderr);
    m_drawn = true;
}

void TerminalProgress::waiting() {
    if (m_terminal)
        reportError(words::waitingForWorkingFile());
}

void TerminalProgress::clear() {
    if (m_drawn) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
    }
    m_drawn = false;
}

} // namespace cli
