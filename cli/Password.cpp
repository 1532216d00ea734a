#include "cli/Password.h"

#include "cli/Commands.h"

#include <QFile>
#include <QStringDecoder>
#include <cstdio>
#include <string>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace cli {
namespace {

std::optional<QString> fromUtf8(const QByteArray& bytes, const QString& where) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        reportError(QStringLiteral("the password in %1 is not valid UTF-8").arg(where));
        return std::nullopt;
    }
    return text;
}

#if defined(Q_OS_UNIX)
std::optional<QString> askOnTerminal() {
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY);
    if (fd < 0) {
        reportError(QStringLiteral("no password: give --password-file PW (there is no terminal "
                                   "to ask on)"));
        return std::nullopt;
    }
    const char prompt[] = "Password: ";
    [[maybe_unused]] auto w = ::write(fd, prompt, sizeof prompt - 1);
    termios saved{};
    const bool isTerminal = ::tcgetattr(fd, &saved) == 0;
    if (isTerminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    QByteArray line;
    char c = 0;
    while (::read(fd, &c, 1) == 1 && c != '\n')
        line.append(c);
    if (isTerminal)
        ::tcsetattr(fd, TCSAFLUSH, &saved);
    w = ::write(fd, "\n", 1);
    ::close(fd);
    if (line.endsWith('\r'))
        line.chop(1);
    return fromUtf8(line, QStringLiteral("the terminal"));
}
#else
std::optional<QString> askOnTerminal() {
    reportError(QStringLiteral("no password: give --password-file PW"));
    return std::nullopt;
}
#endif

} // namespace

std::optional<QString> obtainPassword(const QString& passwordFile) {
    if (passwordFile.isEmpty())
        return askOnTerminal();
    QFile file(passwordFile);
    if (!file.open(QIODevice::ReadOnly)) {
        reportError(QStringLiteral("cannot read the password file %1: %2")
                        .arg(passwordFile, file.errorString()));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    return fromUtf8(bytes, passwordFile);
}

} // namespace cli
