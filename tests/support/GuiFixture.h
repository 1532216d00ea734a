#pragma once

// The base of every test that drives the program's windows: a registry with
// every window registered and an end of the program that is only counted,
// scripted dialogs, a folder of the test's own, and the ways a test finds a
// window's controls and waits for what a window does.

#include "tests/support/ScriptedDialogs.h"
#include "ui/FormRegistry.h"
#include "ui/common/Job.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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

// Until every command the windows started off their thread has ended and
// shown its outcome, as a user sees it done.
inline bool settle(int timeoutMs = 60000) {
    return QTest::qWaitFor([] { return ui::Job::unfinished() == 0; }, timeoutMs);
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

    // The name a window class is registered under, for a stand-in of one's own.
    template <class Form> static QString nameOf() { return ui::FormRegistry::nameOf<Form>(); }

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
    // A control of a window, which is created when it is not loaded:
    // child<ui::frmPW, QLineEdit>("txtPW"); inside a check's macro the comma
    // wants brackets, or a helper of one type such as the wizard fixture's.
    template <class Form, class T = QWidget> T* child(const QString& name) {
        return child<T>(registry.form<Form>(), name);
    }

    // Whether a window is loaded under the class's name (a stand-in too) and on
    // the screen.
    template <class Form> bool visible() const {
        const QWidget* window = registry.loadedWidget<Form>();
        return window && window->isVisible();
    }
    // The names of the given windows that are on the screen, in that order.
    template <class... Forms> QStringList shown() const {
        QStringList names;
        ((visible<Forms>() ? void(names << nameOf<Forms>()) : void()), ...);
        return names;
    }
    // The given windows, each created when it is not loaded.
    template <class... Forms> QList<QWidget*> forms() { return {registry.form<Forms>()...}; }
    // Takes `step` once for each window class, in order:
    // forEach<ui::frmPW, ui::frmFile>([&]<class Form> { ... }).
    template <class... Forms, class Step> static void forEach(Step&& step) {
        (step.template operator()<Forms>(), ...);
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

    static bool settle(int timeoutMs = 60000) { return testsupport::settle(timeoutMs); }

    // Lets `ticks` ticks of a timer of our own pass, started now with the
    // interval of a window's timer: a timer of that interval started before it
    // would have ticked as often by then, had it run on.
    static bool ticksPass(int ticks, int intervalMs) {
        QTimer clock;
        clock.setTimerType(Qt::PreciseTimer);
        int ticked = 0;
        QObject::connect(&clock, &QTimer::timeout, [&] { ++ticked; });
        clock.start(intervalMs);
        return waitFor([&] { return ticked >= ticks; });
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
