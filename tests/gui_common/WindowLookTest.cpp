// The look the windows share: one face for all of them, colours that reach
// only what they are meant for, texts fitted into their places, and windows
// centred on the screen when they first open and left where the user puts
// them afterwards.

#include "tests/support/GuiFixture.h"
#include "ui/common/WindowLook.h"
#include "ui/filecipher/frmEncFile.h"
#include "ui/main/frmAdvanced.h"
#include "ui/main/frmBack.h"
#include "ui/main/frmHelp.h"
#include "ui/main/frmMain.h"
#include "ui/startup/frmAbout.h"
#include "ui/startup/frmLoad.h"
#include "ui/wizard/frmCompile.h"
#include "ui/wizard/frmPW.h"
#include "ui/wizard/frmWizard1.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

using WindowLookTest = testsupport::GuiFixture;

TEST_F(WindowLookTest, EveryWindowOfTheClassicDesignUsesTheOneClassicFace) {
    const QString face = QFontInfo(ui::classicFont()).family();
    ASSERT_FALSE(face.isEmpty());
    for (QWidget* window :
         forms<ui::frmMain, ui::frmAdvanced, ui::frmEncFile, ui::frmBack, ui::frmHelp, ui::frmAbout,
               ui::frmLoad, ui::frmWizard1, ui::frmPW, ui::frmCompile>()) {
        SCOPED_TRACE(qPrintable(window->objectName()));
        EXPECT_EQ(QFontInfo(window->font()).family(), face);
    }
    // The sizes and weights the windows ask for, in that one face.
    const QFont heading = ui::classicFont(9.75, true);
    EXPECT_EQ(QFontInfo(heading).family(), face);
    EXPECT_DOUBLE_EQ(heading.pointSizeF(), 9.75);
    EXPECT_TRUE(heading.bold());
}

TEST_F(WindowLookTest, ColoursReachTheWidgetAndNotTheButtonsInIt) {
    QWidget window;
    auto* label = new QLabel(QStringLiteral("text"), &window);
    auto* box = new QCheckBox(QStringLiteral("box"), &window);
    auto* button = new QPushButton(QStringLiteral("button"), &window);
    const QColor systemButton = button->palette().color(QPalette::Button);
    const QColor grey(64, 64, 64);

    ui::setColours(&window, Qt::white, grey);
    EXPECT_TRUE(window.autoFillBackground());
    EXPECT_EQ(window.palette().color(QPalette::Window), grey);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white)) << "inherited";
    EXPECT_EQ(button->palette().color(QPalette::Button), systemButton)
        << "a window's ground is not its buttons' face";

    // A check box takes its colours in the button roles as well.
    ui::setColours(box, Qt::yellow, Qt::blue);
    EXPECT_EQ(box->palette().color(QPalette::ButtonText), QColor(Qt::yellow));
    EXPECT_EQ(box->palette().color(QPalette::Button), QColor(Qt::blue));
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(Qt::blue));

    // No text colour: only the ground changes.
    ui::setColours(label, QColor(), Qt::red);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_TRUE(label->autoFillBackground());
}

TEST_F(WindowLookTest, GrowingKeepsTheTopLeftCornerAndMovesOneEdge) {
    QWidget window;
    auto* oneLine = new QLabel(QStringLiteral("A caption much longer than its place"), &window);
    oneLine->setGeometry(10, 20, 30, 17);
    auto* wrapped = new QLabel(QString(200, QLatin1Char('w')).replace(QLatin1Char('w'),
                                                                        QStringLiteral("word ")),
                               &window);
    wrapped->setWordWrap(true);
    wrapped->setGeometry(10, 50, 120, 20);
    auto* box = new QCheckBox(QStringLiteral("A check box caption"), &window);
    box->setGeometry(10, 200, 20, 25);
    auto* fitting = new QLabel(QStringLiteral("ok"), &window);
    fitting->setGeometry(10, 240, 200, 30);

    for (QWidget* control : std::initializer_list<QWidget*>{oneLine, wrapped, box, fitting})
        ui::fitText(control, ui::Fit::Grow);

    EXPECT_EQ(oneLine->pos(), QPoint(10, 20));
    EXPECT_EQ(oneLine->width(), oneLine->sizeHint().width());
    EXPECT_EQ(oneLine->height(), 17) << "one line grows to the right only";
    EXPECT_EQ(wrapped->pos(), QPoint(10, 50));
    EXPECT_EQ(wrapped->width(), 120) << "a wrapped text grows downwards only";
    EXPECT_EQ(wrapped->height(), wrapped->heightForWidth(120));
    EXPECT_EQ(box->width(), box->sizeHint().width());
    EXPECT_EQ(box->height(), 25);
    EXPECT_EQ(fitting->geometry(), QRect(10, 240, 200, 30)) << "a fitting text is left alone";
}

TEST_F(WindowLookTest, ShrinkingTakesTheTextDownInQuarterPointsButNoFurtherThanTheSmallest) {
    QWidget window;
    window.setFont(ui::classicFont());
    const QString text = QStringLiteral("A long explanation that wraps over several lines of a "
                                        "narrow label in the classic dialog face.");
    auto* roomy = new QLabel(text, &window);
    roomy->setWordWrap(true);
    roomy->setGeometry(0, 0, 120, 20);
    const int lines = roomy->heightForWidth(120);
    roomy->resize(120, lines - 4); // a little short of what it needs
    auto* cramped = new QLabel(text, &window);
    cramped->setWordWrap(true);
    cramped->setGeometry(0, 100, 40, 8); // no size fits here

    ui::fitText(roomy, ui::Fit::Shrink);
    ui::fitText(cramped, ui::Fit::Shrink);

    EXPECT_LT(roomy->font().pointSizeF(), 8.0);
    EXPECT_GE(roomy->font().pointSizeF(), ui::kSmallestPointSize);
    EXPECT_LE(roomy->heightForWidth(120), roomy->height()) << "the whole text shows";
    EXPECT_EQ(roomy->size(), QSize(120, lines - 4)) << "the place stays as designed";
    // The steps are quarter points from the window's size.
    EXPECT_DOUBLE_EQ(std::fmod(8.0 - roomy->font().pointSizeF(), 0.25), 0.0);
    EXPECT_DOUBLE_EQ(cramped->font().pointSizeF(), ui::kSmallestPointSize);
}

TEST_F(WindowLookTest, WindowsOpenCentredAndStayWhereTheUserPutsThem) {
    forEach<ui::frmMain, ui::frmAdvanced, ui::frmEncFile, ui::frmHelp, ui::frmBack, ui::frmSecret,
            ui::frmLoad, ui::frmWizard1, ui::frmEncDec, ui::frmPW, ui::frmFile, ui::frmTextEnc,
            ui::frmWizardAdvanced, ui::frmPrintShow, ui::frmFinish, ui::frmCompile>(
        [this]<class Form> {
            SCOPED_TRACE(qPrintable(nameOf<Form>()));
            QWidget* window = registry.show<Form>();
            ASSERT_NE(window, nullptr);
            const QRect screen = window->screen()->availableGeometry();
            EXPECT_LE((window->frameGeometry().center() - screen.center()).manhattanLength(), 1);

            const QPoint moved = window->pos() + QPoint(37, 23);
            window->move(moved);
            window->hide();
            window->show();
            EXPECT_EQ(window->pos(), moved) << "centred only when first shown";
            window->hide();
        });
}

} // namespace
