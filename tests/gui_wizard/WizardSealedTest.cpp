// The Sealed choice on the wizard's options page: PIC and JunkBitz then do not
// apply, the finish page seals the message, and a wizard decryption opens it
// without being told, or refuses it with the one message when the password is
// wrong.

#include "WizardFixture.h"

#include "tests/support/Files.h"
#include "ui/common/PasswordMeter.h"
#include "ui/common/WindowLook.h"

namespace {

const QString kWrong = QStringLiteral("The password is wrong, or the file was changed or cut short.");
const QString kText = QStringLiteral("\u00bfQu\u00e9 tal? \u2603 \u4e2d\u6587\nline two");

using WizardSealedTest = WizardFixture;

TEST_F(WizardSealedTest, TheOptionsPageOffersSealedAndTheOthersThenDoNotApply) {
    registry.show<ui::frmWizardAdvanced>();
    QCheckBox* sealed = check<ui::frmWizardAdvanced>("chkSealed");
    QCheckBox* pic = check<ui::frmWizardAdvanced>("chkPIC");
    QCheckBox* jb = check<ui::frmWizardAdvanced>("chkJB");
    QCheckBox* none = check<ui::frmWizardAdvanced>("chkNone");
    EXPECT_EQ(sealed->text(), QStringLiteral("Sealed (strong, authenticated)"));
    EXPECT_EQ(sealed->font().pointSize(), 18) << "in the style of its neighbours";
    EXPECT_FALSE(sealed->accessibleName().isEmpty());
    EXPECT_FALSE(sealed->toolTip().isEmpty());
    const QRect back = button<ui::frmWizardAdvanced>("cmdBack")->geometry();
    EXPECT_LT(sealed->geometry().bottom(), back.top());
    EXPECT_GT(sealed->geometry().top(), jb->geometry().top());

    // While Sealed holds, every classic choice, None too, is greyed and keeps
    // its tick: a click on None can neither tick it nor clear PIC.
    pic->click();
    sealed->click();
    for (QCheckBox* box : {pic, jb, none}) {
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
        EXPECT_EQ(box->palette().color(QPalette::Disabled, QPalette::WindowText), ui::kDisabledText);
    }
    QTest::mouseClick(none, Qt::LeftButton);
    EXPECT_FALSE(none->isChecked());
    EXPECT_TRUE(pic->isChecked());
    EXPECT_FALSE(jb->isChecked());
    sealed->click();
    for (QCheckBox* box : {pic, jb, none})
        EXPECT_TRUE(box->isEnabled()) << box->objectName().toStdString();
    EXPECT_TRUE(pic->isChecked());
}

// The password page rates the password while the wizard's options say Sealed
// (chosen on a run before, or on the way back), and not for the classic format.
TEST_F(WizardSealedTest, ThePasswordPageRatesThePasswordWhileSealedIsChosen) {
    registry.show<ui::frmPW>();
    auto* meter = child<ui::frmPW, ui::PasswordMeter>(QStringLiteral("meterPW"));
    edit<ui::frmPW>("txtPW")->setText(QStringLiteral("hunter2"));
    EXPECT_FALSE(meter->isVisible());
    ui::MessageOptions options;
    options.format = cipher::Format::Sealed;
    wizard().optionsChosen(options);
    registry.show<ui::frmPW>();
    ASSERT_TRUE(meter->isVisible());
    EXPECT_TRUE(meter->text().startsWith(QStringLiteral("Very weak: "))) << meter->text().toStdString();
    EXPECT_LT(meter->geometry().bottom(), button<ui::frmPW>("cmdNext")->geometry().top());
    wizard().optionsChosen(ui::MessageOptions{});
    EXPECT_FALSE(meter->isVisible());
}

TEST_F(WizardSealedTest, ASealedMessageGoesThroughTheWholeWizardBothWays) {
    startWizard();
    click<ui::frmEncDec>("cmdChoseEnc");
    enterPasswords(QStringLiteral("s\u00e9same"), QStringLiteral("s\u00e9same"));
    enterFile(path("sealed.txt"));
    textEdit<ui::frmTextEnc>("txtInput")->setPlainText(kText);
    click<ui::frmTextEnc>("cmdNext");
    check<ui::frmWizardAdvanced>("chkSealed")->setChecked(true);
    click<ui::frmWizardAdvanced>("cmdNext");
    EXPECT_TRUE(answers().options.sealed());
    click<ui::frmFinish>("cmdNext");
    EXPECT_TRUE(onScreen<ui::frmWizard1>());
    EXPECT_TRUE(testsupport::readAll(path("sealed.txt")).startsWith("\"Tessera v2.0 Sealed\"\r\n"));

    walkDecryption(QStringLiteral("s\u00e9same"), path("sealed.txt"), true, false);
    click<ui::frmFinish>("cmdNext");
    EXPECT_EQ(resultText()->toPlainText(), kText);
    EXPECT_EQ(dialogs.messages.last().text, QStringLiteral("Decrypted"));

    // The wrong password: the one message, and nothing to print.
    click<ui::frmCompile>("cmdBack");
    dialogs.clear();
    walkDecryption(QStringLiteral("sesame"), path("sealed.txt"), true, true);
    click<ui::frmFinish>("cmdNext");
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.messages.last().text, kWrong);
    EXPECT_TRUE(printer.documents.isEmpty());
}

TEST_F(WizardSealedTest, WithSealedChosenAClassicMessageIsRefusedAndSaysHowToOpenIt) {
    walkEncryption(QStringLiteral("pw"), path("classic.txt"), QStringLiteral("plain old"));
    click<ui::frmFinish>("cmdNext");
    ASSERT_TRUE(testsupport::readAll(path("classic.txt")).startsWith("\"Tessera v2.0\""));
    // Sealed chosen on the options page; the decryption that follows insists on it.
    registry.show<ui::frmWizardAdvanced>();
    check<ui::frmWizardAdvanced>("chkSealed")->setChecked(true);
    click<ui::frmWizardAdvanced>("cmdNext");
    registry.hide<ui::frmFinish>();
    dialogs.clear();
    walkDecryption(QStringLiteral("pw"), path("classic.txt"), true, true);
    click<ui::frmFinish>("cmdNext");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.endsWith(
        QStringLiteral("is not a sealed message. To open a classic message file, turn Sealed off.")))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::Stop);
    EXPECT_TRUE(resultText()->toPlainText().isEmpty());
    EXPECT_TRUE(printer.documents.isEmpty());
}

} // namespace
