// The application exit: the fixed list of windows unloaded in order, those not
// loaded passed over, then every other window, then the end of the program.

#include "ui/common/ApplicationExit.h"
#include "tests/support/GuiFixture.h"
#include "ui/main/frmMain.h"

#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>
#include <type_traits>

namespace {

class ApplicationExitOrder : public testsupport::GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        // Plain windows stand in for those of the list that other parts build,
        // so that only the order is watched here.
        ui::ExitUnloadOrder::forEach([this]<class Form> {
            if constexpr (!std::is_same_v<Form, ui::frmMain>)
                registry.registerStandIn<Form>([](ui::FormRegistry&) { return new QWidget; });
        });
        QObject::connect(&registry, &ui::FormRegistry::formUnloaded,
                         [this](const QString& name) { events.append(name); });
        registry.quitHandler = [this] { events.append(QStringLiteral("quit")); };
    }

    QStringList events;
};

TEST_F(ApplicationExitOrder, UnloadsTheListInOrderThenTheRestThenEnds) {
    // Loaded in another order than the list's, some shown, some hidden.
    // The stand-ins are no windows of their classes: they are loaded as widgets.
    forEach<ui::frmMain, ui::frmWizard1, ui::frmHelp, ui::frmTextEnc, ui::frmFinish, ui::frmFile,
            ui::frmEncDec, ui::frmCompile, ui::frmAbout, ui::frmAdvanced>(
        [this]<class Form> { registry.widget<Form>(); });
    registry.show<ui::frmHelp>();
    registry.show<ui::frmAbout>();
    QPointer<QWidget> viewer = new QWidget;
    registry.adopt(viewer);
    viewer->show();
    QPointer<QWidget> main = registry.loaded<ui::frmMain>();

    ui::ApplicationExit(registry);

    EXPECT_EQ(events, (QStringList{"frmAbout", "frmCompile", "frmEncDec", "frmFile", "frmFinish",
                                   "frmTextEnc", "frmHelp", "frmWizard1", "frmMain", "frmAdvanced",
                                   "quit"}));
    EXPECT_TRUE(registry.loadedNames().isEmpty());
    EXPECT_TRUE(registry.adopted().isEmpty());
    // Every window is off the screen at once and destroyed once the event at
    // hand is handled: the handler that ran the exit may belong to one of them.
    ASSERT_FALSE(viewer.isNull());
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_FALSE(main->isVisible());
    flushDeletes();
    EXPECT_TRUE(viewer.isNull());
    EXPECT_TRUE(main.isNull());
}

TEST_F(ApplicationExitOrder, WithOnlyTheHiddenMainWindowLoadedItUnloadsThatAndEnds) {
    registry.form<ui::frmMain>();
    ui::ApplicationExit(registry);
    EXPECT_EQ(events, (QStringList{"frmMain", "quit"}));
}

TEST_F(ApplicationExitOrder, WithNothingLoadedItStillEnds) {
    ui::ApplicationExit(registry);
    EXPECT_EQ(events, QStringList{"quit"});
}

} // namespace
