#pragma once

// The base of every test that drives the program's windows: a registry with
// every window registered and an end of the program that is only counted,
// scripted dialogs, a folder of the test's own, and the ways a test finds a
// window's controls and waits for what a window does.

#include "tests/support/ScriptedDialogs.h"
#include "ui/FormRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace testsupport {

// A file a window offers before the user names one: at the top of drive C: on
// Windows, in the user's home folder elsewhere, as a full path.
inline QString offeredFile(const QString& name) {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\") + name;
#else
    return QDir::toNativeSeparators(QDir::homePath() + QLatin1Char('/') + name);
#endif
}

class GuiFixture : public ::testing::Test {
protected:
    GuiFixture() {
        ui::registerAllForms(registry);
        registry.quitHandler = [this] { ++quits; };
    }

    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    // Every window goes before what the test itself set up for them.
    void TearDown() override {
        registry.unloadAll();
        flushDeletes();
    }

    // A file in the test's own folder.
    QString path(const QString& name) const { return dir.filePath(name); }

    // A window's control by its object name; a failure of the test when the
    // window has none.
    template <class T = QWidget> static T* child(QWidget* window, const QString& name) {
        if (!window) {
            ADD_FAILURE() << "no window to find " << name.toStdString() << " in";
            return nullptr;
        }
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << window->objectName().toStdString() << "."
                                  << name.toStdString();
        return found;
    }
    // A control of a registered window, which is created when it is not loaded.
    template <class T = QWidget> T* child(const QString& windowName, const QString& name) {
        return child<T>(registry.form(windowName), name);
    }

    bool visible(const QString& windowName) const {
        const QWidget* window = registry.loaded(windowName);
        return window && window->isVisible();
    }

    // Shows the window and makes it the active one, where key presses go.
    static bool activate(QWidget* window) {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    // Handles events until `done` holds; false when it did not within the time.
    static bool waitFor(const std::function<bool()>& done, int timeoutMs = 5000) {
        return QTest::qWaitFor(done, timeoutMs);
    }

    // Destroys the windows that were unloaded or closed themselves, as the
    // program's event loop does once the event at hand is handled.
    static void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    int quits = 0;
    ui::FormRegistry registry; // last: its windows go first
};

} // namespace testsupport
