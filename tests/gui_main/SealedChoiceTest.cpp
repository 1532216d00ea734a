// The Sealed choice in the main window's family: the options window offers it
// (PIC and JunkBitz then do not apply and look disabled), the main window
// encrypts with it and stays alive while the key is derived, and decrypting a
// sealed message needs no choice and leaves the text box as it was when the
// password is wrong.

#include "platform/Dialogs.h"
#include "tests/support/Files.h"
#include "tests/support/GuiFixture.h"
#include "ui/common/WindowLook.h"
#include "ui/main/frmAdvanced.h"
#include "ui/main/frmMain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kWrong = QStringLiteral("The password is wrong, or the file was changed or cut short.");
// Characters that no classic message file can hold.
const QString kText = QStringLiteral("Gr\u00fc\u00dfe \U0001F600\nzweite Zeile \u4e2d");

class SealedChoice : public testsupport::GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        registry.show<ui::frmMain>();
        main = registry.loaded<ui::frmMain>();
        ASSERT_NE(main, nullptr);
    }
    template <class T> T* in(QWidget* window, const char* name) { return child<T>(window, name); }

    // Through the options window, as a user sets it.
    void chooseSealed(bool sealed) {
        in<QPushButton>(main, "cmdAdvanced")->click();
        auto* options = registry.loaded<ui::frmAdvanced>();
        ASSERT_NE(options, nullptr);
        in<QCheckBox>(options, "chkSealed")->setChecked(sealed);
        in<QPushButton>(options, "cmdClose")->click();
    }
    void encrypt(const QString& password, const QString& text) {
        in<QLineEdit>(main, "txtPW")->setText(password);
        in<QPlainTextEdit>(main, "txtIn")->setPlainText(text);
        in<QLineEdit>(main, "txtFile")->setText(path("message.txt"));
        in<QPushButton>(main, "CmdEnc")->click();
    }

    ui::frmMain* main = nullptr;
};

TEST_F(SealedChoice, TheOptionsWindowOffersSealedAndTheClassicOptionsThenDoNotApply) {
    in<QPushButton>(main, "cmdAdvanced")->click();
    auto* options = registry.loaded<ui::frmAdvanced>();
    ASSERT_NE(options, nullptr);
    auto* sealed = in<QCheckBox>(options, "chkSealed");
    auto* pic = in<QCheckBox>(options, "chkPIC");
    auto* jb = in<QCheckBox>(options, "chkJB");
    EXPECT_EQ(sealed->text(), QStringLiteral("Sealed (strong, authenticated)"));
    EXPECT_FALSE(sealed->isChecked()) << "the classic format stays the default";
    EXPECT_FALSE(sealed->accessibleName().isEmpty());
    EXPECT_FALSE(sealed->toolTip().isEmpty());
    EXPECT_FALSE(sealed->toolTip().contains(QLatin1Char('\n')));
    EXPECT_TRUE(options->rect().contains(sealed->geometry()));
    EXPECT_FALSE(sealed->geometry().intersects(in<QPushButton>(options, "cmdClose")->geometry()));

    pic->setChecked(true);
    sealed->click();
    EXPECT_FALSE(pic->isEnabled());
    EXPECT_FALSE(jb->isEnabled());
    EXPECT_TRUE(pic->isChecked()) << "the classic choice is kept for later";
    // Disabled looks disabled: grey, not the white of an enabled box.
    EXPECT_EQ(pic->palette().color(QPalette::Disabled, QPalette::WindowText), ui::kDisabledText);
    EXPECT_NE(pic->palette().color(QPalette::Active, QPalette::WindowText), ui::kDisabledText);

    in<QPushButton>(options, "cmdClose")->click();
    EXPECT_TRUE(main->options().sealed());
    EXPECT_TRUE(main->options().pic);

    in<QPushButton>(main, "cmdAdvanced")->click();
    sealed->click();
    EXPECT_TRUE(pic->isEnabled());
    EXPECT_TRUE(jb->isEnabled());
    in<QPushButton>(options, "cmdClose")->click();
    EXPECT_FALSE(main->options().sealed());
}

TEST_F(SealedChoice, TheMainWindowSealsAnyTextAndStaysAliveWhileTheKeyIsDerived) {
    chooseSealed(true);
    auto* bar = in<QProgressBar>(main, "pbarEnc");
    const int maximum = bar->maximum();
    // Timers go on firing while the key is derived: the window paints.
    int ticks = 0;
    bool barBusy = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        barBusy = barBusy || (bar->minimum() == 0 && bar->maximum() == 0);
    });
    timer.start(1);
    encrypt(QStringLiteral("p\u00e4ss"), kText);
    timer.stop();
    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(barBusy) << "the bar shows the window busy";
    EXPECT_EQ(bar->maximum(), maximum);
    EXPECT_EQ(bar->value(), 0);
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.messages.last().text, QStringLiteral("Finished"));
    EXPECT_TRUE(testsupport::readAll(path("message.txt")).startsWith("\"Tessera v2.0 Sealed\"\r\n"));

    // Decrypting needs no choice: the options go back to classic first.
    chooseSealed(false);
    in<QPlainTextEdit>(main, "txtIn")->clear();
    in<QPushButton>(main, "cmdDecrypt")->click();
    EXPECT_EQ(in<QPlainTextEdit>(main, "txtIn")->toPlainText(), kText);
    EXPECT_EQ(dialogs.messages.last().text, QStringLiteral("Decrypted"));
}

TEST_F(SealedChoice, AWrongPasswordLeavesTheTextBoxAsItWasAndSaysSo) {
    chooseSealed(true);
    encrypt(QStringLiteral("right"), kText);
    in<QPlainTextEdit>(main, "txtIn")->setPlainText(QStringLiteral("my own notes"));
    in<QLineEdit>(main, "txtPW")->setText(QStringLiteral("wrong"));
    dialogs.clear();
    in<QPushButton>(main, "cmdDecrypt")->click();
    EXPECT_EQ(in<QPlainTextEdit>(main, "txtIn")->toPlainText(), QStringLiteral("my own notes"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, kWrong);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::Stop);
}

} // namespace
