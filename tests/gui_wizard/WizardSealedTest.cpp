// The Sealed choice on the wizard's options page: PIC and JunkBitz then do not
// apply, the finish page seals the message, and a wizard decryption opens it
// without being told, or refuses it with the one message when the password is
// wrong.

#include "WizardFixture.h"

#include "sealed/Message.h"
#include "sealed/Strength.h"
#include "tests/support/Files.h"
#include "tests/support/MessageFiles.h"
#include "ui/common/PasswordMeter.h"
#include "ui/common/WindowLook.h"
#include "words/Describe.h"

#include <QFile>
#include <optional>

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
    // Kept, should the estimate call it very weak.
    dialogs.answers.enqueue(platform::Answer::Yes);
    click<ui::frmWizardAdvanced>("cmdNext");
    EXPECT_TRUE(answers().options.sealed());
    dialogs.clear();
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

// On a straight pass the options page, where Sealed is chosen, comes after
// the password page: it rates the password below the Sealed box as soon as
// that is ticked, and questions a very weak one once, No going back to the
// password page. Any password still passes; the classic format asks nothing.
TEST_F(WizardSealedTest, AStraightPassShowsTheRatingAndQuestionsAVeryWeakPasswordOnce) {
    using platform::Answer;
    const QString strong = QStringLiteral("correct horse battery staple");
    const struct {
        const char* name;
        QString password;
        bool sealed;
        std::optional<Answer> answer; // nothing: the default
        bool asked;
    } cases[] = {
        {"very weak, the default answer", QStringLiteral("a"), true, std::nullopt, true},
        {"very weak, kept", QStringLiteral("a"), true, Answer::Yes, true},
        {"weak", QStringLiteral("x7Kq9L"), true, std::nullopt, false},
        {"strong", strong, true, std::nullopt, false},
        {"very weak, classic", QStringLiteral("a"), false, std::nullopt, false},
    };
    const QString file = path("straight.txt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(file);
        // The options of the run before are classic, as on a first run.
        wizard().optionsChosen(ui::MessageOptions{});
        registry.hide<ui::frmFinish>();
        dialogs.clear();
        startWizard();
        click<ui::frmEncDec>("cmdChoseEnc");
        auto* pwMeter = child<ui::frmPW, ui::PasswordMeter>(QStringLiteral("meterPW"));
        EXPECT_FALSE(pwMeter->isVisible());
        enterPasswords(c.password, c.password);
        enterFile(file);
        textEdit<ui::frmTextEnc>("txtInput")->setPlainText(QStringLiteral("hello"));
        click<ui::frmTextEnc>("cmdNext");
        auto* meter = child<ui::frmWizardAdvanced, ui::PasswordMeter>(QStringLiteral("meterPW"));
        ASSERT_NE(meter, nullptr);
        check<ui::frmWizardAdvanced>("chkNone")->setChecked(false);
        check<ui::frmWizardAdvanced>("chkSealed")->setChecked(c.sealed);
        // Seen before anything is written.
        EXPECT_EQ(meter->isVisible(), c.sealed);
        const auto rating = sealed::passwordStrength(c.password);
        if (c.sealed && rating) {
            EXPECT_EQ(meter->text(), words::strength(*rating));
        }
        if (c.answer)
            dialogs.answers.enqueue(*c.answer);
        click<ui::frmWizardAdvanced>("cmdNext");
        ASSERT_EQ(dialogs.messages.size(), c.asked ? 1 : 0)
            << dialogs.texts().join('|').toStdString();
        if (c.asked) {
            EXPECT_EQ(dialogs.messages[0].buttons, platform::Buttons::YesNo);
            EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::Question);
            EXPECT_TRUE(
                dialogs.messages[0].text.contains(words::duration(rating->seconds)));
        }
        if (c.asked && !c.answer) {
            // Back to the password, the Sealed choice kept and its rating shown.
            ASSERT_TRUE(onScreen<ui::frmPW>());
            EXPECT_TRUE(answers().options.sealed());
            EXPECT_TRUE(pwMeter->isVisible());
            EXPECT_FALSE(QFile::exists(file));
            enterPasswords(strong, strong);
            click<ui::frmFile>("cmdNext");
            click<ui::frmTextEnc>("cmdNext");
            click<ui::frmWizardAdvanced>("cmdNext");
        } else if (c.asked) {
            // Back and forward again: once kept, the same password is not asked about.
            click<ui::frmFinish>("cmdBack");
            click<ui::frmTextEnc>("cmdNext");
            click<ui::frmWizardAdvanced>("cmdNext");
        }
        EXPECT_EQ(dialogs.messages.size(), c.asked ? 1 : 0) << "questioned once";
        ASSERT_TRUE(onScreen<ui::frmFinish>());
        click<ui::frmFinish>("cmdNext");
        EXPECT_TRUE(onScreen<ui::frmWizard1>());
        EXPECT_EQ(testsupport::readAll(file).startsWith("\"Tessera v2.0 Sealed\"\r\n"), c.sealed);
    }
}

// The decryption path has no options page: whatever an earlier encryption
// chose, it opens a classic and a sealed message alike, and nothing it says
// asks for a choice it does not offer.
TEST_F(WizardSealedTest, TheDecryptionPathOpensEitherFormatWhateverWasChosenBefore) {
    const QString classicFile = path("classic.txt");
    const QString sealedFile = path("sealed.txt");
    testsupport::writeClassicMessage(classicFile, "plain old", "pw");
    QByteArray sealedBytes;
    ASSERT_TRUE(
        sealed::sealMessage(kText, QStringLiteral("pw"), &sealedBytes, sealed::Params::fastest())
            .ok());
    testsupport::writeAll(sealedFile, sealedBytes);
    const struct {
        const char* name;
        QString file;
        QString text;
    } files[] = {{"classic", classicFile, QStringLiteral("plain old")},
                 {"sealed", sealedFile, kText}};
    for (const bool sealedBefore : {true, false}) {
        // Chosen on the options page of an encryption before.
        registry.show<ui::frmWizardAdvanced>();
        check<ui::frmWizardAdvanced>("chkSealed")->setChecked(sealedBefore);
        click<ui::frmWizardAdvanced>("cmdNext");
        registry.hide<ui::frmFinish>();
        ASSERT_EQ(answers().options.sealed(), sealedBefore);
        for (const auto& f : files) {
            SCOPED_TRACE(std::string(f.name) + (sealedBefore ? ", Sealed chosen before" : ""));
            dialogs.clear();
            walkDecryption(QStringLiteral("pw"), f.file, true, false);
            click<ui::frmFinish>("cmdNext");
            EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Decrypted")});
            EXPECT_EQ(resultText()->toPlainText(), f.text);
            click<ui::frmCompile>("cmdBack");
        }
    }
}

} // namespace
