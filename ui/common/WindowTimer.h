#pragma once

// The timers of the classic windows: each one named as the window's design
// names it (tests find it by that name), with its interval, calling a slot of
// its window each time it runs out.

#include <QObject>
#include <QString>
#include <QTimer>

namespace ui {

template <class Window>
void setUpTimer(QTimer* timer, const QString& name, int intervalMs, Window* window,
                void (Window::*onTimeout)()) {
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    QObject::connect(timer, &QTimer::timeout, window, onTimeout);
}

} // namespace ui
