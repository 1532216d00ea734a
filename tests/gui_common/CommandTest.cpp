// The one way a window is busy: what a command holds while its work runs and
// gives back however the work ends, in both ways of holding the input; and
// its bar, which scales totals past an int and moves in steps for work that
// reports every character.

#include "tests/support/GuiFixture.h"
#include "ui/common/Command.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <atomic>
#include <climits>

namespace {

using Command = testsupport::GuiFixture;

// A window with an input, a Close and a bar, and its command.
struct Window {
    explicit Window(bool disabling) {
        bar->setValue(0);
        if (disabling)
            command->disableWhileBusy({input}, close);
    }
    QWidget widget;
    QLineEdit* input = new QLineEdit(&widget);
    QPushButton* close = new QPushButton(&widget);
    QProgressBar* bar = new QProgressBar(&widget);
    ui::Command* command = new ui::Command(&widget, bar);
};

// Work that runs until `go` is set or it is cancelled.
ui::Job::Work until(std::atomic<bool>& go) {
    return [&go](base::Progress& progress) {
        while (!go && !progress.cancelled())
            QThread::msleep(1);
    };
}

TEST_F(Command, HoldsTheWindowWhileItWorksAndGivesItBackHoweverTheWorkEnds) {
    enum class End { Finishes, Cancelled, StartsAgainWhileShown };
    for (const bool disabling : {false, true}) {
        for (const End end : {End::Finishes, End::Cancelled, End::StartsAgainWhileShown}) {
            SCOPED_TRACE(testing::Message() << "disabling " << disabling << ", end " << int(end));
            Window window(disabling);
            const auto held = [&] {
                return window.widget.cursor().shape() == Qt::WaitCursor &&
                       window.input->isEnabled() != disabling &&
                       window.close->testAttribute(Qt::WA_SetCursor) == disabling;
            };
            std::atomic<bool> go = false, goAgain = false;
            bool presented = false, heldWhileShown = false;
            ui::Command::Run run;
            run.work = until(go);
            run.present = [&] {
                presented = true;
                heldWhileShown = held();
                if (end == End::StartsAgainWhileShown) {
                    EXPECT_TRUE(window.command->start({.work = until(goAgain)}));
                }
            };
            ASSERT_TRUE(window.command->start(std::move(run)));
            EXPECT_TRUE(held());
            EXPECT_FALSE(window.command->start({.work = until(go)})) << "one at a time";
            // Unseen, the hold keeps every key from the window.
            QTest::keyClicks(window.input, QStringLiteral("typed"));
            EXPECT_EQ(window.input->text(), QString());

            if (end == End::Cancelled) {
                window.command->cancel();
                EXPECT_FALSE(window.command->running());
            } else {
                go = true;
                ASSERT_TRUE(waitFor([&] { return presented; }, 60000));
                EXPECT_TRUE(heldWhileShown) << "the outcome decides when the window comes back";
            }
            if (end == End::StartsAgainWhileShown) {
                EXPECT_TRUE(window.command->running());
                EXPECT_TRUE(held()) << "the second run keeps the window";
                goAgain = true;
                ASSERT_TRUE(settle());
            }
            EXPECT_NE(window.widget.cursor().shape(), Qt::WaitCursor);
            EXPECT_FALSE(window.close->testAttribute(Qt::WA_SetCursor));
            EXPECT_TRUE(window.input->isEnabled());
            QTest::keyClicks(window.input, QStringLiteral("typed"));
            EXPECT_EQ(window.input->text(), QStringLiteral("typed"));
        }
    }
}

TEST_F(Command, TheBarCountsWhatTheWorkReportsAndIsBackAtItsRangeAfter) {
    constexpr qint64 past = 5LL << 30;
    const struct {
        const char* what;
        qint64 total, position; // position -1: none reported
        bool perCharacter, emptyBarFirst;
        int maximum, value; // while the outcome is shown
    } cases[] = {
        {"a total past an int, scaled", past, 3LL << 30, false, false, int(past >> 2), 3 << 28},
        {"the largest int, as it is", INT_MAX, INT_MAX, false, false, INT_MAX, INT_MAX},
        {"every report shown", 1000, 7, false, false, 1000, 7},
        {"characters between steps", 1000, 7, true, false, 1000, 0},
        {"characters on a step", 1000, 10, true, false, 1000, 10},
        {"characters at the end", 999, 999, true, false, 999, 999},
        {"emptied before the outcome", 1000, 500, false, true, 1000, 0},
        {"busy, stopped with the work", 0, -1, false, false, 100, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Window window(false);
        int maximum = -1, value = -1;
        ui::Command::Run run;
        run.work = [&c](base::Progress& progress) {
            progress.setRange(c.total);
            if (c.position >= 0)
                progress.setPosition(c.position);
        };
        run.present = [&] {
            maximum = window.bar->maximum();
            value = window.bar->value();
        };
        run.perCharacter = c.perCharacter;
        run.emptyBarFirst = c.emptyBarFirst;
        ASSERT_TRUE(window.command->start(std::move(run)));
        ASSERT_TRUE(settle());
        EXPECT_EQ(maximum, c.maximum);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(window.bar->maximum(), 100);
        EXPECT_EQ(window.bar->value(), 0);
    }
}

} // namespace
