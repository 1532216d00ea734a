#pragma once

// What the desktop program answers before it needs a display: --help,
// --version, and the hint it gives when there is no display to open.

#include <QString>
#include <QStringList>

namespace app {

// What the command line asks for before any window: "--help" or "-h",
// "--version", else nothing (the arguments are Qt's and the windows'). Only
// those before "--" and "--webEngineArgs" count: those after are the web engine's.
enum class EarlyRequest { None, Help, Version };
EarlyRequest earlyRequest(const QStringList& arguments);

QString helpText();
QString versionText();

// How the user can start this program again: the bare name when the name
// alone finds this very executable on PATH (an installed program), otherwise
// the path it was started by, or the executable's own path when that was a
// bare name found elsewhere. Quoted for a shell where needed.
//   startedAs   argv[0]
//   executable  the running executable's absolute path
//   path        the value of PATH
QString commandToStart(const QString& startedAs, const QString& executable, const QString& path);

// The one-line message for a start without a display.
QString noDisplayHint(const QString& command);

} // namespace app
