#include "platform/ProgramLauncher.h"

#include <QProcess>

namespace platform {
namespace {

class SystemLauncher final : public ProgramLauncher {
public:
    bool start(const QString& path) override {
        if (path.isEmpty())
            return false;
        // A detached process outlives this program and opens its own window;
        // the window system gives the new window the focus.
        return QProcess::startDetached(path, {});
    }
};

SystemLauncher& systemLauncher() {
    static SystemLauncher instance;
    return instance;
}

ProgramLauncher* g_launcher = nullptr;

} // namespace

ProgramLauncher& programLauncher() {
    return g_launcher ? *g_launcher : systemLauncher();
}

void setProgramLauncher(ProgramLauncher* launcher) {
    g_launcher = launcher;
}

bool launchProgram(const QString& path) {
    return programLauncher().start(path);
}

} // namespace platform
