// The fortification options window: its look, the options it sets on the
// main window on Close (by its button or by the window frame), and the Sealed
// choice through to the main window's encryption and decryption.

#include "platform/Dialogs.h"
#include "tests/support/Files.h"
#include "tests/support/GuiFixture.h"
#include "ui/common/WindowLook.h"
#include "ui/main/frmAdvanced.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QColor kRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 128);

class OptionsWindow : public testsupport::GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        registry.show<ui::frmMain>();
        main = registry.loaded<ui::frmMain>();
        ASSERT_NE(main, nullptr);
    }

    // Advanced, as the main window's button runs it.
    ui::frmAdvanced* openOptions() {
        child<QPushButton>(main, "cmdAdvanced")->click();
        return registry.loaded<ui::frmAdvanced>();
    }
    template <class T> T* in(QWidget* window, const char* name) { return child<T>(window, name); }
    // The main window's invisible flag: "Y" for on, empty for off.
    QString flag(const char* name) { return in<QLabel>(main, name)->text(); }
    QCheckBox* box(ui::frmAdvanced* options, const char* name) {
        return in<QCheckBox>(options, name);
    }

    ui::frmMain* main = nullptr;
};

TEST_F(OptionsWindow, HasItsLayoutTextsAndColours) {
    ui::frmAdvanced* options = openOptions();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->windowTitle(), QStringLiteral("Advanced Properties"));
    EXPECT_EQ(options->size(), QSize(547, 469));
    EXPECT_FALSE(options->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(options->palette().color(QPalette::Window), QColor(Qt::black));

    const struct {
        const char* name;
        QRect twips;
        const char* text;
        QColor fore;
        QColor back;
        qreal points; // 0: the window's own size
    } controls[] = {
        {"lblTitle",
         {120, 120, 7935, 495},
         "These options allow you to fortify your encryption.",
         kRed,
         kDarkBlue,
         18},
        {"lblPIC", {840, 1200, 495, 375}, "PIC", Qt::white, Qt::black, 13.5},
        {"lblPICabout",
         {1920, 1200, 5295, 735},
         "A PIC or Program Intrinsic Code allows you, the user, to strengthen your password "
         "without any complications.  The PIC makes your password better without changing the "
         "length of the text which goes through the output. ",
         Qt::white,
         Qt::black,
         0},
        {"lblJB", {240, 2280, 1095, 375}, "JunkBitz", Qt::white, Qt::black, 13.5},
        {"lblJBabout",
         {1920, 2160, 5295, 735},
         "JunkBitz or JB is a system in which peices of junk which are not going to be read by "
         "this program are place in the output code.  The output code size is increased, but "
         "the information his hidden within the junk area.",
         Qt::white,
         Qt::black,
         0},
        {"lblWhat", {1440, 3120, 4695, 495}, "What would you like to use?", kRed, kDarkBlue, 18},
        {"chkPIC", {2280, 4560, 1095, 495}, "PIC", Qt::white, Qt::black, 18},
        {"chkJB", {4920, 4320, 1095, 735}, "JunkBitz", Qt::white, Qt::black, 18},
    };
    // Dragging the border does not move the controls.
    options->resize(700, 600);
    for (const auto& c : controls) {
        QWidget* widget = in<QWidget>(options, c.name);
        ASSERT_NE(widget, nullptr);
        // Each control at its place; a text that needs more room than the
        // design gave it grows the control to the right or downwards only.
        const QRect design(c.twips.x() / 15, c.twips.y() / 15, c.twips.width() / 15,
                           c.twips.height() / 15);
        EXPECT_EQ(widget->pos(), design.topLeft()) << c.name;
        EXPECT_GE(widget->width(), design.width()) << c.name;
        EXPECT_GE(widget->height(), design.height()) << c.name;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << c.name;
            EXPECT_EQ(label->width(), design.width()) << c.name;
        } else {
            EXPECT_GE(widget->width(), widget->sizeHint().width()) << c.name;
            EXPECT_EQ(widget->height(), design.height()) << c.name;
        }
        const QString text = widget->property("text").toString();
        EXPECT_EQ(text, QString::fromLatin1(c.text)) << c.name;
        EXPECT_EQ(widget->palette().color(QPalette::WindowText), c.fore) << c.name;
        EXPECT_EQ(widget->palette().color(QPalette::Window), c.back) << c.name;
        EXPECT_TRUE(widget->autoFillBackground()) << c.name;
        if (c.points > 0) {
            EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), c.points) << c.name;
        }
    }
    EXPECT_TRUE(in<QLabel>(options, "lblPICabout")->wordWrap());
    EXPECT_TRUE(in<QLabel>(options, "lblJBabout")->wordWrap());

    QPushButton* close = in<QPushButton>(options, "cmdClose");
    EXPECT_EQ(close->geometry(), QRect(208, 392, 81, 33));
    EXPECT_TRUE(close->text().isEmpty());
    EXPECT_EQ(close->accessibleName(), QStringLiteral("Close"));
    EXPECT_FALSE(box(options, "chkPIC")->isChecked());
    EXPECT_FALSE(box(options, "chkJB")->isChecked());
}

TEST_F(OptionsWindow, OpensInPlaceOfTheMainWindowWithCloseFocused) {
    ui::frmAdvanced* options = openOptions();
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(options->isVisible());
    EXPECT_FALSE(main->isVisible());
    ASSERT_TRUE(activate(options));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdClose"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("chkPIC"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("chkJB"));
}

TEST_F(OptionsWindow, CloseWritesBothOptionsFromTheBoxes) {
    ui::MessageOptions both;
    both.pic = true;
    both.junkBitz = true;
    main->setOptions(both);
    QList<ui::MessageOptions> changes;
    QObject::connect(main, &ui::frmMain::optionsChanged,
                     [&](const ui::MessageOptions& options) { changes.append(options); });

    // First opening, Close untouched: both options off.
    ui::frmAdvanced* options = openOptions();
    in<QPushButton>(options, "cmdClose")->click();
    EXPECT_EQ(main->options(), ui::MessageOptions());
    EXPECT_EQ(changes, QList<ui::MessageOptions>{ui::MessageOptions()});
    EXPECT_EQ(flag("lblPIC"), QString());
    EXPECT_EQ(flag("lblJB"), QString());
    EXPECT_FALSE(options->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(registry.loaded<ui::frmAdvanced>(), options);

    // Ticking changes nothing until Close.
    ASSERT_EQ(openOptions(), options);
    box(options, "chkPIC")->click();
    EXPECT_EQ(flag("lblPIC"), QString());
    in<QPushButton>(options, "cmdClose")->click();
    EXPECT_TRUE(main->options().pic);
    EXPECT_FALSE(main->options().junkBitz);
    EXPECT_EQ(flag("lblPIC"), QStringLiteral("Y"));
    EXPECT_EQ(flag("lblJB"), QString());
    EXPECT_EQ(changes.size(), 2);

    // A Close that changes nothing tells nobody.
    openOptions();
    in<QPushButton>(options, "cmdClose")->click();
    EXPECT_EQ(changes.size(), 2);

    // The boxes keep their state between openings.
    openOptions();
    EXPECT_TRUE(box(options, "chkPIC")->isChecked());
    box(options, "chkJB")->click();
    in<QPushButton>(options, "cmdClose")->click();
    EXPECT_EQ(flag("lblPIC"), QStringLiteral("Y"));
    EXPECT_EQ(flag("lblJB"), QStringLiteral("Y"));

    openOptions();
    box(options, "chkPIC")->click();
    in<QPushButton>(options, "cmdClose")->click();
    EXPECT_EQ(flag("lblPIC"), QString());
    EXPECT_EQ(flag("lblJB"), QStringLiteral("Y"));
}

TEST_F(OptionsWindow, FrameCloseCountsAsClose) {
    ui::frmAdvanced* options = openOptions();
    box(options, "chkJB")->click();
    EXPECT_TRUE(options->close());
    EXPECT_EQ(flag("lblJB"), QStringLiteral("Y"));
    EXPECT_EQ(flag("lblPIC"), QString());
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(options->isVisible());
    // Still loaded, with its choice.
    ASSERT_EQ(openOptions(), options);
    EXPECT_TRUE(box(options, "chkJB")->isChecked());
}

TEST_F(OptionsWindow, ChosenOptionsGiveTheTagOfTheMessageFile) {
    const QString file = dir.filePath(QStringLiteral("tagged.txt"));
    in<QLineEdit>(main, "txtPW")->setText(QStringLiteral("pw"));
    in<QPlainTextEdit>(main, "txtIn")->setPlainText(QStringLiteral("abc"));
    in<QLineEdit>(main, "txtFile")->setText(file);
    const auto firstLine = [&] {
        const QList<QByteArray> lines = testsupport::readLines(file);
        return lines.isEmpty() ? QByteArray() : lines.first() + '\n';
    };
    const auto encrypt = [&] {
        in<QPushButton>(main, "CmdEnc")->click();
        EXPECT_TRUE(settle());
    };

    ui::frmAdvanced* options = openOptions();
    box(options, "chkPIC")->click();
    box(options, "chkJB")->click();
    in<QPushButton>(options, "cmdClose")->click();
    encrypt();
    EXPECT_EQ(firstLine(), QByteArray("\"Tessera v2.0 PIC JB\"\r\n"));

    // Clear keeps the options chosen before.
    in<QPushButton>(main, "cmdClear")->click();
    in<QLineEdit>(main, "txtPW")->setText(QStringLiteral("pw"));
    in<QPlainTextEdit>(main, "txtIn")->setPlainText(QStringLiteral("abc"));
    in<QLineEdit>(main, "txtFile")->setText(file);
    encrypt();
    EXPECT_EQ(firstLine(), QByteArray("\"Tessera v2.0 PIC JB\"\r\n"));

    openOptions();
    box(options, "chkPIC")->click();
    box(options, "chkJB")->click();
    in<QPushButton>(options, "cmdClose")->click();
    encrypt();
    EXPECT_EQ(firstLine(), QByteArray("\"Tessera v2.0\"\r\n"));
    EXPECT_EQ(dialogs.texts().count(QStringLiteral("Finished")), 3);
}

const QString kWrong =
    QStringLiteral("The password is wrong, or the file was changed or cut short.");
// Characters that no classic message file can hold.
const QString kText = QStringLiteral("Gr\u00fc\u00dfe \U0001F600\nzweite Zeile \u4e2d");

// The Sealed choice: the options window offers it (PIC and JunkBitz then do
// not apply and look disabled), the main window encrypts with it and stays
// alive while the key is derived (its bar busy until the work ends), and
// decrypting a sealed message needs no choice and leaves the text box as it
// was when the password is wrong.
class SealedChoice : public OptionsWindow {
protected:
    // Through the options window, as a user sets it.
    void chooseSealed(bool sealed) {
        ui::frmAdvanced* options = openOptions();
        ASSERT_NE(options, nullptr);
        box(options, "chkSealed")->setChecked(sealed);
        in<QPushButton>(options, "cmdClose")->click();
    }
    void encrypt(const QString& password, const QString& text) {
        in<QLineEdit>(main, "txtPW")->setText(password);
        in<QPlainTextEdit>(main, "txtIn")->setPlainText(text);
        in<QLineEdit>(main, "txtFile")->setText(path("message.txt"));
        in<QPushButton>(main, "CmdEnc")->click();
        EXPECT_TRUE(settle());
    }
};

TEST_F(SealedChoice, TheOptionsWindowOffersSealedAndTheClassicOptionsThenDoNotApply) {
    ui::frmAdvanced* options = openOptions();
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

TEST_F(SealedChoice, TheMainWindowSealsAndOpensAnyTextBusyWhileTheKeyIsDerived) {
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
    // The work is over when its closing message shows: the bar has stopped.
    QStringList busyAtMessage;
    dialogs.onMessage = [&](const testsupport::ScriptedDialogs::Message& m) {
        if (bar->minimum() == 0 && bar->maximum() == 0)
            busyAtMessage << m.text;
    };
    encrypt(QStringLiteral("p\u00e4ss"), kText);
    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(barBusy) << "the bar shows the window busy";
    EXPECT_EQ(bar->maximum(), maximum);
    EXPECT_EQ(bar->value(), 0);
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.messages.last().text, QStringLiteral("Finished"));
    EXPECT_TRUE(
        testsupport::readAll(path("message.txt")).startsWith("\"Tessera v2.0 Sealed\"\r\n"));

    // Decrypting needs no choice: the options go back to classic first. The
    // key is derived again, and the bar shows that too.
    chooseSealed(false);
    in<QPlainTextEdit>(main, "txtIn")->clear();
    barBusy = false;
    in<QPushButton>(main, "cmdDecrypt")->click();
    EXPECT_TRUE(settle());
    timer.stop();
    EXPECT_TRUE(barBusy) << "the bar shows the window busy while decrypting";
    EXPECT_EQ(bar->maximum(), maximum);
    EXPECT_EQ(in<QPlainTextEdit>(main, "txtIn")->toPlainText(), kText);
    EXPECT_EQ(dialogs.messages.last().text, QStringLiteral("Decrypted"));
    EXPECT_TRUE(busyAtMessage.isEmpty())
        << "still busy at: " << busyAtMessage.join('|').toStdString();
}

TEST_F(SealedChoice, WithSealedChosenOnlyASealedMessageIsOpened) {
    encrypt(QStringLiteral("pw"), QStringLiteral("classic text"));
    chooseSealed(true);
    in<QPlainTextEdit>(main, "txtIn")->setPlainText(QStringLiteral("my own notes"));
    dialogs.clear();
    in<QPushButton>(main, "cmdDecrypt")->click();
    EXPECT_TRUE(settle());
    EXPECT_EQ(in<QPlainTextEdit>(main, "txtIn")->toPlainText(), QStringLiteral("my own notes"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.endsWith(
        QStringLiteral("is not a sealed message. To open a classic message file, turn Sealed off.")))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::Stop);
}

TEST_F(SealedChoice, AWrongPasswordLeavesTheTextBoxAsItWasAndSaysSo) {
    chooseSealed(true);
    encrypt(QStringLiteral("right"), kText);
    in<QPlainTextEdit>(main, "txtIn")->setPlainText(QStringLiteral("my own notes"));
    in<QLineEdit>(main, "txtPW")->setText(QStringLiteral("wrong"));
    dialogs.clear();
    in<QPushButton>(main, "cmdDecrypt")->click();
    EXPECT_TRUE(settle());
    EXPECT_EQ(in<QPlainTextEdit>(main, "txtIn")->toPlainText(), QStringLiteral("my own notes"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, kWrong);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::Stop);
}

} // namespace
