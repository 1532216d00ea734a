#include "platform/ProgramLauncher.h"

#include "platform/Services.h"

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

} // namespace

ProgramLauncher& programLauncher() {
    ProgramLauncher* installed = services().launcher;
    return installed ? *installed : systemLauncher();
}

bool launchProgram(const QString& path) {
    return programLauncher().start(path);
}

} // namespace platform
