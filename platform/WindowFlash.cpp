#include "platform/WindowFlash.h"

#include "platform/Services.h"

#include <QApplication>
#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {
namespace {

#ifdef Q_OS_WIN

class Win32Flasher final : public WindowFlasher {
public:
    bool flash(QWidget* window, bool invert) override {
        // A window that is not on screen has no caption to flash; asking for
        // its handle would create one for nothing.
        if (!window || !window->isVisible())
            return false;
        return ::FlashWindow(reinterpret_cast<HWND>(window->winId()), invert ? TRUE : FALSE);
    }
    bool holdsUntilActivated() const override { return false; }
};

#else

class AttentionFlasher final : public WindowFlasher {
public:
    bool flash(QWidget* window, bool invert) override {
        if (!window || !window->isVisible())
            return false;
        const bool wasActive = window->isActiveWindow();
        // Qt ignores the request for the active window and for one that already
        // asks for attention, so this never sends the window system anything
        // twice; the window system ends the request when the user activates it.
        if (invert)
            QApplication::alert(window, 0);
        return wasActive;
    }
    bool holdsUntilActivated() const override { return true; }
};

#endif

#ifdef Q_OS_WIN
using SystemFlasher = Win32Flasher;
#else
using SystemFlasher = AttentionFlasher;
#endif

} // namespace

WindowFlasher& windowFlasher() {
    return installedOr<SystemFlasher>(services().flasher);
}

bool flashWindow(QWidget* window, bool invert) {
    return windowFlasher().flash(window, invert);
}

} // namespace platform
