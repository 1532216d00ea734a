// The help window: its texts and colours, and the repair that deletes the
// message cipher's scratch file.

#include "tests/support/Files.h"
#include "tests/support/GuiFixture.h"

#include "io/ScratchFile.h"
#include "ui/main/frmHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using testsupport::GuiFixture;

namespace {

const QString kFixed = QStringLiteral("Problemz Fixed!");
const QString kNotFixed =
    QStringLiteral("It is believed that TesseraFix could not fix the problem");

class HelpWindowTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        scratch = io::ScratchFile::defaultPath();
        // The test main points the cache folder at a private place.
        ASSERT_FALSE(scratch.startsWith(QDir::homePath() + QStringLiteral("/.cache")));
        QDir().mkpath(QFileInfo(scratch).absolutePath());
        QFile::remove(scratch);
        help = registry.show<ui::frmHelp>();
        ASSERT_NE(help, nullptr);
        fix = child<QPushButton>(help, "cmdKillEnc");
    }
    void TearDown() override {
        QFile::remove(scratch);
        QDir(scratch).removeRecursively();
        GuiFixture::TearDown();
    }

    void leaveScratchFile() { testsupport::writeAll(scratch, "72\r\n105\r\n"); }

    void expectOnlyMessage(const QString& text) {
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, text);
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Tessera2"));
        EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::None);
        EXPECT_EQ(dialogs.messages[0].buttons, platform::Buttons::Ok);
        dialogs.clear();
    }

    QString scratch;
    QWidget* help = nullptr;
    QPushButton* fix = nullptr;
};

TEST_F(HelpWindowTest, ShowsItsTextsExactly) {
    EXPECT_EQ(help->windowTitle(), QStringLiteral("How to Use Tessera"));
    // The window opens on the described text alone, a scroll bar beside it.
    EXPECT_EQ(child<QScrollArea>(help, "scrHelp")->viewport()->size(), QSize(480, 244));
    EXPECT_EQ(child<QLabel>(help, "lblEnc")->text(), QStringLiteral("Encryption:"));
    EXPECT_EQ(child<QLabel>(help, "Label1")->text(), QStringLiteral("Decryption:"));
    EXPECT_EQ(child<QLabel>(help, "lblHelp")->text(),
              QStringLiteral("To Encrypt enter a password and Type what text you want to send.  "
                             "When you are finished, select a file to create and then press the "
                             "Encrypt button.  "));
    EXPECT_EQ(child<QLabel>(help, "lblHelpDec")->text(),
              QStringLiteral(
                  "To Decrypt simply type in the file to be decrypted at the bottom or use the "
                  "Browse button to select the file.  At the top enter the password.  Passwords "
                  "are case sensitive.  When you are ready press the decrypt button.  If the "
                  "password you typed is correct then the correct message should appear in the "
                  "box below the password."));
    EXPECT_EQ(child<QLabel>(help, "lblKiller")->text(),
              QStringLiteral("If your program was shut down incorrectly, and it no longer works "
                             "properly, try pressing the TesseraFix button provided here."));
    EXPECT_EQ(fix->text(), QStringLiteral("Tessera Fix"));
    auto* close = child<QPushButton>(help, "cmdClose");
    EXPECT_TRUE(close->text().isEmpty()) << "a picture button";
    EXPECT_FALSE(close->icon().isNull());
    EXPECT_EQ(close->accessibleName(), QStringLiteral("Close"));
    EXPECT_FALSE(help->windowFlags() & Qt::WindowMaximizeButtonHint);
    for (const char* name : {"lblHelp", "lblHelpDec", "lblKiller"}) {
        auto* label = child<QLabel>(help, name);
        EXPECT_TRUE(label->wordWrap()) << name;
        EXPECT_LE(label->heightForWidth(label->width()), label->height())
            << name << ": the whole text shows";
    }
}

TEST_F(HelpWindowTest, PaintsDarkGreyWithYellowHeadingsAndRedLines) {
    const QImage shot = help->grab().toImage();
    EXPECT_EQ(shot.pixelColor(3, 236), QColor(64, 64, 64)) << "bottom left corner";
    EXPECT_EQ(shot.pixelColor(470, 200), QColor(64, 64, 64));
    for (const char* name : {"Line1", "Line2"}) {
        auto* line = child<QFrame>(help, name);
        EXPECT_EQ(line->geometry().left(), 0);
        EXPECT_EQ(line->geometry().width(), 480);
        EXPECT_EQ(shot.pixelColor(240, line->geometry().top()), QColor(255, 0, 0)) << name;
    }
    EXPECT_EQ(child<QFrame>(help, "Line1")->geometry().top(), 64);
    EXPECT_EQ(child<QFrame>(help, "Line2")->geometry().top(), 160);
    for (const char* name : {"lblEnc", "Label1"}) {
        auto* heading = child<QLabel>(help, name);
        EXPECT_TRUE(heading->font().bold()) << name;
        EXPECT_DOUBLE_EQ(heading->font().pointSizeF(), 9.75) << name;
        const QPoint corner = heading->geometry().topLeft() + QPoint(1, 1);
        EXPECT_EQ(shot.pixelColor(corner), QColor(255, 255, 0)) << name;
    }
    // The texts stand on the system's label colour, not on the dark window.
    auto* text = child<QLabel>(help, "lblHelpDec");
    EXPECT_EQ(shot.pixelColor(text->geometry().bottomRight() - QPoint(1, 1)),
              QApplication::palette().color(QPalette::Window));
}

// Our own section: below the described text, each paragraph whole, reached
// from the keyboard alone.
TEST_F(HelpWindowTest, ItsOwnSectionFollowsTheDescribedTextAndScrollsByKeys) {
    auto* scroll = child<QScrollArea>(help, "scrHelp");
    auto* page = child(help, "helpPage");
    QList<QLabel*> section;
    for (int n = 1; auto* label = page->findChild<QLabel*>(QStringLiteral("lblAdds%1").arg(n)); ++n)
        section.append(label);
    ASSERT_GE(section.size(), 5);
    int top = child<QPushButton>(help, "cmdClose")->geometry().bottom();
    for (QLabel* paragraph : section) {
        const std::string name = paragraph->objectName().toStdString();
        EXPECT_GT(paragraph->y(), top) << name << ": below what comes before it";
        EXPECT_FALSE(paragraph->text().trimmed().isEmpty()) << name;
        EXPECT_LE(paragraph->heightForWidth(paragraph->width()), paragraph->height())
            << name << ": the whole text shows";
        EXPECT_LE(paragraph->geometry().right(), 480) << name;
        top = paragraph->geometry().bottom();
    }
    EXPECT_LT(top, page->height()) << "the page holds its last paragraph";
    // Nothing of the section shows before the page is scrolled.
    EXPECT_EQ(scroll->verticalScrollBar()->value(), 0);
    EXPECT_GE(section.first()->y(), scroll->viewport()->height());

    // Tab goes from the described buttons to the page, and the keys scroll it
    // to its end, where the last paragraph shows whole.
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    EXPECT_EQ(QApplication::focusWidget(), fix);
    QTest::keyClick(fix, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), scroll);
    for (int press = 0; press < 10; ++press)
        QTest::keyClick(scroll, Qt::Key_PageDown);
    EXPECT_EQ(scroll->verticalScrollBar()->value(), scroll->verticalScrollBar()->maximum());
    const QRect last(section.last()->mapTo(scroll->viewport(), QPoint(0, 0)),
                     section.last()->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(last));
    // Tab leads back to the first button, scrolled into view again.
    QTest::keyClick(scroll, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), fix);
    EXPECT_TRUE(scroll->viewport()->rect().contains(
        QRect(fix->mapTo(scroll->viewport(), QPoint(0, 0)), fix->size())));
}

TEST_F(HelpWindowTest, RepairWithoutAScratchFileReportsItCouldNotFix) {
    ASSERT_FALSE(QFile::exists(scratch));
    fix->click();
    expectOnlyMessage(kNotFixed);
    EXPECT_TRUE(help->isVisible()) << "the window stays open and usable";
}

TEST_F(HelpWindowTest, RepairDeletesALeftOverScratchFileOnceThenFails) {
    leaveScratchFile();
    ASSERT_TRUE(QFile::exists(scratch));
    fix->click();
    expectOnlyMessage(kFixed);
    EXPECT_FALSE(QFile::exists(scratch));
    fix->click();
    expectOnlyMessage(kNotFixed);
}

TEST_F(HelpWindowTest, RepairReportsAScratchNameItCannotDelete) {
    // A folder in the scratch file's place cannot be deleted as a file.
    ASSERT_TRUE(QDir().mkpath(scratch + QStringLiteral("/inside")));
    fix->click();
    expectOnlyMessage(kNotFixed);
    EXPECT_TRUE(QFileInfo(scratch).isDir());
}

TEST_F(HelpWindowTest, RepairLeavesALinkAndWhatItPointsTo) {
    const QString victim = QFileInfo(scratch).absolutePath() + QStringLiteral("/../victim.txt");
    testsupport::writeAll(victim, "not the scratch file");
    ASSERT_TRUE(QFile::link(victim, scratch));
    fix->click();
    expectOnlyMessage(kNotFixed);
    EXPECT_TRUE(QFileInfo(scratch).isSymLink());
    EXPECT_EQ(testsupport::readAll(victim), QByteArray("not the scratch file"));
    QFile::remove(victim);
}

TEST_F(HelpWindowTest, EnterWhenTheWindowOpensRunsTheRepair) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    EXPECT_EQ(QApplication::focusWidget(), fix);
    leaveScratchFile();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    expectOnlyMessage(kFixed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child(help, "cmdClose"));
}

TEST_F(HelpWindowTest, CloseHidesAndKeepsTheWindowLoaded) {
    child<QPushButton>(help, "cmdClose")->click();
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(registry.loaded<ui::frmHelp>(), help);
    EXPECT_EQ(registry.show<ui::frmHelp>(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(quits, 0);
}

TEST_F(HelpWindowTest, ResizingLeavesTheControlsInPlace) {
    const QRect before = fix->geometry();
    help->resize(700, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(help->size(), QSize(700, 400));
    EXPECT_EQ(fix->geometry(), before);
}

} // namespace
