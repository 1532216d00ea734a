// The hidden picture window: one large picture and an Exit button that closes
// this window only.

#include "tests/support/GuiFixture.h"

#include <QLabel>
#include <QPushButton>

using testsupport::GuiFixture;

namespace {

using SecretWindowTest = GuiFixture;

TEST_F(SecretWindowTest, ShowsOneLargePictureAndExitClosesOnlyThisWindow) {
    QWidget* main = registry.show<ui::frmMain>();
    QWidget* secret = registry.show<ui::frmSecret>();
    ASSERT_NE(secret, nullptr);
    const QList<QLabel*> pictures = secret->findChildren<QLabel*>();
    ASSERT_EQ(pictures.size(), 1);
    const QPixmap picture = pictures[0]->pixmap();
    ASSERT_FALSE(picture.isNull());
    EXPECT_GE(picture.width(), 400);
    EXPECT_GE(picture.height(), 300);
    EXPECT_GE(pictures[0]->width() * pictures[0]->height(),
              secret->width() * secret->height() * 3 / 4)
        << "the picture fills most of the window";

    auto* exit = child<QPushButton>(secret, "cmdExit");
    EXPECT_EQ(exit->accessibleName(), QStringLiteral("Exit"));
    exit->click();
    EXPECT_FALSE(secret->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(quits, 0) << "the program runs on";
}

} // namespace
