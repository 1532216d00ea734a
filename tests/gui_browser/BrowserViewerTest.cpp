// The web page viewer's rules, against a browser control whose pages the test
// delivers: the caption, the address history, the address box, the toolbar,
// resizing and several viewers at once.

#include "FakeBrowserControl.h"
#include "platform/BrowserControl.h"
#include "tests/support/GuiFixture.h"
#include "ui/AppInfo.h"
#include "ui/startup/frmBrowser.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>
#include <optional>

// Readable strings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

using testsupport::FakeBrowserControl;

const QString kSite = QStringLiteral("http://127.0.0.1/site");
const QString kA = QStringLiteral("http://a.test/");
const QString kB = QStringLiteral("http://b.test/");
const QString kC = QStringLiteral("http://c.test/");

platform::BrowserControl* makeFake(QWidget* parent) {
    return new FakeBrowserControl(parent);
}

QStringList entries(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

class BrowserViewerTest : public testsupport::GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        m_services.set(&platform::Services::browser, {&makeFake});
    }
    void TearDown() override {
        GuiFixture::TearDown();
        // The viewer never shows a message box, whatever happens.
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('\n').toStdString();
    }

    // What the main window does: a new viewer, its starting address, show.
    QWidget* open(const QString& address) {
        ui::frmBrowser* w = registry.createNew<ui::frmBrowser>();
        EXPECT_NE(w, nullptr);
        w->setStartingAddress(address);
        w->show();
        return w;
    }

    static FakeBrowserControl* control(QWidget* w) {
        return w->findChild<FakeBrowserControl*>(QStringLiteral("brwWebBrowser"));
    }
    static QComboBox* box(QWidget* w) {
        return w->findChild<QComboBox*>(QStringLiteral("cboAddress"));
    }
    static QTimer* timer(QWidget* w) { return w->findChild<QTimer*>(QStringLiteral("timTimer")); }
    static QAction* button(QWidget* w, const QString& key) { return w->findChild<QAction*>(key); }
    static ui::frmBrowser* viewer(QWidget* w) { return qobject_cast<ui::frmBrowser*>(w); }

    // Lets the busy watch tick until it stops itself (or the deadline passes).
    static bool waitUntilIdle(QWidget* w) {
        return QTest::qWaitFor([&] { return !timer(w)->isActive(); }, 2000);
    }

    // Enter typed into the address box after replacing its text.
    static void typeAddress(QWidget* w, const QString& text) {
        ASSERT_TRUE(activate(w));
        box(w)->setFocus();
        ASSERT_TRUE(box(w)->lineEdit()->hasFocus());
        box(w)->lineEdit()->selectAll();
        QTest::keyClicks(box(w)->lineEdit(), text);
        QTest::keyClick(box(w)->lineEdit(), Qt::Key_Return);
    }

private:
    testsupport::ServicesGuard m_services;
};

TEST_F(BrowserViewerTest, OpensAsDesignedAndLoadsNothingWithoutAnAddress) {
    QWidget* w = registry.createNew<ui::frmBrowser>();
    ASSERT_NE(viewer(w), nullptr);
    EXPECT_EQ(viewer(w)->StartingAddress(), QString());
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::Tool)); // no taskbar entry
    EXPECT_EQ(w->size(), QSize(436, 342));
    EXPECT_EQ(box(w)->currentText(), QStringLiteral("Combo1"));
    EXPECT_EQ(box(w)->count(), 0);
    EXPECT_EQ(timer(w)->interval(), 5);
    EXPECT_FALSE(timer(w)->isActive());

    auto* bar = w->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    ASSERT_NE(bar, nullptr);
    QStringList keys;
    for (QAction* a : bar->actions()) {
        keys << a->data().toString();
        EXPECT_FALSE(a->icon().isNull()) << a->data().toString().toStdString();
    }
    EXPECT_EQ(keys, (QStringList{"Back", "Forward", "Stop", "Refresh", "Home"}));
    auto* label = w->findChild<QLabel*>(QStringLiteral("lblAddress"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("&Address:"));
    EXPECT_EQ(label->buddy(), box(w));

    w->show();
    // The load step moves the box to 50, 330 twips and sizes the controls.
    EXPECT_EQ(box(w)->pos(), QPoint(3, 22));
    EXPECT_EQ(box(w)->width(), 429);
    // The page begins at the address strip's lower edge, not under the strip.
    const QWidget* strip = w->findChild<QWidget*>(QStringLiteral("picAddress"));
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->geometry().bottom() + 1, 99);
    EXPECT_EQ(control(w)->geometry(), QRect(3, 99, 429, 236));
    EXPECT_FALSE(strip->geometry().intersects(control(w)->geometry()));
    EXPECT_EQ(w->windowTitle(), QString());
    EXPECT_TRUE(control(w)->calls.isEmpty());
    EXPECT_FALSE(timer(w)->isActive());
    EXPECT_EQ(box(w)->currentText(), QStringLiteral("Combo1"));
    // The toolbar's buttons take no focus: the window starts in the address box.
    ASSERT_TRUE(activate(w));
    EXPECT_TRUE(box(w)->hasFocus());
}

TEST_F(BrowserViewerTest, StartingAddressIsTheOnlyEntryAndWorkingTurnsIntoTheTitle) {
    QWidget* w = open(kA);
    EXPECT_EQ(box(w)->currentText(), kA);
    EXPECT_EQ(entries(box(w)), QStringList{kA});
    EXPECT_EQ(control(w)->calls, QStringList{"navigate " + kA});
    ASSERT_TRUE(timer(w)->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->windowTitle() == "Working..."; }, 2000));
    EXPECT_TRUE(timer(w)->isActive()); // it keeps watching while the control is busy

    control(w)->arrive(kA, QStringLiteral("The Author"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("The Author"));
    EXPECT_EQ(entries(box(w)), QStringList{kA}); // the same address replaces the entry
    ASSERT_TRUE(waitUntilIdle(w));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("The Author"));
    // Selecting the new top entry started no navigation of its own.
    EXPECT_EQ(control(w)->calls.size(), 1);
}

TEST_F(BrowserViewerTest, StartingAddressDifferingByATrailingSlashStaysBelow) {
    QWidget* w = open(kSite);
    control(w)->arrive(kSite + "/", QStringLiteral("Site"));
    EXPECT_EQ(entries(box(w)), (QStringList{kSite + "/", kSite}));
    EXPECT_EQ(box(w)->currentText(), kSite + "/");
    EXPECT_EQ(box(w)->currentIndex(), 0);
}

TEST_F(BrowserViewerTest, HistoryIsMostRecentFirstWithoutDuplicates) {
    QWidget* w = open(kA);
    FakeBrowserControl* c = control(w);
    c->arrive(kA, "A");
    typeAddress(w, kB);
    c->arrive(kB, "B");
    typeAddress(w, kC);
    c->arrive(kC, "C");
    EXPECT_EQ(entries(box(w)), (QStringList{kC, kB, kA}));

    // Choosing an entry of the list navigates to it; arriving moves it up.
    const int indexOfA = box(w)->findText(kA);
    box(w)->setCurrentIndex(indexOfA);
    emit box(w)->activated(indexOfA);
    EXPECT_EQ(c->calls.last(), "navigate " + kA);
    c->arrive(kA, "A");
    EXPECT_EQ(entries(box(w)), (QStringList{kA, kC, kB}));
    EXPECT_EQ(box(w)->currentText(), kA);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("A"));

    // Comparison is exact: another spelling is another entry.
    typeAddress(w, kB.toUpper());
    c->arrive(kB.toUpper(), "B upper");
    EXPECT_EQ(entries(box(w)), (QStringList{kB.toUpper(), kA, kC, kB}));
}

TEST_F(BrowserViewerTest, EnterNavigatesToWhateverTheBoxHolds) {
    QWidget* w = open(kA);
    FakeBrowserControl* c = control(w);
    c->arrive(kA, "A");
    ASSERT_TRUE(waitUntilIdle(w));

    typeAddress(w, QStringLiteral("example.org/not listed"));
    EXPECT_EQ(c->calls.last(), QStringLiteral("navigate example.org/not listed"));
    EXPECT_EQ(c->calls.size(), 2);
    EXPECT_TRUE(timer(w)->isActive());
    // The box itself adds nothing: only an arrival changes the list.
    EXPECT_EQ(entries(box(w)), QStringList{kA});

    // A listed address: one navigation, not two.
    c->arrive(QStringLiteral("http://example.org/not%20listed"), "X");
    typeAddress(w, kA);
    EXPECT_EQ(c->calls.size(), 3);
    EXPECT_EQ(c->calls.last(), "navigate " + kA);

    // Other keys are the box's own.
    viewer(w)->cboAddress_KeyPress('a');
    EXPECT_EQ(c->calls.size(), 3);

    // Leaving the box with a listed address typed in is no choice from the list.
    c->arrive(kA, "A");
    box(w)->lineEdit()->setText(QStringLiteral("http://example.org/not%20listed"));
    control(w)->setFocusPolicy(Qt::StrongFocus);
    control(w)->setFocus();
    ASSERT_FALSE(box(w)->lineEdit()->hasFocus());
    EXPECT_EQ(c->calls.size(), 3);
}

TEST_F(BrowserViewerTest, AltAMovesTheFocusToTheAddressBox) {
    QWidget* w = open(kA);
    ASSERT_TRUE(activate(w));
    control(w)->setFocusPolicy(Qt::StrongFocus);
    control(w)->setFocus();
    ASSERT_FALSE(box(w)->hasFocus());
    QTest::keyClick(w, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(box(w)->hasFocus());
}

TEST_F(BrowserViewerTest, StopEndsWorkingAtOnceWithTheCurrentTitle) {
    QWidget* w = open(kA);
    FakeBrowserControl* c = control(w);
    c->arrive(kA, "Page A");
    typeAddress(w, kB);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->windowTitle() == "Working..."; }, 2000));

    button(w, "Stop")->trigger();
    EXPECT_EQ(c->calls.last(), QStringLiteral("stop"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Page A"));
    EXPECT_FALSE(timer(w)->isActive());
    ASSERT_TRUE(ticksPass(6, timer(w)->interval()));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Page A"));
}

TEST_F(BrowserViewerTest, ToolbarButtonsDriveTheControlAndWatchIt) {
    QWidget* w = open(kA);
    FakeBrowserControl* c = control(w);
    c->arrive(kA, "A");
    typeAddress(w, kB);
    c->arrive(kB, "B");
    ASSERT_TRUE(waitUntilIdle(w));

    button(w, "Back")->trigger();
    EXPECT_EQ(c->calls.last(), QStringLiteral("back"));
    EXPECT_TRUE(timer(w)->isActive());
    c->arriveInHistory();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("A"));
    EXPECT_EQ(entries(box(w)), (QStringList{kA, kB}));

    button(w, "Forward")->trigger();
    EXPECT_EQ(c->calls.last(), QStringLiteral("forward"));
    c->arriveInHistory();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("B"));
    EXPECT_EQ(entries(box(w)), (QStringList{kB, kA}));
    ASSERT_TRUE(waitUntilIdle(w));

    button(w, "Refresh")->trigger();
    EXPECT_EQ(c->calls.last(), QStringLiteral("refresh"));
    EXPECT_TRUE(timer(w)->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->windowTitle() == "Working..."; }, 2000));
    c->arriveInHistory();
    ASSERT_TRUE(waitUntilIdle(w));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("B"));

    // Home is the author's page.
    button(w, "Home")->trigger();
    EXPECT_EQ(c->calls.last(), QStringLiteral("home"));
    EXPECT_EQ(c->pending(), ui::kAuthorWebPage);
    EXPECT_TRUE(timer(w)->isActive());

    // Back with nowhere to go: the watch stops at its first idle tick.
    QWidget* fresh = open(QString());
    button(fresh, "Back")->trigger();
    EXPECT_EQ(control(fresh)->calls, QStringList{"back"});
    ASSERT_TRUE(waitUntilIdle(fresh));
    EXPECT_EQ(fresh->windowTitle(), QString());
}

TEST_F(BrowserViewerTest, ResizingSizesBoxAndBrowserInTwipsWithoutMovingThem) {
    QWidget* w = open(kA);
    const QPoint boxAt = box(w)->pos();
    const QPoint browserAt = control(w)->pos();

    // Inner width less 100 twips (6.67 px); inner height less the strip's
    // bottom edge (1485 twips) less 100 twips.
    for (const QSize size : {QSize(600, 400), QSize(437, 343), QSize(1000, 700)}) {
        w->resize(size);
        const int width = qRound((size.width() * 15 - 100) / 15.0);
        const int height = qRound((size.height() * 15 - 1485 - 100) / 15.0);
        EXPECT_EQ(box(w)->width(), width) << size.width();
        EXPECT_EQ(control(w)->size(), QSize(width, height)) << size.width();
        EXPECT_EQ(box(w)->pos(), boxAt);
        EXPECT_EQ(control(w)->pos(), browserAt);
        EXPECT_EQ(control(w)->y(), w->findChild<QWidget*>("picAddress")->geometry().bottom() + 1);
        // The toolbar and the address strip stay docked across the top.
        EXPECT_EQ(w->findChild<QToolBar*>("tbToolBar")->width(), size.width());
        EXPECT_EQ(w->findChild<QWidget*>("picAddress")->width(), size.width());
    }
    EXPECT_EQ(control(w)->size(), QSize(993, 594));

    // Too low for the browser: its height is left as it was.
    w->resize(300, 90);
    EXPECT_EQ(box(w)->width(), 293);
    EXPECT_EQ(control(w)->size(), QSize(293, 594));
}

TEST_F(BrowserViewerTest, TwoViewersAtOnceKeepTheirOwnHistories) {
    QWidget* first = open(kA);
    QWidget* second = open(kB);
    ASSERT_NE(first, second);
    ASSERT_NE(control(first), control(second));
    EXPECT_EQ(registry.adopted().size(), 2);

    control(first)->arrive(kA, "A");
    control(second)->arrive(kB, "B");
    typeAddress(first, kC);
    control(first)->arrive(kC, "C");

    EXPECT_EQ(entries(box(first)), (QStringList{kC, kA}));
    EXPECT_EQ(entries(box(second)), QStringList{kB});
    EXPECT_EQ(first->windowTitle(), QStringLiteral("C"));
    EXPECT_EQ(second->windowTitle(), QStringLiteral("B"));
    EXPECT_EQ(control(second)->calls, QStringList{"navigate " + kB});

    // Closing one discards it and leaves the other working.
    QPointer<QWidget> gone(first);
    first->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gone.isNull(); }, 2000));
    EXPECT_EQ(registry.adopted(), QList<QWidget*>{second});
    typeAddress(second, kA);
    control(second)->arrive(kA, "A again");
    EXPECT_EQ(entries(box(second)), (QStringList{kA, kB}));
}

// The engine's sandbox as the engine itself will see it: its variable, else
// the arguments after "--webEngineArgs", never the program's own.
TEST(WebEngineSandbox, IsJudgedByWhatTheEngineReads) {
    const std::optional<QString> unset;
    const struct {
        const char* arguments;        // the program's, after its name
        std::optional<QString> flags; // QTWEBENGINE_CHROMIUM_FLAGS
        bool disableSet;              // QTWEBENGINE_DISABLE_SANDBOX set
        bool off;
    } cases[] = {
        {"", unset, false, false},
        {"--no-sandbox", unset, false, false},
        {"--webEngineArgs --no-sandbox", unset, false, true},
        {"--WEBENGINEARGS --no-sandbox", unset, false, true},
        {"--no-sandbox --webEngineArgs --disable-gpu", unset, false, false},
        {"--webEngineArgs -no-sandbox=1", unset, false, true},
        {"--webEngineArgs -- --no-sandbox", unset, false, false},
        {"--webEngineArgs --no-sandbox-and-more", unset, false, false},
        {"", QStringLiteral("--disable-gpu --no-sandbox"), false, true},
        {"", QStringLiteral("\"--no-sandbox\""), false, true},
        {"--webEngineArgs --no-sandbox", QStringLiteral("--disable-gpu"), false, false},
        {"--webEngineArgs --no-sandbox", QString(), false, false},
        {"--no-sandbox", QStringLiteral("--disable-gpu"), true, true},
    };
    for (const auto& c : cases) {
        const QStringList program =
            QStringLiteral("tessera %1").arg(c.arguments).split(' ', Qt::SkipEmptyParts);
        const QStringList engine = platform::webEngineArguments(program, c.flags);
        EXPECT_EQ(platform::webEngineSandboxOff(engine, c.disableSet), c.off)
            << c.arguments << " / " << c.flags.value_or(QStringLiteral("(unset)")).toStdString()
            << ": " << engine.join(' ').toStdString();
    }
}

} // namespace
