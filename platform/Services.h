#pragma once

// The parts of the system the program works through: message boxes and file
// dialogs, the registry, the default printer, starting other programs,
// flashing a window's caption and the web browser control. One set of them is
// in force for the whole program; an empty member stands for the system's own.
// The program installs nothing and so runs on the system's; tests install a
// set with their fakes and bring back the earlier set when they are done. The
// free functions (dialogs(), registry(), printer(), ...) read from the set in
// force.

#include <QString>
#include <optional>

class QWidget;

namespace platform {

class BrowserControl;
class DialogProvider;
class PrinterPort;
class ProgramLauncher;
class Registry;
class WindowFlasher;

// Makes a browser control.
using BrowserControlFactory = BrowserControl* (*)(QWidget* parent);
// Why the controls of a factory cannot start on this machine, as a clause;
// nothing when they can.
using BrowserCheck = std::optional<QString> (*)();

// A way to make browser controls: the factory, and what tells whether its
// controls can start (none: they always can).
struct BrowserEngine {
    BrowserControlFactory make = nullptr;
    BrowserCheck problem = nullptr;
};

// None of these is owned; an empty one is the system's own.
struct Services {
    DialogProvider* dialogs = nullptr;
    Registry* registry = nullptr;
    PrinterPort* printer = nullptr;
    ProgramLauncher* launcher = nullptr;
    WindowFlasher* flasher = nullptr;
    // Without a factory, a blank page that only remembers the addresses it
    // was sent to. The web engine's library puts its own here as it is loaded.
    BrowserEngine browser = {};
};

// The set in force.
const Services& services();

// Puts `services` in force and returns the set that was.
Services installServices(const Services& services);

// The one in force of a service: `installed`, or else the system's own, a
// `System` made on first use and kept for the rest of the program.
template <class System, class Port> Port& installedOr(Port* installed) {
    if (installed)
        return *installed;
    static System system;
    return system;
}

} // namespace platform
