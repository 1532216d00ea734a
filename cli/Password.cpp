#include "cli/Password.h"

#include "base/Limits.h"
#include "base/Utf8.h"
#include "cipher/Keys.h"
#include "cli/Commands.h"
#include "cli/Input.h"
#include "cli/Signals.h"
#include "words/Describe.h"

#include <QCoreApplication>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#include <iterator>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace cli {
namespace {

// The longest password file worth reading: the longest password in UTF-8
// (a UTF-16 unit takes at most three bytes) and a line end.
constexpr qsizetype kPasswordFileLimit = qsizetype(base::kMaxPasswordLength) * 3 + 2;

QString tooLong() {
    return QCoreApplication::translate("cli", "the password is longer than %1 characters")
        .arg(base::kMaxPasswordLength);
}

// The password in bytes, which are wiped here whatever becomes of them.
std::optional<Secret> checked(QByteArray& bytes, const QString& where) {
    std::optional<QString> decoded = base::decodeUtf8(bytes);
    base::wipe(bytes);
    if (!decoded) {
        reportError(
            QCoreApplication::translate("cli", "the password in %1 is not valid UTF-8").arg(where));
        return std::nullopt;
    }
    Secret text(std::move(*decoded));
    if (text.text().isEmpty()) {
        reportError(QCoreApplication::translate("cli",
                                                "the password is empty: put it in the file that "
                                                "--password-file names, or type it at the prompt"));
        return std::nullopt;
    }
    if (text.text().size() > base::kMaxPasswordLength) {
        reportError(tooLong());
        return std::nullopt;
    }
    return text;
}

#if defined(Q_OS_UNIX)

// The terminal a fault must give its echo back to before the process ends.
int g_quietFd = -1;
termios g_quietSaved{};

// The signals that end a process for a fault of its own, or for a pipe that
// closed; they are not the user's request to stop, so they end it at once.
constexpr int kFatalSignals[] = {SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGPIPE, SIGSEGV, SIGSYS, SIGTRAP};

extern "C" void onFatalSignal(int signal) {
    if (g_quietFd >= 0)
        ::tcsetattr(g_quietFd, TCSANOW, &g_quietSaved);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// Echo off for as long as the password is typed, and back as it was on every
// way out: the end of the line, an error, a stop signal (which ends the wait),
// or a fault (whose handler restores it before the process ends).
class QuietTerminal {
public:
    explicit QuietTerminal(int fd) : m_fd(fd) {
        m_active = ::tcgetattr(fd, &m_saved) == 0;
        if (!m_active)
            return;
        g_quietSaved = m_saved;
        g_quietFd = fd;
        struct sigaction action {};
        action.sa_handler = onFatalSignal;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kFatalSignals); ++i)
            m_fatalInstalled[i] = ::sigaction(kFatalSignals[i], &action, &m_fatalSaved[i]) == 0;
        termios quiet = m_saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    ~QuietTerminal() {
        if (!m_active)
            return;
        ::tcsetattr(m_fd, TCSANOW, &m_saved);
        g_quietFd = -1;
        for (std::size_t i = 0; i < std::size(kFatalSignals); ++i) {
            if (m_fatalInstalled[i])
                ::sigaction(kFatalSignals[i], &m_fatalSaved[i], nullptr);
        }
    }
    QuietTerminal(const QuietTerminal&) = delete;
    QuietTerminal& operator=(const QuietTerminal&) = delete;

private:
    int m_fd;
    termios m_saved{};
    bool m_active = false;
    struct sigaction m_fatalSaved[std::size(kFatalSignals)] {};
    bool m_fatalInstalled[std::size(kFatalSignals)] = {};
};

std::optional<Secret> askOnTerminal(const QString& prompt) {
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reportError(QCoreApplication::translate(
            "cli", "no password: give --password-file PW (there is no terminal "
                   "to ask on)"));
        return std::nullopt;
    }
    // Room for the longest password at once: a growing array would leave
    // copies of what was typed so far in freed memory.
    QByteArray line;
    line.reserve(kPasswordFileLimit);
    bool overlong = false;
    bool interrupted = false;
    [[maybe_unused]] ssize_t w = 0;
    {
        // Echo goes off before the prompt shows: whatever is typed once the
        // prompt is on the screen stays hidden, and the flush drops only what
        // was typed ahead of it.
        QuietTerminal quiet(fd);
        const QByteArray shown = prompt.toLocal8Bit();
        w = ::write(fd, shown.constData(), size_t(shown.size()));
        char c = 0;
        for (;;) {
            if (!StopSignals::waitToRead(fd)) {
                interrupted = true;
                break;
            }
            const ssize_t n = ::read(fd, &c, 1);
            if (n < 0 && errno == EINTR)
                continue;
            if (n != 1 || c == '\n')
                break;
            // What is typed past the limit is read, to the line's end, and dropped.
            if (line.size() < kPasswordFileLimit)
                line.append(c);
            else
                overlong = true;
        }
    }
    w = ::write(fd, "\n", 1);
    ::close(fd);
    if (interrupted || overlong) {
        base::wipe(line);
        if (interrupted)
            reportInterrupted();
        else
            reportError(tooLong());
        return std::nullopt;
    }
    if (line.endsWith('\r'))
        line.chop(1);
    return checked(line, QCoreApplication::translate("cli", "the terminal"));
}

#else

std::optional<Secret> askOnTerminal(const QString&) {
    reportError(QCoreApplication::translate("cli", "no password: give --password-file PW"));
    return std::nullopt;
}

#endif

} // namespace

std::optional<Secret> obtainPassword(const QString& passwordFile) {
    return obtainPassword(passwordFile, QCoreApplication::translate("cli", "Password: "));
}

std::optional<Secret> obtainNewPassword(const QString& passwordFile) {
    if (!passwordFile.isEmpty())
        return obtainPassword(passwordFile);
    std::optional<Secret> first =
        askOnTerminal(QCoreApplication::translate("cli", "New password: "));
    if (!first)
        return std::nullopt;
    const std::optional<Secret> again =
        askOnTerminal(QCoreApplication::translate("cli", "The same again: "));
    if (!again)
        return std::nullopt;
    if (again->text() != first->text()) {
        reportError(
            QCoreApplication::translate("cli", "the two passwords differ; nothing was written"));
        return std::nullopt;
    }
    return first;
}

std::optional<Secret> obtainPassword(const QString& passwordFile, const QString& prompt) {
    if (passwordFile.isEmpty())
        return askOnTerminal(prompt);
    Input input = readBounded(passwordFile, kPasswordFileLimit);
    switch (input.status) {
    case Input::Status::Ok:
        break;
    case Input::Status::TooLong:
        reportError(QCoreApplication::translate("cli", "%1 in %2").arg(tooLong(), passwordFile));
        return std::nullopt;
    case Input::Status::Interrupted:
        reportInterrupted();
        return std::nullopt;
    case Input::Status::Failed:
        reportError(QCoreApplication::translate("cli", "cannot read the password file %1: %2")
                        .arg(passwordFile, input.error));
        return std::nullopt;
    }
    QByteArray& bytes = input.bytes;
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    return checked(bytes, passwordFile);
}

void warnOfWeakPassword(const Secret& password) {
    if (!stderrIsTerminal())
        return;
    const std::optional<cipher::Strength> strength = cipher::passwordStrength(password.text());
    if (!strength || !strength->weak())
        return;
    reportError(QCoreApplication::translate(
                    "cli", "warning: %1 password (%2 to guess); a sealed file is only as "
                           "strong as its password")
                    .arg(words::strengthLevel(*strength), words::duration(strength->seconds)));
}

} // namespace cli
