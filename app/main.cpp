// tessera: the desktop program.

#include "resources/Artwork.h"
#include "ui/FormRegistry.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("tessera: no display found; start it from a desktop session, or headless "
                   "with: xvfb-run -a tessera\n",
                   stderr);
        return 1;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessera2"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_STRING));
    QApplication::setWindowIcon(resources::appIcon());

    ui::FormRegistry registry;
    ui::registerAllForms(registry);
    ui::startProgram(registry);
    return QApplication::exec();
}
