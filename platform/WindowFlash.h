#pragma once

// Flashes a window's caption to draw the user's eye, like the Win32 call
// FlashWindow. On Windows each call with invert set switches the caption bar
// between its active and inactive look, so a caller repeats it to keep it
// flickering. Other window systems have no such switch: there the call raises
// the window's attention request (the demands-attention state), which holds by
// itself until the user turns to the window, so repeating it adds nothing.
// Tests install a flasher that records the calls.

class QWidget;

namespace platform {

class WindowFlasher {
public:
    virtual ~WindowFlasher() = default;

    // One flash: invert true switches the caption's look (or asks for
    // attention), false restores its normal look. Returns whether the window
    // was active before the call, as FlashWindow does.
    virtual bool flash(QWidget* window, bool invert) = 0;

    // True when one flash lasts until the window is activated, so that calling
    // again before then has no effect.
    virtual bool holdsUntilActivated() const = 0;
};

// The flasher of the services in force (platform/Services.h): the system's
// unless one was installed.
WindowFlasher& windowFlasher();

// FlashWindow through the flasher in force.
bool flashWindow(QWidget* window, bool invert);

} // namespace platform
