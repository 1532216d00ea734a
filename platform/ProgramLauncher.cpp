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

} // namespace

ProgramLauncher& programLauncher() {
    return installedOr<SystemLauncher>(services().launcher);
}

bool launchProgram(const QString& path) {
    return programLauncher().start(path);
}

} // namespace platform
