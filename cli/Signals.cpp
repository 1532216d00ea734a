#include "cli/Signals.h"

#include <atomic>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <vector>

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

// Every signal whose default action ends the process and that a user or
// another program sends to ask it to stop; the ones that report a fault of
// the process itself (SIGSEGV and the like) and SIGPIPE keep their default.
std::vector<int> stopSignals() {
    std::vector<int> signals = {SIGINT, SIGTERM};
#if defined(__unix__) || defined(__APPLE__)
    for (const int signal : {SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF,
                             SIGXCPU, SIGXFSZ})
        signals.push_back(signal);
#endif
#if defined(SIGPOLL)
    signals.push_back(SIGPOLL);
#endif
#if defined(SIGPWR)
    signals.push_back(SIGPWR);
#endif
#if defined(SIGSTKFLT)
    signals.push_back(SIGSTKFLT);
#endif
#if defined(SIGRTMIN) && defined(SIGRTMAX)
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
        signals.push_back(signal);
#endif
    return signals;
}

#if defined(SA_RESTART)
using Saved = struct sigaction;
#else
using Saved = void (*)(int);
#endif
struct Installed {
    int signal;
    Saved saved;
};
std::vector<Installed> g_installed;

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
    for (const int signal : stopSignals()) {
        Installed entry{signal, {}};
#if defined(SA_RESTART)
        if (::sigaction(signal, nullptr, &entry.saved) != 0 || entry.saved.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0; // no SA_RESTART: a blocked read returns EINTR
        if (::sigaction(signal, &action, nullptr) == 0)
            g_installed.push_back(entry);
#else
        entry.saved = std::signal(signal, onStopSignal);
        if (entry.saved == SIG_IGN)
            std::signal(signal, SIG_IGN);
        else
            g_installed.push_back(entry);
#endif
    }
}

StopSignals::~StopSignals() {
    restore();
}

void StopSignals::restore() {
    for (const Installed& entry : g_installed) {
#if defined(SA_RESTART)
        ::sigaction(entry.signal, &entry.saved, nullptr);
#else
        std::signal(entry.signal, entry.saved);
#endif
    }
    g_installed.clear();
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
