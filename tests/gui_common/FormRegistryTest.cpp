// The registry by class: every window is found under the one name it has and
// dressed with its own icon; a stand-in under a window's name is shown but
// never taken for that window; and unloading leaves the window to the end of
// the event at hand, so that the handler that asked returns safely.

#include "resources/Artwork.h"
#include "tests/support/GuiFixture.h"
#include "ui/filecipher/frmEncFile.h"
#include "ui/common/ApplicationExit.h"
#include "ui/keys/frmKeys.h"
#include "ui/main/frmAdvanced.h"
#include "ui/main/frmBack.h"
#include "ui/main/frmHelp.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmSecret.h"
#include "ui/startup/frmAbout.h"
#include "ui/startup/frmBrowser.h"
#include "ui/startup/frmFlash.h"
#include "ui/startup/frmLoad.h"
#include "ui/wizard/frmCompile.h"
#include "ui/wizard/frmEncDec.h"
#include "ui/wizard/frmFile.h"
#include "ui/wizard/frmFinish.h"
#include "ui/wizard/frmPW.h"
#include "ui/wizard/frmPrintShow.h"
#include "ui/wizard/frmTextEnc.h"
#include "ui/wizard/frmWizard1.h"
#include "ui/wizard/frmWizardAdvanced.h"

#include <QPointer>
#include <QPushButton>
#include <memory>

namespace {

using FormRegistryTest = testsupport::GuiFixture;

// The window of this class, found by its class, is the one of this name.
template <class Form> void expectFoundByClass(ui::FormRegistry& registry, const char* name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ui::FormRegistry::nameOf<Form>(), QString::fromLatin1(name));
    Form* window = registry.form<Form>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QString::fromLatin1(name));
    EXPECT_EQ(registry.loaded<Form>(), window);
    EXPECT_EQ(registry.widget<Form>(), window);
}

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(QSize(32, 32)).toImage();
}

TEST_F(FormRegistryTest, EveryWindowIsFoundByItsClassUnderItsOwnName) {
    expectFoundByClass<ui::frmMain>(registry, "frmMain");
    expectFoundByClass<ui::frmAdvanced>(registry, "frmAdvanced");
    expectFoundByClass<ui::frmBack>(registry, "frmBack");
    expectFoundByClass<ui::frmHelp>(registry, "frmHelp");
    expectFoundByClass<ui::frmSecret>(registry, "frmSecret");
    expectFoundByClass<ui::frmKeys>(registry, "frmKeys");
    expectFoundByClass<ui::frmEncFile>(registry, "frmEncFile");
    expectFoundByClass<ui::frmWizard1>(registry, "frmWizard1");
    expectFoundByClass<ui::frmCompile>(registry, "frmCompile");
    expectFoundByClass<ui::frmEncDec>(registry, "frmEncDec");
    expectFoundByClass<ui::frmPW>(registry, "frmPW");
    expectFoundByClass<ui::frmFile>(registry, "frmFile");
    expectFoundByClass<ui::frmTextEnc>(registry, "frmTextEnc");
    expectFoundByClass<ui::frmWizardAdvanced>(registry, "frmWizardAdvanced");
    expectFoundByClass<ui::frmPrintShow>(registry, "frmPrintShow");
    expectFoundByClass<ui::frmFinish>(registry, "frmFinish");
    expectFoundByClass<ui::frmLoad>(registry, "frmLoad");
    expectFoundByClass<ui::frmFlash>(registry, "frmFlash");
    expectFoundByClass<ui::frmAbout>(registry, "frmAbout");

    // The viewer is made anew each time, under its name too.
    ui::frmBrowser* viewer = registry.createNew<ui::frmBrowser>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->objectName(), QStringLiteral("frmBrowser"));
    EXPECT_NE(registry.createNew<ui::frmBrowser>(), viewer);
    EXPECT_EQ(registry.adopted().size(), 2);

    // Nothing is registered that the list above leaves out.
    EXPECT_EQ(registry.registeredNames(),
              (QStringList{"frmAbout", "frmAdvanced", "frmBack", "frmBrowser", "frmCompile",
                           "frmEncDec", "frmEncFile", "frmFile", "frmFinish", "frmFlash",
                           "frmHelp", "frmKeys", "frmLoad", "frmMain", "frmPW", "frmPrintShow",
                           "frmSecret", "frmTextEnc", "frmWizard1", "frmWizardAdvanced"}));
    // The list that the walks over every window go by leaves none out either.
    QStringList all;
    ui::AllForms::forEach([&]<class Form> { all << nameOf<Form>(); });
    all.sort();
    EXPECT_EQ(all, registry.registeredNames());
}

TEST_F(FormRegistryTest, EveryWindowWearsTheIconItsArtworkNames) {
    const QImage app = iconImage(resources::appIcon());
    const QImage file = iconImage(resources::windowIcon(resources::WindowIcon::File));
    const QImage globe = iconImage(resources::windowIcon(resources::WindowIcon::Globe));
    ASSERT_NE(file, app);
    ASSERT_NE(globe, app);
    EXPECT_EQ(iconImage(registry.form<ui::frmEncFile>()->windowIcon()), file);
    EXPECT_EQ(iconImage(registry.createNew<ui::frmBrowser>()->windowIcon()), globe);
    for (QWidget* window :
         forms<ui::frmMain, ui::frmAdvanced, ui::frmHelp, ui::frmPW, ui::frmCompile>()) {
        SCOPED_TRACE(qPrintable(window->objectName()));
        EXPECT_EQ(iconImage(window->windowIcon()), app);
    }
}

TEST_F(FormRegistryTest, AStandInUnderAWindowsNameIsShownButNeverTakenForThatWindow) {
    registry.registerStandIn<ui::frmSecret>(
        [](ui::FormRegistry&) -> QWidget* { return new QWidget; });
    QWidget* shown = registry.show<ui::frmSecret>();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(registry.isLoaded<ui::frmSecret>());
    EXPECT_EQ(registry.form<ui::frmSecret>(), nullptr);
    EXPECT_EQ(registry.loaded<ui::frmSecret>(), nullptr);
    registry.hide<ui::frmSecret>();
    EXPECT_FALSE(shown->isVisible());
}

// The mode chooser's Exit unloads the chooser itself from inside its own
// click: the window must still be there when the click returns.
TEST_F(FormRegistryTest, AWindowUnloadedByItsOwnHandlerGoesOnceTheHandlerIsDone) {
    QList<QString> unloaded;
    QObject watching; // ends the watch with the test body
    QObject::connect(&registry, &ui::FormRegistry::formUnloaded, &watching,
                     [&](const QString& name) { unloaded.append(name); });
    registry.show<ui::frmWizard1>();
    QPointer<QWidget> chooser = registry.loaded<ui::frmWizard1>();
    QPointer<QPushButton> exit = child<QPushButton>(chooser, "cmdExit");
    exit->click();

    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(registry.isLoaded<ui::frmWizard1>()) << "gone from the registry at once";
    EXPECT_EQ(unloaded, QList<QString>{"frmWizard1"});
    ASSERT_FALSE(chooser.isNull()) << "destroyed while its button was still handling the click";
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_FALSE(exit.isNull());

    // A new chooser before the old one is destroyed: the old one's end is not
    // taken for the new one's.
    registry.show<ui::frmWizard1>();
    QPointer<QWidget> again = registry.loaded<ui::frmWizard1>();
    ASSERT_NE(again, chooser);
    flushDeletes();
    EXPECT_TRUE(chooser.isNull());
    EXPECT_EQ(registry.loaded<ui::frmWizard1>(), again);
    EXPECT_EQ(unloaded, QList<QString>{"frmWizard1"});
}

TEST(FormRegistryEnd, TheRegistryDestroysEveryWindowStillWaitingToGo) {
    testsupport::ScriptedDialogs dialogs;
    auto registry = std::make_unique<ui::FormRegistry>();
    ui::registerAllForms(*registry);
    registry->quitHandler = [] {};
    registry->show<ui::frmMain>();
    QPointer<QWidget> main = registry->loaded<ui::frmMain>();
    QPointer<QWidget> viewer = registry->createNew<ui::frmBrowser>();
    QPointer<QWidget> help = registry->form<ui::frmHelp>();
    // The exit as the program runs it last: nothing handles events after it.
    ui::ApplicationExit(*registry);
    ASSERT_FALSE(main.isNull());
    ASSERT_FALSE(viewer.isNull());
    registry.reset();
    EXPECT_TRUE(main.isNull());
    EXPECT_TRUE(viewer.isNull());
    EXPECT_TRUE(help.isNull());
}

} // namespace
