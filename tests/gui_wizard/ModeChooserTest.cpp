// The mode chooser and the result window that holds the wizard's answers.

#include "WizardFixture.h"

#include <QAction>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>

namespace {

using ModeChooserTest = WizardFixture;

TEST_F(ModeChooserTest, ShowsItsTitleTextsAndButtons) {
    QWidget* w = registry.show<ui::frmWizard1>();
    EXPECT_EQ(w->windowTitle(), "Tessera   v2.0");
    EXPECT_EQ(w->size(), QSize(379, 284));
    EXPECT_EQ(label<ui::frmWizard1>("lblTessera")->text(), "Tessera");
    EXPECT_EQ(label<ui::frmWizard1>("lblWhich")->text(),
              "Which of the following fromats would you like to use for Tessera");
    EXPECT_EQ(label<ui::frmWizard1>("lblWizard")->text(),
              "Tessera wizard enables those who have never used encryption before to use it "
              "immediately.");
    EXPECT_EQ(label<ui::frmWizard1>("lblAdvanced")->text(),
              "Tessera advanced mode allows you to use Tessera as most crypto programz with a "
              "fast traditional yet advanced interface.");
    QPushButton* wizard = button<ui::frmWizard1>("cmdWizard");
    EXPECT_EQ(wizard->text(), "Tessera Wizard");
    EXPECT_TRUE(wizard->font().bold());
    EXPECT_EQ(wizard->palette().color(QPalette::Button), QColor(255, 255, 0));
    EXPECT_EQ(wizard->geometry(), QRect(8, 128, 89, 41));
    QPushButton* advance = button<ui::frmWizard1>("cmdAdvance");
    EXPECT_TRUE(advance->text().isEmpty());
    EXPECT_EQ(advance->accessibleName(), "Advanced");
    EXPECT_FALSE(advance->icon().isNull());
    EXPECT_EQ(button<ui::frmWizard1>("cmdExit")->text(), "Exit");
    EXPECT_FALSE(label<ui::frmWizard1>("Image1")->pixmap().isNull());
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::black));
}

TEST_F(ModeChooserTest, WizardShowsTheFirstPageAndLeavesTheAnswersAlone) {
    registry.show<ui::frmWizard1>();
    click<ui::frmWizard1>("cmdWizard");
    EXPECT_TRUE(onScreen<ui::frmEncDec>());
    EXPECT_FALSE(registry.isLoaded<ui::frmCompile>()) << "no answer was written yet";
}

TEST_F(ModeChooserTest, AdvancedShowsTheMainWindowAndGoToWizardComesBack) {
    // A wizard half done, left through the password page's frame.
    startWizard();
    click<ui::frmEncDec>("cmdChoseEnc");
    edit<ui::frmPW>("txtPW")->setText("half");
    registry.form<ui::frmPW>()->close();
    ASSERT_TRUE(onScreen<ui::frmWizard1>());

    click<ui::frmWizard1>("cmdAdvance");
    EXPECT_TRUE(onScreen<ui::frmMain>());
    EXPECT_EQ(answers().operation, Operation::Encrypt);

    // The main window's "Go to Wizard" finds every page as it was.
    QAction* goTo = registry.form<ui::frmMain>()->findChild<QAction*>("mnuViewGoTo");
    ASSERT_NE(goTo, nullptr);
    goTo->trigger();
    EXPECT_TRUE(onScreen<ui::frmWizard1>());
    click<ui::frmWizard1>("cmdWizard");
    click<ui::frmEncDec>("cmdChoseEnc");
    EXPECT_EQ(edit<ui::frmPW>("txtPW")->text(), "half");
}

TEST_F(ModeChooserTest, ExitAndTheFrameCloseEndTheProgram) {
    registry.form<ui::frmMain>();
    registry.show<ui::frmWizard1>();
    click<ui::frmWizard1>("cmdExit");
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(registry.loadedNames().isEmpty()) << registry.loadedNames().join(',').toStdString();

    registry.show<ui::frmWizard1>()->close();
    EXPECT_EQ(quits, 2);
    EXPECT_FALSE(registry.isLoaded<ui::frmWizard1>());
}

using ResultWindowTest = WizardFixture;

TEST_F(ResultWindowTest, IsCreatedInvisibleByTheFirstAnswer) {
    startWizard();
    click<ui::frmEncDec>("cmdChoseDec");
    ASSERT_TRUE(registry.isLoaded<ui::frmCompile>());
    EXPECT_FALSE(visible<ui::frmCompile>());
    EXPECT_EQ(answers().operation, Operation::Decrypt);
    // Every other field starts empty.
    EXPECT_EQ(answers().password.text(), "");
    EXPECT_EQ(answers().file, "");
    EXPECT_EQ(answers().text, "");
    EXPECT_EQ(resultPassword()->text(), "");
    EXPECT_EQ(resultText()->toPlainText(), "");
    EXPECT_EQ(resultFile()->text(), "");
    EXPECT_FALSE(answers().options.pic);
    EXPECT_FALSE(answers().options.junkBitz);
    EXPECT_EQ(answers().output, Outputs());
}

TEST_F(ResultWindowTest, ShowsThreeFieldsAndNoOtherAnswer) {
    QWidget* w = registry.show<ui::frmCompile>();
    EXPECT_EQ(w->windowTitle(), "File Compile");
    EXPECT_EQ(w->size(), QSize(312, 261));
    EXPECT_EQ(label<ui::frmCompile>("lblPW")->text(), "Password:");
    EXPECT_EQ(label<ui::frmCompile>("lblOutput")->text(), "Here is the text");
    EXPECT_EQ(label<ui::frmCompile>("lblFilename")->text(), "Filename and Location");
    EXPECT_EQ(label<ui::frmCompile>("lblOutput")->palette().color(QPalette::Window),
              QColor(0, 192, 0));
    EXPECT_EQ(button<ui::frmCompile>("cmdBack")->text(), "Go Back to Wizard");
    EXPECT_EQ(button<ui::frmCompile>("cmdExit")->text(), "&Exit");
    EXPECT_EQ(resultPassword()->echoMode(), QLineEdit::Normal) << "the password shows in plain";
    EXPECT_TRUE(resultPassword()->isVisible());
    EXPECT_TRUE(resultText()->isVisible());
    EXPECT_TRUE(resultFile()->isVisible());
    // The other answers show nowhere: the only labels on the screen are the
    // three captions.
    QStringList shownLabels;
    for (const QLabel* label : w->findChildren<QLabel*>()) {
        if (label->isVisible())
            shownLabels << label->objectName();
    }
    shownLabels.sort();
    EXPECT_EQ(shownLabels, (QStringList{"lblFilename", "lblOutput", "lblPW"}));
}

TEST_F(ResultWindowTest, GoBackToWizardKeepsTheText) {
    registry.show<ui::frmCompile>();
    resultText()->setPlainText("decrypted text");
    click<ui::frmCompile>("cmdBack");
    EXPECT_TRUE(onScreen<ui::frmWizard1>());
    EXPECT_EQ(resultText()->toPlainText(), "decrypted text");
    EXPECT_EQ(quits, 0);
}

TEST_F(ResultWindowTest, EscapeExitAndTheFrameCloseEndTheProgram) {
    QWidget* w = registry.show<ui::frmCompile>();
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(registry.isLoaded<ui::frmCompile>());

    registry.show<ui::frmCompile>();
    click<ui::frmCompile>("cmdExit");
    EXPECT_EQ(quits, 2);

    registry.show<ui::frmCompile>()->close();
    EXPECT_EQ(quits, 3);
}

} // namespace
