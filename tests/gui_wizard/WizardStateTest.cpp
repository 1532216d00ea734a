// The wizard's answers live in one Wizard per registry, not in a window:
// they outlive the result window, the result window shows them whenever it is
// made, and a result window that is not there cannot break the wizard.

#include "WizardFixture.h"
#include "tests/support/Files.h"
#include "ui/common/ApplicationExit.h"

#include <QPointer>

namespace {

using WizardStateTest = WizardFixture;

TEST_F(WizardStateTest, OneWizardPerRegistryWhoseAnswersOutliveTheResultWindow) {
    ui::FormRegistry other;
    EXPECT_EQ(other.part<ui::Wizard>(), nullptr) << "made with the wizard's windows";
    ui::registerWizardForms(other);
    ASSERT_NE(other.part<ui::Wizard>(), nullptr);
    EXPECT_NE(other.part<ui::Wizard>(), &wizard());

    walkDecryption("pw", path("m.txt"), true, true);
    ASSERT_TRUE(registry.isLoaded<ui::frmCompile>());
    ui::ApplicationExit(registry);
    flushDeletes();
    EXPECT_FALSE(registry.isLoaded<ui::frmCompile>());

    // A result window made afterwards shows the answers it finds.
    EXPECT_EQ(answers().operation, Operation::Decrypt);
    EXPECT_EQ(answers().output, Output::View | Output::Print);
    EXPECT_EQ(resultPassword()->text(), "pw");
    EXPECT_EQ(resultFile()->text(), path("m.txt"));
}

// The boxes of the result window may be edited; every answer handed in is
// shown again, one equal to the last as well.
TEST_F(WizardStateTest, TheResultWindowShowsEveryAnswerAnew) {
    wizard().passwordEntered(base::Secret::copyOf(u"answer"));
    wizard().textEntered("line one\nline two");
    resultPassword()->setText("edited");
    resultText()->setPlainText("edited too");
    EXPECT_EQ(answers().password.text(), "answer") << "an edit reaches no answer";

    wizard().passwordEntered(base::Secret::copyOf(u"answer"));
    EXPECT_EQ(resultPassword()->text(), "answer");
    EXPECT_EQ(resultText()->toPlainText(), "line one\nline two");

    // A box that shows its answer already keeps its cursor.
    resultText()->moveCursor(QTextCursor::Start);
    resultText()->moveCursor(QTextCursor::Down);
    const int at = resultText()->textCursor().position();
    ASSERT_GT(at, 0);
    wizard().fileEntered("f.txt");
    EXPECT_EQ(resultText()->textCursor().position(), at);
}

// Something else under the result window's name (a build without it, or a
// stand-in): the answers are kept all the same, an encryption works, and a
// decryption, with no window to show its text in, does nothing at all.
TEST_F(WizardStateTest, WithoutARealResultWindowTheWizardStillWorks) {
    registry.registerStandIn<ui::frmCompile>(
        [](ui::FormRegistry&) -> QWidget* { return new QWidget; });
    const QString file = path("stand-in.txt");
    walkEncryption("pw", file, "text");
    EXPECT_EQ(answers().text, "text");
    click<ui::frmFinish>("cmdNext");
    EXPECT_EQ(dialogs.texts(), QStringList{"Finished"});
    EXPECT_TRUE(onScreen<ui::frmWizard1>());
    const QByteArray written = testsupport::readAll(file);
    EXPECT_TRUE(written.startsWith("\"Tessera v2.0\"\r\n"));

    dialogs.clear();
    walkDecryption("pw", file, true, true);
    click<ui::frmFinish>("cmdNext");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(printer.documents.isEmpty());
    EXPECT_TRUE(onScreen<ui::frmFinish>());
    EXPECT_EQ(quits, 0);
}

} // namespace
