// The about box: its texts, the flashing caption, and closing it with OK,
// Enter, Escape or the close box.

#include "tests/support/GuiFixture.h"

#include "platform/WindowFlash.h"
#include "ui/startup/frmAbout.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using testsupport::GuiFixture;

namespace {

// Records every flash instead of flashing.
class RecordingFlasher : public platform::WindowFlasher {
public:
    explicit RecordingFlasher(bool holds)
        : m_holds(holds), m_installed(&platform::Services::flasher, this) {}

    bool flash(QWidget* window, bool invert) override {
        calls.append({window, invert});
        return false;
    }
    bool holdsUntilActivated() const override { return m_holds; }

    int callsFor(QWidget* window) const {
        int n = 0;
        for (const auto& call : calls)
            n += call.first == window ? 1 : 0;
        return n;
    }

    QList<QPair<QWidget*, bool>> calls;

private:
    bool m_holds;
    testsupport::ServicesGuard m_installed;
};

class AboutBoxTest : public GuiFixture {
protected:
    QDialog* openAbout() {
        auto* about = qobject_cast<QDialog*>(registry.show<ui::frmAbout>());
        EXPECT_NE(about, nullptr);
        if (about) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(about));
        }
        return about;
    }

    // The box deletes itself when it closes; the registry then forgets it.
    bool unloadedAfterEvents() {
        flushDeletes();
        return !registry.isLoaded<ui::frmAbout>();
    }
};

TEST_F(AboutBoxTest, ShowsTheTitleVersionAndTextsExactly) {
    RecordingFlasher flasher(true);
    QDialog* about = openAbout();
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Tessera2"));
    EXPECT_EQ(child<QLabel>(about, "lblTitle")->text(), QStringLiteral("Tessera2"));
    EXPECT_EQ(child<QLabel>(about, "lblVersion")->text(), QStringLiteral("Version 2.0"));
    EXPECT_EQ(child<QLabel>(about, "lblDescription")->text(),
              QStringLiteral("Tessera enables anyone to use a userfriendly encryption "
                             "application.  Written by the people, made for the people; Tessera "
                             "is without backdoors or master keyz.  Difficult to crack because "
                             "it doesn't store passwords, but takes any password.  Only the "
                             "correct one will give you legible information, of course."));
    EXPECT_EQ(child<QLabel>(about, "lblDisclaimer")->text(),
              QStringLiteral("Warning: I am not responsible for the usage of my program nor for "
                             "those who export the information created by the program.  "));
    EXPECT_EQ(child<QPushButton>(about, "cmdOK")->text(), QStringLiteral("OK"));
    EXPECT_EQ(child<QPushButton>(about, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    EXPECT_FALSE(child<QLabel>(about, "picIcon")->pixmap().isNull());
    for (const char* name : {"lblDescription", "lblDisclaimer"}) {
        auto* label = child<QLabel>(about, name);
        EXPECT_LE(label->heightForWidth(label->width()), label->height())
            << name << ": the whole text shows";
    }
}

TEST_F(AboutBoxTest, IsAFixedToolWindowWithAnEtchedSeparator) {
    RecordingFlasher flasher(true);
    QDialog* about = openAbout();
    EXPECT_EQ(about->size(), QSize(382, 237));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_EQ(about->windowType(), Qt::Tool) << "no taskbar entry";
    EXPECT_FALSE(about->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(about->windowFlags() & Qt::WindowMaximizeButtonHint);

    const QList<QFrame*> lines = about->findChildren<QFrame*>(QStringLiteral("Line1"));
    ASSERT_EQ(lines.size(), 2);
    QFrame* grey = lines[0]->geometry().top() < lines[1]->geometry().top() ? lines[0] : lines[1];
    QFrame* white = grey == lines[0] ? lines[1] : lines[0];
    EXPECT_EQ(white->geometry().top(), grey->geometry().top() + 1);
    const QImage shot = about->grab().toImage();
    EXPECT_EQ(shot.pixelColor(190, grey->geometry().top()), QColor(128, 128, 128));
    EXPECT_EQ(shot.pixelColor(190, white->geometry().top()), QColor(255, 255, 255));
    // The buttons sit bottom right, System Info under OK; the disclaimer bottom left.
    auto* ok = child<QPushButton>(about, "cmdOK");
    auto* sysInfo = child<QPushButton>(about, "cmdSysInfo");
    EXPECT_GT(sysInfo->geometry().top(), ok->geometry().bottom());
    EXPECT_GT(ok->geometry().left(), about->width() / 2);
    EXPECT_GT(ok->geometry().top(), grey->geometry().top());
    EXPECT_LT(child(about, "lblDisclaimer")->geometry().right(), ok->geometry().left());
}

TEST_F(AboutBoxTest, TheCaptionFlashesEveryTenMillisecondsWhereEachFlashIsOneSwitch) {
    RecordingFlasher flasher(false); // FlashWindow: a flash lasts one switch
    QDialog* about = openAbout();
    auto* timer = about->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 10);
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return flasher.callsFor(about) >= 5; }, 2000));
    EXPECT_TRUE(timer->isActive());
    for (const auto& call : flasher.calls) {
        EXPECT_EQ(call.first, about);
        EXPECT_TRUE(call.second) << "invert is always set";
    }
}

TEST_F(AboutBoxTest, AFlashThatHoldsIsNotRepeatedUntilTheBoxLosesTheFocus) {
    RecordingFlasher flasher(true); // an attention request lasts until activation
    QDialog* about = openAbout();
    auto* timer = about->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return flasher.callsFor(about) >= 1; }, 2000));
    ASSERT_TRUE(ticksPass(6, timer->interval()));
    EXPECT_EQ(flasher.callsFor(about), 1) << "no needless wake-ups";
    EXPECT_FALSE(timer->isActive());

    // The user turns to another window: the box asks for attention again.
    QWidget* main = registry.show<ui::frmMain>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    EXPECT_TRUE(QTest::qWaitFor([&] { return flasher.callsFor(about) >= 2; }, 2000));
    ASSERT_TRUE(ticksPass(6, timer->interval()));
    EXPECT_EQ(flasher.callsFor(about), 2);
}

#ifndef Q_OS_WIN
TEST_F(AboutBoxTest, TheSystemsAttentionRequestNeedsNoTicking) {
    // No recording flasher: the window system's own layer.
    EXPECT_TRUE(platform::windowFlasher().holdsUntilActivated());
    QDialog* about = openAbout();
    auto* timer = about->findChild<QTimer*>(QStringLiteral("Timer1"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 2000))
        << "the timer rests once the request stands";
    about->hide();
    EXPECT_FALSE(platform::flashWindow(about, true)) << "a hidden window is not flashed";
}
#endif

TEST_F(AboutBoxTest, OkUnloadsAndTheNextOpenBuildsTheBoxAnew) {
    RecordingFlasher flasher(false);
    QDialog* about = openAbout();
    QPointer<QDialog> first = about;
    about->setWindowTitle(QStringLiteral("changed"));
    child<QPushButton>(about, "cmdOK")->click();
    EXPECT_TRUE(unloadedAfterEvents());
    EXPECT_TRUE(first.isNull());
    const int callsBefore = int(flasher.calls.size());
    ASSERT_TRUE(ticksPass(4, 10)); // the box's timer ticked every 10 ms
    EXPECT_EQ(flasher.calls.size(), callsBefore) << "the flashing ends with the box";

    QDialog* again = openAbout();
    EXPECT_EQ(again->windowTitle(), QStringLiteral("About Tessera2"));
    EXPECT_EQ(child<QLabel>(again, "lblTitle")->text(), QStringLiteral("Tessera2"));
    EXPECT_TRUE(again->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return flasher.callsFor(again) >= 3; }, 2000));
    EXPECT_EQ(quits, 0);
}

TEST_F(AboutBoxTest, EnterEscapeAndTheCloseBoxCloseItAsOkDoes) {
    RecordingFlasher flasher(true);
    QDialog* about = openAbout();
    EXPECT_TRUE(child<QPushButton>(about, "cmdOK")->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), child(about, "cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(unloadedAfterEvents()) << "Enter";
    EXPECT_TRUE(dialogs.messages.isEmpty());

    about = openAbout();
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_TRUE(unloadedAfterEvents()) << "Escape";

    about = openAbout();
    about->close();
    EXPECT_TRUE(unloadedAfterEvents()) << "close box";

    // The application exit's unload works on a box that is open.
    openAbout();
    registry.unload<ui::frmAbout>();
    EXPECT_TRUE(unloadedAfterEvents());
}

} // namespace
