// The background picture window: browsing, loading a picture onto the main
// window, removing it, and every kind of failure.

#include "tests/support/Files.h"
#include "tests/support/GuiFixture.h"
#include "ui/main/frmBack.h"
#include "ui/main/frmMain.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using testsupport::GuiFixture;

namespace {

const QString kNotFound = QStringLiteral("The file you selected could not be found!");

const QString kDefaultPicture = testsupport::offeredFile(QStringLiteral("Picture.bmp"));

class BackgroundWindowTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        back = registry.show<ui::frmBack>();
        ASSERT_NE(back, nullptr);
        txtFile = child<QLineEdit>(back, "txtFile");
        cmdLoad = child<QPushButton>(back, "cmdLoad");
        cmdBrowse = child<QPushButton>(back, "cmdBrowse");
    }

    QString writePicture(const QString& name, QSize size, QColor color, const char* format) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, format)) << qPrintable(path);
        return path;
    }

    QPixmap mainPicture() { return registry.form<ui::frmMain>()->picture(); }

    void load(const QString& name) {
        txtFile->setText(name);
        cmdLoad->click();
    }

    QWidget* back = nullptr;
    QLineEdit* txtFile = nullptr;
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdBrowse = nullptr;
};

TEST_F(BackgroundWindowTest, OpensWithItsDesignedLook) {
    EXPECT_EQ(back->windowTitle(), QStringLiteral("Backgroundz"));
    EXPECT_EQ(back->size(), QSize(199, 148));
    EXPECT_EQ(back->minimumSize(), back->maximumSize()) << "the border is fixed";
    EXPECT_FALSE(back->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(back->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(child<QLabel>(back, "lblBack")->text(),
              QStringLiteral("Load  your own picture for a background below."));
    EXPECT_EQ(txtFile->text(), kDefaultPicture);
    EXPECT_EQ(cmdBrowse->text(), QStringLiteral("&Browse"));
    EXPECT_EQ(cmdLoad->text(), QStringLiteral("Load Picture"));
    EXPECT_EQ(child<QPushButton>(back, "cmdCancel")->text(), QStringLiteral("&Close"));
    EXPECT_EQ(child<QLabel>(back, "lblBack")->geometry(), QRect(8, 0, 185, 33));
    EXPECT_EQ(txtFile->geometry(), QRect(8, 32, 185, 25));
    EXPECT_EQ(child<QPushButton>(back, "cmdCancel")->geometry(), QRect(56, 104, 81, 33));

    // Focus starts on Browse and Tab walks Browse, file box, Load, Close.
    ASSERT_TRUE(QTest::qWaitForWindowActive(back));
    EXPECT_EQ(QApplication::focusWidget(), cmdBrowse);
    QList<QWidget*> order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(QApplication::focusWidget());
    }
    EXPECT_EQ(order, (QList<QWidget*>{txtFile, cmdLoad, child(back, "cmdCancel"), cmdBrowse}));
}

TEST_F(BackgroundWindowTest, TheInitialNameThatDoesNotExistKeepsTheBuiltInPicture) {
    const QPixmap before = mainPicture();
    cmdLoad->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, kNotFound);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::Stop);
    EXPECT_EQ(dialogs.messages[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(mainPicture().cacheKey(), before.cacheKey());
    EXPECT_TRUE(back->isVisible()) << "the window stays open after a failure";
}

TEST_F(BackgroundWindowTest, PicturesSmallerAndLargerThanTheMainWindowAreSetUnscaled) {
    const QString small = writePicture(QStringLiteral("small.bmp"), {20, 10}, Qt::red, "BMP");
    load(small);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    QPixmap picture = mainPicture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(20, 10));
    EXPECT_EQ(picture.toImage().pixelColor(19, 9), QColor(Qt::red));

    const QString large = writePicture(QStringLiteral("large.bmp"), {1600, 1200}, Qt::blue, "BMP");
    load(large);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    picture = mainPicture();
    EXPECT_EQ(picture.size(), QSize(1600, 1200)) << "the main window cuts it off, it is not scaled";
    EXPECT_EQ(picture.toImage().pixelColor(1599, 1199), QColor(Qt::blue));
    EXPECT_TRUE(back->isVisible()) << "the window stays open after loading";
}

TEST_F(BackgroundWindowTest, ANameTypedInMayNameAnyReadableFormat) {
    for (const char* format : {"PNG", "JPEG", "ICO", "PPM"}) {
        SCOPED_TRACE(format);
        dialogs.clear();
        load(writePicture(QStringLiteral("pic.") + QString::fromLatin1(format).toLower(), {32, 32},
                          Qt::green, format));
        EXPECT_TRUE(dialogs.messages.isEmpty());
        EXPECT_EQ(mainPicture().size(), QSize(32, 32));
    }
    // Qt reads GIF files but does not write them: a 1 x 1 one by hand.
    static const unsigned char gif[] = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xFF, 0xFF,
        0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00,
        0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
    const QString dot = path(QStringLiteral("dot.gif"));
    testsupport::writeAll(dot, QByteArray(reinterpret_cast<const char*>(gif), sizeof gif));
    dialogs.clear();
    load(dot);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(mainPicture().size(), QSize(1, 1));

    // The content decides, not the name: a PNG saved under a bitmap's name.
    load(writePicture(QStringLiteral("really-a-png.bmp"), {7, 5}, Qt::yellow, "PNG"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(mainPicture().size(), QSize(7, 5));
}

TEST_F(BackgroundWindowTest, AFileThatHoldsNoPictureFailsLikeAMissingOne) {
    load(writePicture(QStringLiteral("good.bmp"), {4, 4}, Qt::cyan, "BMP"));
    const qint64 good = mainPicture().cacheKey();

    for (const QString& name :
         {QStringLiteral("notes.txt"), QStringLiteral("notes.bmp"), QStringLiteral("empty.bmp")}) {
        SCOPED_TRACE(qPrintable(name));
        testsupport::writeAll(path(name), name == QStringLiteral("empty.bmp")
                                              ? QByteArray()
                                              : QByteArray("This is no picture at all.\r\n"));
        dialogs.clear();
        load(path(name));
        EXPECT_EQ(dialogs.texts(), QStringList{kNotFound});
        EXPECT_EQ(mainPicture().cacheKey(), good) << "the picture stays as it was";
    }
    // A folder and a name that cannot exist fail the same way.
    for (const QString& name : {dir.path(), QStringLiteral("no/such/\x01folder/p.bmp")}) {
        dialogs.clear();
        load(name);
        EXPECT_EQ(dialogs.texts(), QStringList{kNotFound});
    }
}

TEST_F(BackgroundWindowTest, AnEmptyNameRemovesThePictureWithoutAMessage) {
    load(writePicture(QStringLiteral("a.bmp"), {8, 8}, Qt::magenta, "BMP"));
    ASSERT_FALSE(mainPicture().isNull());
    load(QString());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(mainPicture().isNull());
}

TEST_F(BackgroundWindowTest, BrowseOffersBitmapsAndACancelBringsBackTheLastChoice) {
    // A cancel before any choice leaves the box alone.
    cmdBrowse->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests[0].title, QStringLiteral("Tessera Background"));
    EXPECT_EQ(dialogs.fileRequests[0].filter, QStringLiteral("Bitmaps (*.bmp)"));
    EXPECT_EQ(txtFile->text(), kDefaultPicture);

    const QString chosen = writePicture(QStringLiteral("chosen.bmp"), {3, 3}, Qt::gray, "BMP");
    const qint64 before = mainPicture().cacheKey();
    dialogs.files.enqueue(chosen);
    cmdBrowse->click();
    EXPECT_EQ(txtFile->text(), chosen);
    EXPECT_EQ(mainPicture().cacheKey(), before) << "Browse only fills the box";

    // The dialog keeps its name: after the user typed something else, a
    // cancel writes the earlier choice back.
    txtFile->setText(QStringLiteral("typed.png"));
    cmdBrowse->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 3);
    EXPECT_EQ(dialogs.fileRequests[2].fileName, chosen);
    EXPECT_EQ(txtFile->text(), chosen);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(BackgroundWindowTest, CloseHidesAndTheNextOpenShowsTheSameContents) {
    txtFile->setText(QStringLiteral("/somewhere/else.bmp"));
    dialogs.files.enqueue(QStringLiteral("/picked/by/dialog.bmp"));
    cmdBrowse->click();
    child<QPushButton>(back, "cmdCancel")->click();
    EXPECT_FALSE(back->isVisible());
    EXPECT_EQ(registry.loaded<ui::frmBack>(), back) << "hidden, not unloaded";

    QWidget* again = registry.show<ui::frmBack>();
    EXPECT_EQ(again, back);
    EXPECT_EQ(txtFile->text(), QStringLiteral("/picked/by/dialog.bmp"));
    // The dialog starts from its last name too.
    cmdBrowse->click();
    EXPECT_EQ(dialogs.fileRequests.last().fileName, QStringLiteral("/picked/by/dialog.bmp"));
}

TEST_F(BackgroundWindowTest, TheMainWindowShowsThePictureUnscaledFromItsTopLeftCorner) {
    auto* main = qobject_cast<QMainWindow*>(registry.show<ui::frmMain>());
    ASSERT_NE(main, nullptr);
    QWidget* area = main->centralWidget();
    ASSERT_NE(area, nullptr);
    ASSERT_GT(area->width(), 100);

    // Looks at every spot of the client area that no control covers: the
    // picture inside its own size, one plain colour beyond it.
    auto look = [&](QSize size, QColor color) {
        const QImage shot = area->grab().toImage();
        ASSERT_EQ(shot.size(), area->size());
        int inside = 0;
        int outside = 0;
        QSet<QRgb> beyond;
        for (int y = 1; y < area->height(); y += 5) {
            for (int x = 1; x < area->width(); x += 5) {
                if (area->childAt(x, y))
                    continue;
                const QColor pixel = shot.pixelColor(x, y);
                if (x < size.width() && y < size.height()) {
                    ++inside;
                    EXPECT_EQ(pixel, color) << x << "," << y;
                } else {
                    ++outside;
                    EXPECT_NE(pixel, color) << x << "," << y;
                    beyond.insert(pixel.rgb());
                }
            }
        }
        EXPECT_EQ(inside > 0, !size.isEmpty());
        if (outside > 0) {
            EXPECT_EQ(beyond.size(), 1) << "the background colour shows beyond the picture";
        }
    };

    const QColor blue(1, 2, 250);
    load(writePicture(QStringLiteral("corner.bmp"), {90, 60}, blue, "BMP"));
    ASSERT_TRUE(dialogs.messages.isEmpty());
    look({90, 60}, blue);

    const QColor red(250, 3, 4);
    load(writePicture(QStringLiteral("big.bmp"), {2000, 1500}, red, "BMP"));
    look({2000, 1500}, red);
    EXPECT_EQ(area->grab().size(), area->size()) << "a large picture does not grow the window";

    // An empty name leaves only the background colour.
    load(QString());
    look({0, 0}, red);
}

} // namespace
