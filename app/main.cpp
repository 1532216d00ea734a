// tessera: the desktop program.

#include "app/StartupArguments.h"
#include "base/AppInfo.h"
#include "resources/Artwork.h"
#include "ui/FormRegistry.h"

#include <QApplication>
#include <QFileInfo>
#include <csignal>
#include <cstdio>

namespace {

QStringList argumentList(int argc, char* argv[]) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// The running executable's absolute path, known before any application object.
QString executablePath(const QString& startedAs) {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return self.canonicalFilePath();
    return QFileInfo(startedAs).absoluteFilePath();
}

} // namespace

int main(int argc, char* argv[]) {
    // Answered before QApplication, which would need a display.
    const QStringList arguments = argumentList(argc, argv);
    switch (app::earlyRequest(arguments)) {
    case app::EarlyRequest::Help:
        std::fputs(qPrintable(app::helpText()), stdout);
        return 0;
    case app::EarlyRequest::Version:
        std::fputs(qPrintable(app::versionText()), stdout);
        return 0;
    case app::EarlyRequest::None:
        break;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        const QString startedAs = arguments.value(0, QStringLiteral("tessera"));
        const QString command = app::commandToStart(startedAs, executablePath(startedAs),
                                                    qEnvironmentVariable("PATH"));
        std::fputs(qPrintable(app::noDisplayHint(command)), stderr);
        return 1;
    }
#endif
#if defined(SIGPIPE)
    // A FIFO chosen as an output whose reader goes away is a failed write that
    // the window reports, not the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(base::kAppTitle);
    QApplication::setApplicationVersion(base::kVersion);
    QApplication::setWindowIcon(resources::appIcon());

    ui::FormRegistry registry;
    ui::registerAllForms(registry);
    ui::startProgram(registry);
    return QApplication::exec();
}
