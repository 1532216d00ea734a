// The Keys window is reached from the main window's menu and from the
// wizard's options page, and what it holds goes with the program's end.

#include "tests/gui_keys/KeysFixture.h"
#include "ui/common/ApplicationExit.h"
#include "ui/main/frmMain.h"
#include "ui/wizard/frmWizardAdvanced.h"

#include <QAction>
#include <functional>
#include <gtest/gtest.h>

namespace {

using testsupport::GuiFixture;

class KeysReach : public GuiFixture {};

TEST_F(KeysReach, TheMainMenuAndTheWizardsOptionsPageOpenTheOneKeysWindow) {
    const struct {
        const char* what;
        std::function<void()> open;
    } ways[] = {
        {"main window's menu",
         [&] { child<ui::frmMain, QAction>(QStringLiteral("mnuTesseraKeys"))->trigger(); }},
        {"wizard's options page",
         [&] { child<ui::frmWizardAdvanced, QPushButton>(QStringLiteral("cmdKeys"))->click(); }},
    };
    QPointer<QWidget> first;
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        registry.hide<ui::frmKeys>();
        way.open();
        ui::frmKeys* keys = registry.loaded<ui::frmKeys>();
        ASSERT_NE(keys, nullptr);
        EXPECT_TRUE(keys->isVisible());
        if (!first)
            first = keys;
        EXPECT_EQ(keys, first.data()); // the same window, with what it holds
    }
}

TEST_F(KeysReach, TheProgramsEndForgetsTheOpenKeys) {
    ui::frmKeys* keys = registry.form<ui::frmKeys>();
    dialogs.files.enqueue(path(QStringLiteral("key.txt")));
    child<QCheckBox>(keys, QStringLiteral("chkProtect"))->setChecked(false);
    child<QPushButton>(keys, QStringLiteral("cmdNewKey"))->click();
    ASSERT_EQ(keys->identities().size(), 1);
    QPointer<ui::frmKeys> alive = keys;
    ui::ApplicationExit(registry);
    flushDeletes();
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(registry.loaded<ui::frmKeys>(), nullptr);
}

} // namespace
