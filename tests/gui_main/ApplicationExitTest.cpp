// The application exit: the fixed list of windows unloaded in order, those not
// loaded passed over, then every other window, then the end of the program.

#include "ui/main/ApplicationExit.h"
#include "tests/support/ScriptedDialogs.h"
#include "ui/FormRegistry.h"

#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class ApplicationExitOrder : public ::testing::Test {
protected:
    void SetUp() override {
        ui::registerAllForms(registry);
        // Plain windows stand in for those of the list that other parts build,
        // so that only the order is watched here.
        for (const char* name : ui::kExitUnloadOrder) {
            if (QString::fromLatin1(name) != QStringLiteral("frmMain"))
                registry.registerForm(QString::fromLatin1(name),
                                      [](ui::FormRegistry&) { return new QWidget; });
        }
        QObject::connect(&registry, &ui::FormRegistry::formUnloaded,
                         [this](const QString& name) { events.append(name); });
        registry.quitHandler = [this] { events.append(QStringLiteral("quit")); };
    }

    testsupport::ScriptedDialogs dialogs;
    ui::FormRegistry registry;
    QStringList events;
};

TEST_F(ApplicationExitOrder, UnloadsTheListInOrderThenTheRestThenEnds) {
    // Loaded in another order than the list's, some shown, some hidden.
    for (const char* name : {"frmMain", "frmWizard1", "frmHelp", "frmTextEnc", "frmFinish",
                             "frmFile", "frmEncDec", "frmCompile", "frmAbout", "frmAdvanced"})
        registry.form(QString::fromLatin1(name));
    registry.show(QStringLiteral("frmHelp"));
    registry.show(QStringLiteral("frmAbout"));
    QPointer<QWidget> viewer = new QWidget;
    registry.adopt(viewer);
    viewer->show();

    ui::ApplicationExit(registry);

    EXPECT_EQ(events, (QStringList{"frmAbout", "frmCompile", "frmEncDec", "frmFile", "frmFinish",
                                   "frmTextEnc", "frmHelp", "frmWizard1", "frmMain", "frmAdvanced",
                                   "quit"}));
    EXPECT_TRUE(viewer.isNull());
    EXPECT_TRUE(registry.loadedNames().isEmpty());
}

TEST_F(ApplicationExitOrder, WithOnlyTheHiddenMainWindowLoadedItUnloadsThatAndEnds) {
    registry.form(QStringLiteral("frmMain"));
    ui::ApplicationExit(registry);
    EXPECT_EQ(events, (QStringList{"frmMain", "quit"}));
}

TEST_F(ApplicationExitOrder, WithNothingLoadedItStillEnds) {
    ui::ApplicationExit(registry);
    EXPECT_EQ(events, QStringList{"quit"});
}

} // namespace
