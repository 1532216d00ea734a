#include "cli/Signals.h"

#include <atomic>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <iterator>

#if defined(__unix__) || defined(__APPLE__)
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#define TESSERA_WAKE_PIPE 1
#endif

namespace cli {
namespace {

// An atomic rather than a volatile sig_atomic_t: the signal may land on the
// thread that writes a copy while the command's own thread reads the flag.
std::atomic<int> g_received = 0;
static_assert(std::atomic<int>::is_always_lock_free, "used in a signal handler");

#if defined(TESSERA_WAKE_PIPE)
// The handler writes a byte here after raising the flag; a wait that polls
// the other end wakes even when the signal came just before it began.
int g_wake[2] = {-1, -1};
#endif

// A second signal ends the process at once: a command may be stuck where it
// cannot look (a device that never answers).
extern "C" void onStopSignal(int signal) {
    if (g_received.load() != 0) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    g_received.store(signal);
#if defined(TESSERA_WAKE_PIPE)
    const int saved = errno;
    if (g_wake[1] >= 0)
        [[maybe_unused]] const auto n = ::write(g_wake[1], "!", 1);
    errno = saved;
#endif
}

#if defined(SIGHUP)
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
#else
constexpr int kSignals[] = {SIGINT, SIGTERM};
#endif
constexpr std::size_t kCount = std::size(kSignals);

#if defined(SA_RESTART)
struct sigaction g_saved[kCount]{};
#else
void (*g_saved[kCount])(int) = {};
#endif
bool g_installed[kCount] = {};

} // namespace

StopSignals::StopSignals() {
#if defined(TESSERA_WAKE_PIPE)
    if (g_wake[0] < 0) {
        if (::pipe(g_wake) == 0) {
            for (const int end : g_wake) {
                ::fcntl(end, F_SETFD, FD_CLOEXEC);
                ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
            }
        } else {
            g_wake[0] = g_wake[1] = -1;
        }
    }
#endif
    for (std::size_t i = 0; i < kCount; ++i) {
#if defined(SA_RESTART)
        if (::sigaction(kSignals[i], nullptr, &g_saved[i]) != 0 || g_saved[i].sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0; // no SA_RESTART: a blocked read returns EINTR
        g_installed[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
#else
        g_saved[i] = std::signal(kSignals[i], onStopSignal);
        if (g_saved[i] == SIG_IGN)
            std::signal(kSignals[i], SIG_IGN);
        else
            g_installed[i] = true;
#endif
    }
}

StopSignals::~StopSignals() {
    restore();
}

void StopSignals::restore() {
    for (std::size_t i = 0; i < kCount; ++i) {
        if (!g_installed[i])
            continue;
        g_installed[i] = false;
#if defined(SA_RESTART)
        ::sigaction(kSignals[i], &g_saved[i], nullptr);
#else
        std::signal(kSignals[i], g_saved[i]);
#endif
    }
}

int StopSignals::received() {
    return g_received.load();
}

bool StopSignals::waitToRead(int fd) {
#if defined(TESSERA_WAKE_PIPE)
    for (;;) {
        if (g_received.load() != 0)
            return false;
        pollfd waits[2] = {{fd, POLLIN, 0}, {g_wake[0], POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return true; // let the read itself name what is wrong
        }
        if (waits[1].revents != 0 && g_received.load() != 0)
            return false;
        if (waits[0].revents != 0)
            return true;
    }
#else
    (void)fd;
    return g_received.load() == 0;
#endif
}

void StopSignals::endBySignal() {
    const int signal = g_received.load();
    restore();
    if (signal != 0) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    std::_Exit(128 + signal);
}

} // namespace cli
