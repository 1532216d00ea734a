#include "cli/Signals.h"

#include <atomic>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <poll.h>
#else
#define POLLIN 1
#endif

namespace cli {
namespace {

// An atomic rather than a volatile sig_atomic_t: the signal may land on the
// thread that writes a copy while the command's own thread reads the flag.
std::atomic<int> g_received = 0;
static_assert(std::atomic<int>::is_always_lock_free, "used in a signal handler");

base::CancelToken& stopToken() {
    static base::CancelToken token;
    return token;
}
// Reached from the handler, which may not run the static's first use.
base::CancelToken* g_token = nullptr;

// A second signal ends the process at once: a command may be stuck where it
// cannot look (a device that never answers).
extern "C" void onStopSignal(int signal) {
    if (g_received.load() != 0) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    g_received.store(signal);
    if (g_token)
        g_token->cancel();
}

// Every signal whose default action ends the process and that a user or
// another program sends to ask it to stop; the ones that report a fault of
// the process itself (SIGSEGV and the like) and SIGPIPE keep their default.
std::vector<int> stopSignals() {
    std::vector<int> list = {SIGINT, SIGTERM};
#if defined(__unix__) || defined(__APPLE__)
    for (const int signal : {SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF,
                             SIGXCPU, SIGXFSZ})
        list.push_back(signal);
#endif
#if defined(SIGPOLL)
    list.push_back(SIGPOLL);
#endif
#if defined(SIGPWR)
    list.push_back(SIGPWR);
#endif
#if defined(SIGSTKFLT)
    list.push_back(SIGSTKFLT);
#endif
#if defined(SIGRTMIN) && defined(SIGRTMAX)
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
        list.push_back(signal);
#endif
    return list;
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
    g_token = &stopToken();
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

StopSignals::~StopSignals() = default;

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

const base::CancelToken& StopSignals::token() {
    return stopToken();
}

bool StopSignals::waitToRead(int fd) {
    return base::waitFor(fd, POLLIN, &stopToken()) != base::Wait::Cancelled;
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
