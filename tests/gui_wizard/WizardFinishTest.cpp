// The finish step against real message files: encryption back to the mode
// chooser, decryption into the result window, the print choices, and files
// passed between the wizard and the main window.

#include "WizardFixture.h"
#include "cipher/Messages.h"
#include "tests/support/Files.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTest>

namespace {

using WizardFinishTest = WizardFixture;

QByteArray firstLine(const QString& file) {
    const QList<QByteArray> lines = testsupport::readLines(file);
    return lines.isEmpty() ? QByteArray() : lines.first().trimmed();
}

TEST_F(WizardFinishTest, EncryptionEndsAtTheModeChooserAndTheMainWindowReadsIt) {
    const QString file = path("wizard.txt");
    walkEncryption("Pa55word", file, "Dear friend,\nmeet me at noon.", true, true);
    click<ui::frmFinish>("cmdNext");
    EXPECT_EQ(dialogs.texts(), QStringList{"Finished"});
    EXPECT_TRUE(onScreen<ui::frmWizard1>());
    EXPECT_EQ(firstLine(file), "\"Tessera v2.0 PIC JB\"");

    // The main window decrypts what the wizard wrote, line break and all.
    dialogs.clear();
    registry.show<ui::frmMain>();
    edit<ui::frmMain>("txtPW")->setText("Pa55word");
    edit<ui::frmMain>("txtFile")->setText(file);
    registry.form<ui::frmMain>()->cmdDecrypt_Click();
    ASSERT_TRUE(settle());
    EXPECT_EQ(dialogs.texts(), QStringList{"Decrypted"});
    EXPECT_EQ(textEdit<ui::frmMain>("txtIn")->toPlainText(), "Dear friend,\nmeet me at noon.");
}

TEST_F(WizardFinishTest, EnterOnTheFinishPageRunsFinish) {
    const QString file = path("enter.txt");
    walkEncryption("pw", file, "x");
    ASSERT_TRUE(activate(registry.form<ui::frmFinish>()));
    // Enter goes to whatever has the focus on arrival: that must be Finish.
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->objectName(), QStringLiteral("cmdNext"));
    QTest::keyClick(focused, Qt::Key_Return);
    ASSERT_TRUE(settle());
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_TRUE(onScreen<ui::frmWizard1>());
}

TEST_F(WizardFinishTest, TheMainWindowsFileDecryptsInTheResultWindow) {
    const QString file = path("main.txt");
    registry.show<ui::frmMain>();
    edit<ui::frmMain>("txtPW")->setText("shared");
    edit<ui::frmMain>("txtFile")->setText(file);
    textEdit<ui::frmMain>("txtIn")->setPlainText("from the main window\nbye");
    registry.form<ui::frmMain>()->CmdEnc_Click();
    ASSERT_TRUE(settle());
    ASSERT_EQ(dialogs.texts(), QStringList{"Finished"});
    registry.hide<ui::frmMain>();
    dialogs.clear();

    walkDecryption("shared", file, true, false);
    bool resultShownFirst = false;
    dialogs.onMessage = [&](const testsupport::ScriptedDialogs::Message&) {
        resultShownFirst = visible<ui::frmCompile>() && !visible<ui::frmFinish>();
    };
    click<ui::frmFinish>("cmdNext");
    EXPECT_EQ(dialogs.texts(), QStringList{"Decrypted"});
    EXPECT_TRUE(resultShownFirst);
    EXPECT_TRUE(onScreen<ui::frmCompile>());
    // The result window shows the password, the text and the file name.
    EXPECT_EQ(resultText()->toPlainText(), "from the main window\nbye");
    EXPECT_EQ(resultPassword()->text(), "shared");
    EXPECT_EQ(resultFile()->text(), file);
    EXPECT_EQ(answers().text, "from the main window\nbye");
    EXPECT_TRUE(printer.documents.isEmpty()) << "view only";
    EXPECT_EQ(quits, 0);
}

TEST_F(WizardFinishTest, ALongestMessageArrivesWholeInTheResultWindow) {
    const QString file = path("long.txt");
    QString text;
    for (int i = 0; text.size() < 10000; ++i)
        text += QChar(u'a' + i % 26);
    walkEncryption("long", file, text, false, true);
    click<ui::frmFinish>("cmdNext");
    ASSERT_EQ(dialogs.texts(), QStringList{"Finished"});
    dialogs.clear();
    walkDecryption("long", file, true, false);
    click<ui::frmFinish>("cmdNext");
    EXPECT_EQ(dialogs.texts(), QStringList{"Decrypted"});
    EXPECT_EQ(resultText()->toPlainText(), text);
    EXPECT_EQ(answers().text, text);
}

TEST_F(WizardFinishTest, AMissingFileLeavesTheResultWindowEmptyAndPrintsNothing) {
    for (const bool print : {true, false}) {
        SCOPED_TRACE(print);
        dialogs.clear();
        resultText()->setPlainText("from before");
        walkDecryption("pw", path("nowhere.txt"), true, print);
        click<ui::frmFinish>("cmdNext");
        ASSERT_EQ(dialogs.texts(), QStringList{QStringLiteral("No file loaded or File not found")});
        EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::Stop);
        EXPECT_TRUE(onScreen<ui::frmCompile>());
        EXPECT_EQ(resultText()->toPlainText(), "");
        EXPECT_EQ(answers().text, "");
        EXPECT_TRUE(printer.documents.isEmpty());
        EXPECT_EQ(quits, 0);
        click<ui::frmCompile>("cmdBack");
    }
}

// A file far larger than any message (here a valid one of a million values)
// is refused at once: the message names why, the result window holds no text
// (neither this file's nor an earlier one), and nothing is printed.
TEST_F(WizardFinishTest, AFileFarLargerThanAnyMessageIsRefusedAndNothingPrinted) {
    const QString file = path("huge.txt");
    {
        QByteArray content = "\"Tessera v2.0\"\r\n";
        for (int i = 0; i < 1000000; ++i)
            content += "169\r\n";
        testsupport::writeAll(file, content);
    }
    resultText()->setPlainText("from before");
    walkDecryption("pw", file, true, true);
    click<ui::frmFinish>("cmdNext");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains("was not decrypted: it is larger than 1 MB"))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::Stop);
    EXPECT_TRUE(onScreen<ui::frmCompile>());
    EXPECT_EQ(resultText()->toPlainText(), "");
    EXPECT_TRUE(printer.documents.isEmpty());
    EXPECT_EQ(quits, 0);
}

class WizardPrintTest : public WizardFixture {
protected:
    void SetUp() override {
        WizardFixture::SetUp();
        file = path("to-print.txt");
        walkEncryption("printme", file, "first line\nsecond line");
        click<ui::frmFinish>("cmdNext");
        ASSERT_TRUE(QFile::exists(file));
        registry.hide<ui::frmWizard1>();
        dialogs.clear(); // the encryption's own "Finished"
    }
    QString file;
};

TEST_F(WizardPrintTest, PrintOnlyPrintsAndEndsTheProgram) {
    walkDecryption("printme", file, false, true);
    EXPECT_EQ(answers().output, Outputs(Output::Print));
    click<ui::frmFinish>("cmdNext");
    EXPECT_EQ(dialogs.texts(), QStringList{"Decrypted"});
    ASSERT_EQ(printer.documents, QStringList{"first line\nsecond line"});
    EXPECT_EQ(printer.pointSizes, QList<int>{14});
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(registry.loadedNames().isEmpty()) << registry.loadedNames().join(',').toStdString();
}

TEST_F(WizardPrintTest, AFailedPrintIsReportedAndTheProgramStillEnds) {
    printer.available = false;
    walkDecryption("printme", file, false, true);
    click<ui::frmFinish>("cmdNext");
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0].text, "Decrypted");
    EXPECT_TRUE(dialogs.messages[1].text.contains("not printed"))
        << dialogs.messages[1].text.toStdString();
    EXPECT_EQ(dialogs.messages[1].icon, platform::Icon::Stop);
    EXPECT_EQ(quits, 1);
}

TEST_F(WizardPrintTest, PrintAndShowPrintsAndStays) {
    walkDecryption("printme", file, true, true);
    click<ui::frmFinish>("cmdNext");
    EXPECT_EQ(printer.documents, QStringList{"first line\nsecond line"});
    EXPECT_TRUE(onScreen<ui::frmCompile>());
    EXPECT_EQ(resultText()->toPlainText(), "first line\nsecond line");
    EXPECT_EQ(answers().output, Output::View | Output::Print);
    EXPECT_EQ(quits, 0);

    // A later pass with neither box checked keeps "PS" and prints again.
    click<ui::frmCompile>("cmdBack");
    walkDecryption("printme", file, false, false);
    click<ui::frmFinish>("cmdNext");
    EXPECT_EQ(printer.documents.size(), 2);
    EXPECT_EQ(quits, 0);
}

TEST_F(WizardPrintTest, ShowOnlyPrintsNothing) {
    walkDecryption("printme", file, true, false);
    click<ui::frmFinish>("cmdNext");
    EXPECT_TRUE(printer.documents.isEmpty());
    EXPECT_TRUE(onScreen<ui::frmCompile>());
}

TEST_F(WizardPrintTest, NeitherBoxOnTheFirstPassPrintsNothing) {
    walkDecryption("printme", file, false, false);
    EXPECT_EQ(answers().output, Outputs());
    click<ui::frmFinish>("cmdNext");
    EXPECT_EQ(resultText()->toPlainText(), "first line\nsecond line");
    EXPECT_TRUE(printer.documents.isEmpty());
}

TEST_F(WizardFinishTest, AFailedEncryptionKeepsTheFinishPage) {
    // A folder where the file should go: the cipher refuses and says why.
    walkEncryption("pw", dir.path(), "text");
    click<ui::frmFinish>("cmdNext");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::Stop);
    EXPECT_TRUE(onScreen<ui::frmFinish>());
    EXPECT_EQ(registry.form<ui::frmFinish>()->cursor().shape(), Qt::ArrowCursor)
        << "the busy pointer is gone";

    // Back leads to the page that needs mending, and forward again works.
    click<ui::frmFinish>("cmdBack");
    click<ui::frmTextEnc>("cmdBack");
    enterFile(path("mended.txt"));
    click<ui::frmTextEnc>("cmdNext");
    click<ui::frmWizardAdvanced>("cmdNext");
    click<ui::frmFinish>("cmdNext");
    EXPECT_TRUE(QFile::exists(path("mended.txt")));
    EXPECT_TRUE(onScreen<ui::frmWizard1>());
}

TEST_F(WizardFinishTest, FinishWithoutTextOrOperationDoesNothing) {
    registry.show<ui::frmFinish>();
    wizard().textEntered("text");
    click<ui::frmFinish>("cmdNext"); // no operation
    wizard().operationChosen(Operation::Encrypt);
    wizard().passwordEntered(base::Secret::copyOf(u"pw"));
    wizard().fileEntered(path("never.txt"));
    wizard().textEntered(QString());
    click<ui::frmFinish>("cmdNext"); // no text
    EXPECT_EQ(ui::Job::unfinished(), 0) << "nothing was started";
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(path("never.txt")));
    EXPECT_TRUE(visible<ui::frmFinish>());
}

} // namespace
