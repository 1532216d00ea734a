// encrypt-file and decrypt-file: the binary file cipher from the command line.

#include "cli/Commands.h"
#include "cli/Password.h"
#include "filecipher/FileCipher.h"

#include <QElapsedTimer>
#include <atomic>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <iterator>
#include <string>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace cli {
namespace {

// The signal that asked the pass to stop (Ctrl+C, kill, a closed terminal).
// An atomic, not a volatile sig_atomic_t: the signal may land on the thread
// that writes the copy while the pass's own thread reads the flag.
std::atomic<int> g_stopSignal = 0;
static_assert(std::atomic<int>::is_always_lock_free, "used in a signal handler");

// A second signal ends the process at once: the pass may be stuck where it
// cannot look (opening a FIFO that nobody reads).
extern "C" void onStopSignal(int signal) {
    if (g_stopSignal != 0) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    g_stopSignal = signal;
}

// While a pass runs, an interrupt cancels it between blocks, so that the
// temporary copy is removed and an earlier file keeps its content, instead of
// ending the process on the spot. Afterwards the signal ends the process as
// it would have, so that the shell sees what happened.
class StopSignals {
public:
    StopSignals() {
        for (std::size_t i = 0; i < kCount; ++i) {
#if defined(Q_OS_UNIX)
            struct sigaction action {};
            action.sa_handler = onStopSignal;
            sigemptyset(&action.sa_mask);
            action.sa_flags = SA_RESTART;
            ::sigaction(kSignals[i], &action, &m_saved[i]);
#else
            m_saved[i] = std::signal(kSignals[i], onStopSignal);
#endif
        }
    }
    ~StopSignals() {
        restore();
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Restores the earlier handlers and, when a signal came, raises it again.
    void finish() {
        restore();
        if (const int signal = g_stopSignal.load()) {
            std::signal(signal, SIG_DFL);
            std::raise(signal);
        }
    }

private:
    void restore() {
        if (m_restored)
            return;
        m_restored = true;
        for (std::size_t i = 0; i < kCount; ++i) {
#if defined(Q_OS_UNIX)
            ::sigaction(kSignals[i], &m_saved[i], nullptr);
#else
            std::signal(kSignals[i], m_saved[i]);
#endif
        }
    }

#if defined(Q_OS_UNIX)
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction m_saved[3]{};
#else
    static constexpr int kSignals[] = {SIGINT, SIGTERM};
    void (*m_saved[2])(int) = {};
#endif
    static constexpr std::size_t kCount = std::size(kSignals);
    bool m_restored = false;
};

bool stderrIsTerminal() {
#if defined(Q_OS_UNIX)
    return ::isatty(STDERR_FILENO) == 1;
#else
    return false;
#endif
}

// A bar on standard error when it is a terminal; nothing otherwise.
class ProgressHost final : public filecipher::PassHost {
public:
    explicit ProgressHost(bool show) : m_show(show) {}
    void setRange(qint64 n) override {
        m_range = n;
        m_clock.start();
    }
    void setPosition(qint64 done) override {
        if (!m_show || m_range <= 0)
            return;
        // The pass starts at 0 and comes back to 0 when it ends: then the bar goes.
        if (done == 0 && m_started) {
            if (m_drawn)
                std::fputs("\r\033[K", stderr);
            std::fflush(stderr);
            m_drawn = false;
            m_range = 0;
            return;
        }
        m_started = true;
        if (m_drawn && m_clock.elapsed() < 100)
            return;
        m_clock.restart();
        const int width = 40;
        const int filled = static_cast<int>(done * width / m_range);
        std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                     std::string(width - filled, ' ').c_str(),
                     static_cast<int>(done * 100 / m_range));
        std::fflush(stderr);
        m_drawn = true;
    }
    bool cancelRequested() const override { return g_stopSignal != 0; }

private:
    bool m_show;
    bool m_started = false;
    bool m_drawn = false;
    qint64 m_range = 0;
    QElapsedTimer m_clock;
};

int fileCommand(const QString& name, const QStringList& args, filecipher::Direction direction) {
    const auto options = parseOptions(name, args, {"password-file"});
    if (!options)
        return kUsage;
    if (options->positional.size() != 2) {
        reportError(QStringLiteral("%1: give INPUT and OUTPUT").arg(name));
        return kUsage;
    }
    const auto password = obtainPassword(options->passwordFile);
    if (!password)
        return kFailed;
    ProgressHost host(stderrIsTerminal());
    filecipher::PassRequest request;
    request.input = options->positional.at(0);
    request.output = options->positional.at(1);
    request.password = *password;
    request.direction = direction;
    StopSignals stopSignals;
    const filecipher::PassResult result = filecipher::FileCipherPass(request, host);
    if (result.status != filecipher::PassStatus::Done)
        reportError(result.message);
    stopSignals.finish();
    return result.status == filecipher::PassStatus::Done ? kOk : kFailed;
}

} // namespace

int encryptFileCommand(const QStringList& args) {
    return fileCommand(QStringLiteral("encrypt-file"), args, filecipher::Direction::Encipher);
}

int decryptFileCommand(const QStringList& args) {
    return fileCommand(QStringLiteral("decrypt-file"), args, filecipher::Direction::Decipher);
}

} // namespace cli
