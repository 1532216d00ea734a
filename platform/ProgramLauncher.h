#pragma once

// Starts another program by the path of its executable, as a new process in a
// normal window that takes the focus, without waiting for it. Tests install a
// launcher that records the paths instead.

#include <QString>

namespace platform {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // False when the program could not be started.
    virtual bool start(const QString& path) = 0;
};

// The launcher of the services in force (platform/Services.h): the system's
// unless one was installed.
ProgramLauncher& programLauncher();

// Starts the program at path through the launcher in force.
bool launchProgram(const QString& path);

} // namespace platform
