// The web page viewer on the real web engine, against pages served on
// 127.0.0.1 by the test itself. Nothing here reaches beyond loopback.

#include "LoopbackServer.h"
#include "platform/BrowserControl.h"
#include "tests/support/GuiFixture.h"
#include "ui/AppInfo.h"
#include "ui/main/frmMain.h"
#include "ui/startup/frmBrowser.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

// Readable strings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

constexpr int kLoadTimeoutMs = 15000;

// Runs the event loop until `done` holds or the time is up. The engine does
// much of its work in small tasks on this thread: QTest::qWaitFor, which
// sleeps between rounds of events, would slow every load down to seconds.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = kLoadTimeoutMs) {
    // Windows closed by the test body go first, as they would in the
    // program's own event loop (a nested loop leaves them alone).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(5);
    loop.exec();
    return done();
}

QStringList entries(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

class BrowserEngineTest : public testsupport::GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        ASSERT_TRUE(server.listening());
    }
    void TearDown() override {
        GuiFixture::TearDown();
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('\n').toStdString();
    }

    QWidget* open(const QString& address) {
        ui::frmBrowser* w = registry.createNew<ui::frmBrowser>();
        w->setStartingAddress(address);
        w->show();
        return w;
    }
    static QComboBox* box(QWidget* w) {
        return w->findChild<QComboBox*>(QStringLiteral("cboAddress"));
    }
    static QTimer* timer(QWidget* w) { return w->findChild<QTimer*>(QStringLiteral("timTimer")); }
    static platform::BrowserControl* control(QWidget* w) {
        return w->findChild<platform::BrowserControl*>(QStringLiteral("brwWebBrowser"));
    }
    // Waits for a page's title in the caption with the busy watch stopped.
    static bool waitForPage(QWidget* w, const QString& title) {
        return waitUntil([&] { return w->windowTitle() == title && !timer(w)->isActive(); });
    }
    static void enterAddress(QWidget* w, const QString& address) {
        box(w)->setEditText(address);
        QTest::keyClick(box(w)->lineEdit(), Qt::Key_Return);
    }

    testsupport::LoopbackServer server;
};

TEST_F(BrowserEngineTest, LoadsTwoPagesKeepsTheHistoryAndGoesBack) {
    const QString page1 = server.url("/page1.html");
    const QString page2 = server.url("/page2.html");
    QWidget* w = open(page1);
    ASSERT_NE(control(w), nullptr);
    ASSERT_TRUE(waitForPage(w, "Page One")) << w->windowTitle().toStdString();
    EXPECT_EQ(control(w)->locationURL(), page1);
    EXPECT_EQ(entries(box(w)), QStringList{page1});
    EXPECT_FALSE(control(w)->busy());

    enterAddress(w, page2);
    EXPECT_TRUE(control(w)->busy()); // busy from the request on
    ASSERT_TRUE(waitForPage(w, "Page Two")) << w->windowTitle().toStdString();
    EXPECT_EQ(entries(box(w)), (QStringList{page2, page1}));
    EXPECT_EQ(box(w)->currentText(), page2);

    w->findChild<QAction*>("Back")->trigger();
    ASSERT_TRUE(waitForPage(w, "Page One")) << w->windowTitle().toStdString();
    EXPECT_EQ(entries(box(w)), (QStringList{page1, page2}));

    w->findChild<QAction*>("Forward")->trigger();
    ASSERT_TRUE(waitForPage(w, "Page Two")) << w->windowTitle().toStdString();
    EXPECT_EQ(entries(box(w)), (QStringList{page2, page1}));

    w->findChild<QAction*>("Refresh")->trigger();
    ASSERT_TRUE(waitUntil([&] { return server.hits("/page2.html") == 2; }));
    ASSERT_TRUE(waitForPage(w, "Page Two"));
    EXPECT_EQ(entries(box(w)), (QStringList{page2, page1}));
}

TEST_F(BrowserEngineTest, AMoveWithinThePageIsListedAndEndsWorking) {
    const QString page1 = server.url("/page1.html");
    QWidget* w = open(page1);
    ASSERT_TRUE(waitForPage(w, "Page One"));

    // No load takes place: the watch must still come to rest.
    enterAddress(w, page1 + "#links");
    ASSERT_TRUE(waitUntil([&] { return !timer(w)->isActive(); }));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Page One"));
    EXPECT_EQ(entries(box(w)), (QStringList{page1 + "#links", page1}));
    EXPECT_EQ(server.hits("/page1.html"), 1);

    w->findChild<QAction*>("Back")->trigger();
    ASSERT_TRUE(waitUntil([&] { return !timer(w)->isActive() && box(w)->currentText() == page1; }));
    EXPECT_EQ(entries(box(w)), (QStringList{page1, page1 + "#links"}));
}

TEST_F(BrowserEngineTest, WorkingWhileASlowPageLoadsAndStopEndsIt) {
    server.slowDelayMs = 5000;
    QWidget* w = open(server.url("/page1.html"));
    ASSERT_TRUE(waitForPage(w, "Page One"));

    enterAddress(w, server.url("/slow.html"));
    ASSERT_TRUE(waitUntil([&] { return w->windowTitle() == "Working..."; }));
    ASSERT_TRUE(waitUntil([&] { return server.hits("/slow.html") == 1; }));
    EXPECT_TRUE(control(w)->busy());

    w->findChild<QAction*>("Stop")->trigger();
    EXPECT_NE(w->windowTitle(), QStringLiteral("Working..."));
    EXPECT_FALSE(timer(w)->isActive());
    EXPECT_TRUE(waitUntil([&] { return !control(w)->busy(); }));
    waitUntil([] { return false; }, 100); // a tick of the watch, had it kept running
    EXPECT_NE(w->windowTitle(), QStringLiteral("Working..."));
}

TEST_F(BrowserEngineTest, ClosingAViewerInTheMiddleOfALoad) {
    QWidget* w = open(server.url("/slow.html"));
    ASSERT_TRUE(waitUntil([&] { return server.hits("/slow.html") == 1; }));
    ASSERT_EQ(w->windowTitle(), QStringLiteral("Working..."));
    QPointer<QWidget> gone(w);
    w->close();
    ASSERT_TRUE(waitUntil([&] { return gone.isNull(); }));
    EXPECT_TRUE(registry.adopted().isEmpty());
    waitUntil([] { return false; }, 200); // whatever the engine still reports
}

TEST_F(BrowserEngineTest, AnUnreachablePageFailsQuietlyAndTheViewerStaysUsable) {
    const QString nowhere =
        QStringLiteral("http://127.0.0.1:%1/").arg(testsupport::closedLoopbackPort());
    QWidget* w = open(nowhere);
    ASSERT_TRUE(waitUntil([&] { return !timer(w)->isActive(); }));
    EXPECT_NE(w->windowTitle(), QStringLiteral("Working..."));
    EXPECT_EQ(entries(box(w)), QStringList{nowhere});

    enterAddress(w, server.url("/page1.html"));
    ASSERT_TRUE(waitForPage(w, "Page One"));
    EXPECT_EQ(entries(box(w)), (QStringList{server.url("/page1.html"), nowhere}));
}

TEST_F(BrowserEngineTest, TwoViewersBrowseIndependently) {
    QWidget* first = open(server.url("/page1.html"));
    QWidget* second = open(server.url("/page2.html"));
    ASSERT_TRUE(waitForPage(first, "Page One"));
    ASSERT_TRUE(waitForPage(second, "Page Two"));
    enterAddress(first, server.url("/page2.html"));
    ASSERT_TRUE(waitForPage(first, "Page Two"));
    EXPECT_EQ(entries(box(first)),
              (QStringList{server.url("/page2.html"), server.url("/page1.html")}));
    EXPECT_EQ(entries(box(second)), QStringList{server.url("/page2.html")});
}

// Saves the viewer showing a loopback page as frmBrowser.png in the folder
// named by TESSERA_SCREENSHOT_DIR, else in the build's screenshot folder when
// run as the "screenshots" labelled test.
// An engine that cannot start ends the process it starts in, and the typed
// message with it: the web command says so in one box instead, and the main
// window goes on as it was. Each case is one the engine dies of here.
TEST_F(BrowserEngineTest, TheWebCommandSaysWhyTheEngineCannotStartAndTheProgramGoesOn) {
    struct Setting {
        const char* variable;
        const char* value; // nullptr: the variable is unset
    };
    struct Case {
        const char* name;
        QList<Setting> settings;
        const char* why;
    };
    QList<Case> cases = {
        {"no helper",
         {{"QTWEBENGINEPROCESS_PATH", "/nonexistent/QtWebEngineProcess"}},
         "the web engine's helper program (QtWebEngineProcess) is missing"},
        {"no resources",
         {{"QTWEBENGINE_RESOURCES_PATH", "/nonexistent"}},
         "the web engine's resources (qtwebengine_resources.pak) are missing"},
    };
    // As the test scripts run, but without their sandbox switch. The program's
    // own arguments may hold --no-sandbox (ctest runs this once so): the
    // engine never reads them, and the check must not either.
    const char* root = "the web engine does not run for the administrator (root)";
    if (geteuid() == 0) {
        cases.prepend({"root", {{"QTWEBENGINE_DISABLE_SANDBOX", nullptr}}, root});
        cases.prepend(
            {"root, no engine flags",
             {{"QTWEBENGINE_DISABLE_SANDBOX", nullptr}, {"QTWEBENGINE_CHROMIUM_FLAGS", nullptr}},
             root});
    }
    auto* main = registry.form<ui::frmMain>();
    ASSERT_TRUE(activate(main));
    auto* text = child<QPlainTextEdit>(main, QStringLiteral("txtIn"));
    const QString typed = QStringLiteral("A message typed before the web page was asked for.");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QList<std::optional<QByteArray>> before;
        for (const Setting& s : c.settings) {
            before << (qEnvironmentVariableIsSet(s.variable) ? std::optional(qgetenv(s.variable))
                                                             : std::nullopt);
            s.value ? qputenv(s.variable, s.value) : qunsetenv(s.variable);
        }
        text->setPlainText(typed);
        dialogs.clear();
        child<QPushButton>(main, QStringLiteral("cmdWeb"))->click(); // the first box: go on
        for (qsizetype i = 0; i < c.settings.size(); ++i)
            before[i] ? qputenv(c.settings[i].variable, *before[i])
                      : qunsetenv(c.settings[i].variable);
        ASSERT_EQ(dialogs.messages.size(), 2);
        EXPECT_TRUE(dialogs.messages[1].text.startsWith(
            QStringLiteral("The web page cannot be shown here: ") + QLatin1String(c.why)))
            << dialogs.messages[1].text.toStdString();
        EXPECT_TRUE(dialogs.messages[1].text.endsWith(ui::kAuthorWebPage + QLatin1Char('.')));
        EXPECT_EQ(dialogs.messages[1].icon, platform::Icon::Warning);
        EXPECT_TRUE(registry.adopted().isEmpty());
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(text->toPlainText(), typed);
    }
    dialogs.clear();
}

TEST_F(BrowserEngineTest, Screenshot) {
    QString folder = qEnvironmentVariable("TESSERA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        folder = qEnvironmentVariable("TESSERA_DEFAULT_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "TESSERA_SCREENSHOT_DIR is not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    ui::frmBrowser* w = registry.createNew<ui::frmBrowser>();
    w->setStartingAddress(server.url("/page1.html"));
    // Away from the pointer's resting place, so that no button shows hovered.
    w->move(200, 200);
    w->show();
    ASSERT_TRUE(waitForPage(w, "Page One"));
    waitUntil([] { return false; }, 500); // let the engine hand over its first frame
    const QString file = QDir(folder).filePath(QStringLiteral("frmBrowser.png"));
    ASSERT_TRUE(w->grab().save(file)) << file.toStdString();
}

} // namespace
