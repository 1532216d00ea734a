#pragma once

// A program run as a user's script runs it: arguments, standard input given
// and closed, standard output and error gathered, the exit status. The tests
// of tessera-cli (which define TESSERA_CLI) run it through cli().

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <unistd.h>

namespace testsupport {

struct CliRun {
    int status = -1; // the exit status; -1 when ended by a signal or not at all
    QByteArray out;
    QByteArray err;
};

// This process's environment without the variables named in `removed`, and
// with the given NAME=value settings.
inline QProcessEnvironment environmentWith(const QStringList& settings,
                                           const QStringList& removed = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : removed)
        env.remove(name);
    for (const QString& setting : settings)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    return env;
}

// Runs the program in `folder` (empty: this one); one that has not ended
// within the time is a failure, and is killed.
inline CliRun runProcess(const QString& program, const QStringList& args,
                         const QByteArray& input = {},
                         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                         int timeoutMs = 60000, const QString& folder = {}) {
    QProcess p;
    p.setProcessEnvironment(env);
    if (!folder.isEmpty())
        p.setWorkingDirectory(folder);
    p.start(program, args);
    EXPECT_TRUE(p.waitForStarted()) << program.toStdString();
    p.write(input);
    p.closeWriteChannel();
    const bool finished = p.waitForFinished(timeoutMs);
    EXPECT_TRUE(finished) << "still waiting: " << args.join(' ').toStdString();
    if (!finished) {
        p.kill();
        p.waitForFinished();
    }
    return {finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            p.readAllStandardOutput(), p.readAllStandardError()};
}

// A count from /proc/PID/io of a running program ("rchar": bytes read so far,
// "wchar": written); 0 once it has ended.
inline qint64 ioCount(qint64 pid, const QByteArray& name) {
    QFile io(QStringLiteral("/proc/%1/io").arg(pid));
    if (!io.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().toLongLong();
    }
    return 0;
}

// All a descriptor gives until its end: until the writers closed a pipe, a
// terminal's last user closed its far end, or a descriptor that does not
// block has nothing more for now.
inline QByteArray readToEnd(int fd) {
    QByteArray got;
    char chunk[65536];
    for (ssize_t n; (n = ::read(fd, chunk, sizeof chunk)) > 0;)
        got.append(chunk, n);
    return got;
}

#ifdef TESSERA_CLI
inline CliRun cli(const QStringList& args, const QByteArray& input = {}) {
    return runProcess(QStringLiteral(TESSERA_CLI), args, input);
}
#endif

} // namespace testsupport
