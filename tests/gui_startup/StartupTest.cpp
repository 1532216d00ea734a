// The splash window, the intro window and the way from the start window to the
// mode chooser.

#include "tests/support/GuiFixture.h"
#include "ui/main/frmMain.h"
#include "ui/startup/frmFlash.h"
#include "ui/startup/frmLoad.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class StartupTest : public testsupport::GuiFixture {
protected:
    ui::frmLoad* splash() { return registry.form<ui::frmLoad>(); }
    ui::frmFlash* intro() { return registry.form<ui::frmFlash>(); }
    // Which letters are hidden, by index.
    QList<int> gaps() {
        QList<int> hidden;
        for (int i = 0; i < intro()->lblKewl().size(); ++i) {
            if (intro()->lblKewl()[i]->isHidden())
                hidden << i;
        }
        return hidden;
    }
};

TEST_F(StartupTest, SplashWindowLooksAsDesigned) {
    QWidget* w = registry.show<ui::frmLoad>();
    EXPECT_EQ(w->windowTitle(), "Tessera 2.0");
    EXPECT_EQ(w->size(), QSize(229, 67));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w->findChild<QLabel*>("lblLoad")->text(), "Tessera is Loading...");
    QProgressBar* bar = splash()->pbKewl();
    EXPECT_EQ(bar->objectName(), "pbKewl");
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 5);
    EXPECT_EQ(bar->value(), 0);
    // Both timers run from load.
    EXPECT_EQ(splash()->tmdKewl()->interval(), 1000);
    EXPECT_EQ(splash()->tmrLook()->interval(), 5000);
    EXPECT_TRUE(splash()->tmdKewl()->isActive());
    EXPECT_TRUE(splash()->tmrLook()->isActive());
}

TEST_F(StartupTest, TheBarShowsOneToFourThenEmpties) {
    QList<int> values;
    for (int tick = 0; tick < 11; ++tick) {
        splash()->tmdKewl_Timer();
        values << splash()->pbKewl()->value();
    }
    EXPECT_EQ(values, QList<int>({1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1}));
}

TEST_F(StartupTest, AfterFiveSecondsTheIntroTakesOverOnce) {
    registry.form<ui::frmMain>();
    registry.show<ui::frmLoad>();
    int introsLoaded = 0;
    QObject::connect(&registry, &ui::FormRegistry::formLoaded,
                     [&](const QString& name) { introsLoaded += name == nameOf<ui::frmFlash>(); });
    splash()->tmrLook_Timer();
    EXPECT_TRUE(visible<ui::frmFlash>());
    EXPECT_FALSE(registry.isLoaded<ui::frmLoad>()) << "the intro unloads the splash window";
    EXPECT_TRUE(registry.isLoaded<ui::frmMain>());
    EXPECT_FALSE(visible<ui::frmMain>());
    EXPECT_EQ(introsLoaded, 1);
}

TEST_F(StartupTest, LookStopsItsTimerEvenWhenTheSplashWindowStays) {
    // An intro that leaves the splash window loaded: the splash window must
    // still never ask for the intro a second time.
    int shown = 0;
    registry.registerStandIn<ui::frmFlash>([&](ui::FormRegistry&) -> QWidget* {
        ++shown;
        return new QWidget;
    });
    ui::frmLoad* load = splash();
    load->tmrLook_Timer();
    ASSERT_TRUE(registry.isLoaded<ui::frmLoad>());
    EXPECT_FALSE(load->tmrLook()->isActive());
    EXPECT_TRUE(load->tmdKewl()->isActive()) << "the bar goes on";
    EXPECT_EQ(shown, 1);
}

TEST_F(StartupTest, IntroWindowLooksAsDesigned) {
    ui::frmFlash* w = intro();
    EXPECT_EQ(w->windowTitle(), "Tessera");
    EXPECT_EQ(w->size(), QSize(792, 573));
    EXPECT_FALSE(w->palette().brush(QPalette::Window).texture().isNull()) << "a background picture";
    ASSERT_EQ(w->lblKewl().size(), 7);
    const QList<int> lefts = {1320, 2400, 2760, 3240, 3840, 4200, 4680};
    QString word;
    for (int i = 0; i < 7; ++i) {
        QLabel* letter = w->lblKewl()[i];
        EXPECT_EQ(letter->objectName(), QString("lblKewl_%1").arg(i));
        EXPECT_EQ(letter->x(), lefts[i] / 15);
        EXPECT_EQ(letter->y(), 1320 / 15);
        EXPECT_EQ(letter->font().pointSizeF(), 48.0);
        EXPECT_FALSE(letter->font().bold());
        EXPECT_FALSE(letter->isHidden());
        word += letter->text();
    }
    EXPECT_EQ(word, "Tessera");
    EXPECT_EQ(w->findChild<QPushButton*>("cmdStart")->accessibleName(), "Start");
    EXPECT_EQ(w->findChild<QPushButton*>("cmdExit")->accessibleName(), "Exit");
    EXPECT_TRUE(w->findChild<QPushButton*>("cmdStart")->text().isEmpty());
    EXPECT_EQ(w->Timer1()->interval(), 500);
    EXPECT_EQ(w->Timer2()->interval(), 100);
    EXPECT_EQ(w->Timer3()->interval(), 750);
    EXPECT_TRUE(w->Timer1()->isActive());
    EXPECT_FALSE(w->Timer2()->isActive());
    EXPECT_TRUE(w->Timer3()->isActive());
}

TEST_F(StartupTest, LettersTurnRedAndBlueAndTheGapWaitsForTimer1) {
    ui::frmFlash* w = intro();
    const auto colours = [w] {
        QSet<QRgb> set;
        for (QLabel* l : w->lblKewl())
            set << l->palette().color(QPalette::WindowText).rgb();
        return set;
    };
    w->Timer3_Timer();
    EXPECT_EQ(colours(), QSet<QRgb>{qRgb(0, 0, 255)});
    EXPECT_FALSE(w->Timer2()->isActive());
    EXPECT_TRUE(gaps().isEmpty());

    w->Timer1_Timer();
    EXPECT_EQ(colours(), QSet<QRgb>{qRgb(255, 0, 0)});
    EXPECT_TRUE(w->Timer2()->isActive());
    w->Timer3_Timer();
    EXPECT_EQ(colours(), QSet<QRgb>{qRgb(0, 0, 255)});
}

TEST_F(StartupTest, TheGapRunsLeftToRightAndWraps) {
    ui::frmFlash* w = intro();
    EXPECT_EQ(w->counter(), 0);
    // Seventeen steps: two full passes and a bit; one letter missing each time.
    for (int step = 0; step < 17; ++step) {
        w->Timer2_Timer();
        EXPECT_EQ(gaps(), QList<int>{step % 7}) << "step " << step;
    }
    EXPECT_EQ(w->counter(), 17 % 7 == 0 ? 7 : 17 % 7);
}

TEST_F(StartupTest, StartLeadsToTheModeChooser) {
    registry.show<ui::frmFlash>();
    intro()->findChild<QPushButton*>("cmdStart")->click();
    EXPECT_FALSE(registry.isLoaded<ui::frmFlash>());
    EXPECT_TRUE(visible<ui::frmWizard1>());
    EXPECT_EQ(quits, 0);
}

TEST_F(StartupTest, ExitAndTheFrameCloseEndTheProgram) {
    registry.form<ui::frmMain>();
    registry.show<ui::frmFlash>();
    intro()->findChild<QPushButton*>("cmdExit")->click();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(registry.loadedNames().isEmpty()) << registry.loadedNames().join(',').toStdString();

    registry.show<ui::frmFlash>()->close();
    EXPECT_EQ(quits, 2);
    EXPECT_FALSE(registry.isLoaded<ui::frmFlash>());
}

TEST_F(StartupTest, ClosingTheSplashWindowEndsTheProgram) {
    registry.form<ui::frmMain>();
    registry.show<ui::frmLoad>()->close();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(registry.loadedNames().isEmpty()) << "no hidden window is left running";
}

// The real thing, on the real clock.
TEST_F(StartupTest, TheWholeSequenceFromTheStartWindowToTheModeChooser) {
    QElapsedTimer clock;
    clock.start();
    ui::startProgram(registry);
    ASSERT_TRUE(registry.isLoaded<ui::frmMain>());
    EXPECT_FALSE(visible<ui::frmMain>());
    EXPECT_TRUE(visible<ui::frmLoad>());

    QList<int> bar;
    QProgressBar* progress = splash()->pbKewl();
    // The fifth tick passes through 5 on its way back to 0 in one handler;
    // only the values that stay on the screen count.
    QObject::connect(progress, &QProgressBar::valueChanged, [&](int v) {
        if (v != 5)
            bar << v;
    });
    // Generous deadlines: a busy machine delays timers, it never hurries them.
    ASSERT_TRUE(QTest::qWaitFor([&] { return visible<ui::frmFlash>(); }, 15000));
    EXPECT_GE(clock.elapsed(), 4700); // a coarse timer may fire up to 5 % early
    EXPECT_FALSE(registry.isLoaded<ui::frmLoad>());
    // The bar stepped once a second on the way: 1, 2, 3, 4 (a late tick may
    // lose the race with the five-second timer).
    ASSERT_GE(bar.size(), 2);
    for (int i = 0; i < bar.size(); ++i)
        EXPECT_EQ(bar[i], (i + 1) % 5) << "tick " << i;

    // The letters run: Timer1 starts the gap within the first half second.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !gaps().isEmpty(); }, 5000));
    EXPECT_EQ(gaps().size(), 1);

    QPushButton* start = intro()->findChild<QPushButton*>("cmdStart");
    QTest::mouseClick(start, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return visible<ui::frmWizard1>(); }, 5000));
    EXPECT_FALSE(registry.isLoaded<ui::frmFlash>());
    EXPECT_FALSE(visible<ui::frmMain>());
    EXPECT_EQ(quits, 0);
}

} // namespace
