// tessera: the desktop program.

#include "app/StartupArguments.h"
#include "base/AppInfo.h"
#include "resources/Artwork.h"
#include "translations/Language.h"
#include "ui/FormRegistry.h"

#include <QApplication>
#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <optional>

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

// What the program says before QApplication, which would need a display: its
// help and version, and how to start it without a display. Nothing when it is
// to go on and open its windows.
std::optional<int> answerEarly(int argc, char* argv[]) {
    const QStringList arguments = argumentList(argc, argv);
    const app::EarlyRequest request = app::earlyRequest(arguments);
    bool noDisplay = false;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    noDisplay = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
                qEnvironmentVariableIsEmpty("DISPLAY") &&
                qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
    if (request == app::EarlyRequest::None && !noDisplay)
        return std::nullopt;
    // A core application needs no display, and speaks the user's language.
    QCoreApplication core(argc, argv);
    const i18n::Translation translation;
    switch (request) {
    case app::EarlyRequest::Help:
        std::fputs(qPrintable(app::helpText()), stdout);
        return 0;
    case app::EarlyRequest::Version:
        std::fputs(qPrintable(app::versionText()), stdout);
        return 0;
    case app::EarlyRequest::None:
        break;
    }
    const QString startedAs = arguments.value(0, QStringLiteral("tessera"));
    const QString command =
        app::commandToStart(startedAs, executablePath(startedAs), qEnvironmentVariable("PATH"));
    std::fputs(qPrintable(app::noDisplayHint(command)), stderr);
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = answerEarly(argc, argv))
        return *status;
#if defined(SIGPIPE)
    // A FIFO chosen as an output whose reader goes away is a failed write that
    // the window reports, not the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(base::kAppTitle);
    QApplication::setApplicationVersion(base::kVersion);
    QApplication::setWindowIcon(resources::appIcon());
    // The windows in the user's language, Qt's own buttons and dialogs too.
    const i18n::Translation translation;

    ui::FormRegistry registry;
    ui::registerAllForms(registry);
    ui::startProgram(registry);
    return QApplication::exec();
}
