// The artwork at the screen's pixel ratio: run once at ratio 1 and once at
// ratio 2 (--scale=2). Checks what a person would notice: wrong sizes or blurry
// (under-resolved) pictures, lettering running off a face, a picture button
// without its name, a missing typeface, a background without its colours, a
// name panel too dark for the red and blue letters.

#include "resources/Artwork.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

qreal expectedRatio = 1.0;

// The picture must have its logical size and be drawn with one device pixel
// per device pixel of the screen.
void expectSharp(const QPixmap& pixmap, const QSize& logical) {
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), logical);
    EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), expectedRatio);
    EXPECT_EQ(pixmap.size(), logical * expectedRatio);
}

bool isLettering(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200;
}

// Lettering pixels in the outer columns of a face mean a word ran off it.
int letteringAtEdges(const QImage& face, int margin) {
    int found = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if ((x < margin || x >= face.width() - margin) && isLettering(face.pixel(x, y)))
                ++found;
    return found;
}

int letteringPixels(const QImage& face) {
    int found = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            found += isLettering(face.pixel(x, y));
    return found;
}

const QStringList kWords{"Encrypt",  "Decrypt",         "Clear", "Web Page", "Background", "Print",
                         "Advanced", "File Encryption", "Exit",  "Browse",   "Close",      "Start"};

TEST(Artwork, RunsAtTheRatioAskedFor) {
    // Without this the ratio-2 run would quietly test ratio 1 again.
    EXPECT_DOUBLE_EQ(qApp->devicePixelRatio(), expectedRatio);
}

TEST(Artwork, PicturesHaveTheirSizesAtTheScreenRatio) {
    expectSharp(resources::buttonFace(QStringLiteral("Encrypt")), QSize(81, 33));
    expectSharp(resources::mainBackground(), QSize(640, 480));
    expectSharp(resources::introBackground(QSize(792, 573)), QSize(792, 573));
    expectSharp(resources::versionBanner(QSize(217, 32)), QSize(217, 32));
    expectSharp(resources::passwordPicture(QSize(73, 73)), QSize(73, 73));
    expectSharp(resources::textPicture(QSize(72, 72)), QSize(72, 72));
    expectSharp(resources::secretPicture(QSize(480, 360)), QSize(480, 360));
    // Icons are painted for the size and ratio asked for, not scaled.
    const QPixmap icon = resources::appIcon().pixmap(QSize(32, 32));
    EXPECT_EQ(icon.size(), QSize(32, 32) * expectedRatio);
    const QPixmap tool = resources::toolbarIcon(QStringLiteral("Home")).pixmap(QSize(24, 24));
    EXPECT_EQ(tool.size(), QSize(24, 24) * expectedRatio);
    // The exported icon sizes are exact pixel sizes whatever the screen.
    for (int size : {16, 22, 32, 48, 64, 128, 256})
        EXPECT_EQ(resources::iconPixmap(size).size(), QSize(size, size));
}

TEST(Artwork, EveryWordFitsItsFaceAtEverySize) {
    for (const QSize& size : {QSize(81, 33), QSize(73, 33), QSize(89, 41), QSize(89, 33)}) {
        for (const QString& word : kWords) {
            const QImage face = resources::buttonFace(word, size).toImage();
            SCOPED_TRACE(qPrintable(
                QStringLiteral("%1 at %2x%3").arg(word).arg(size.width()).arg(size.height())));
            EXPECT_GT(letteringPixels(face), 40 * expectedRatio * expectedRatio);
            EXPECT_EQ(letteringAtEdges(face, int(3 * expectedRatio)), 0);
        }
    }
}

TEST(Artwork, PictureButtonIsNamedAndDrawnAsItsFaceAtItsOwnSize) {
    QWidget window;
    window.resize(200, 100);
    // A dark window, so that the light ground round the face's corners does
    // not pass for lettering.
    QPalette dark = window.palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::Button, Qt::black);
    window.setPalette(dark);
    window.setAutoFillBackground(true);
    auto* button = new QPushButton(QStringLiteral("caption"), &window);
    // Narrower than the face, as in the main window's column of buttons.
    button->setGeometry(10, 10, 73, 33);
    resources::applyPictureButton(button, QStringLiteral("Background"));
    EXPECT_TRUE(button->text().isEmpty());
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Background"));
    EXPECT_EQ(button->iconSize(), QSize(81, 33));
    EXPECT_FALSE(button->icon().isNull());

    // The button shows the face drawn for 73 x 33, not the 81 x 33 one cut
    // off at its sides.
    const QImage shot = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage face = resources::buttonFace(QStringLiteral("Background"), QSize(73, 33))
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shot.size(), face.size());
    int differing = 0;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QRgb a = shot.pixel(x, y), b = face.pixel(x, y);
            if (qAlpha(b) == 255 &&
                (std::abs(qRed(a) - qRed(b)) > 2 || std::abs(qGreen(a) - qGreen(b)) > 2 ||
                 std::abs(qBlue(a) - qBlue(b)) > 2))
                ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(letteringAtEdges(shot, int(3 * expectedRatio)), 0);

    // Disabled, the lettering greys out.
    button->setEnabled(false);
    EXPECT_EQ(letteringPixels(button->grab().toImage()), 0);

    // Applying it again (a word changed) neither stacks styles nor keeps the old word.
    button->setEnabled(true);
    resources::applyPictureButton(button, QStringLiteral("Print"));
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Print"));
    EXPECT_NE(button->grab().toImage(), shot);
}

TEST(Artwork, PictureButtonsShareOneStyleThatOutlivesEachButton) {
    // A style per button would be built (with a base style of its own) for
    // each of the program's dozens of buttons.
    auto first = std::make_unique<QWidget>();
    QWidget second;
    auto* a = new QPushButton(first.get());
    auto* b = new QPushButton(&second);
    b->setGeometry(0, 0, 81, 33);
    resources::applyPictureButton(a, QStringLiteral("Encrypt"));
    resources::applyPictureButton(b, QStringLiteral("Decrypt"));
    EXPECT_EQ(a->style(), b->style());
    EXPECT_NE(b->style(), QApplication::style());

    // Closing one window must not take the style from under the other's buttons.
    first.reset();
    EXPECT_GT(letteringPixels(b->grab().toImage()), 40 * expectedRatio * expectedRatio);
}

TEST(Artwork, ComputedPicturesAreKeptTogether) {
    // The three pictures computed pixel by pixel are drawn once per size and
    // ratio; at ratio 2 they are larger than Qt's default pixmap cache, and
    // none may push another out.
    const qint64 main = resources::mainBackground().cacheKey();
    const qint64 intro = resources::introBackground(QSize(792, 573)).cacheKey();
    const qint64 secret = resources::secretPicture(QSize(480, 360)).cacheKey();
    EXPECT_EQ(resources::mainBackground().cacheKey(), main);
    EXPECT_EQ(resources::introBackground(QSize(792, 573)).cacheKey(), intro);
    EXPECT_EQ(resources::secretPicture(QSize(480, 360)).cacheKey(), secret);
    // Another size is another picture.
    EXPECT_NE(resources::secretPicture(QSize(240, 180)).cacheKey(), secret);
}

TEST(Artwork, DecorativeTypefaceComesFromTheProgram) {
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/tessera/artwork/fonts/Berenika.ttf")));
    // decorativeFontFamily() names only a family the program loaded itself.
    EXPECT_EQ(resources::decorativeFontFamily(), QStringLiteral("Berenika"));
    const QFont font = resources::decorativeFont(48);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Berenika"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 48.0);
}

TEST(Artwork, MainBackgroundIsRedAndGreenAndOpaque) {
    const QImage image = resources::mainBackground().toImage();
    ASSERT_FALSE(image.hasAlphaChannel());
    int red = 0, green = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            red += qRed(c) > qGreen(c) + 40;
            green += qGreen(c) > qRed(c) + 40;
        }
    }
    const int samples = (image.width() / 2) * (image.height() / 2);
    EXPECT_GT(red, samples / 10);
    EXPECT_GT(green, samples / 10);
}

TEST(Artwork, IntroNamePanelIsLightEnoughForRedAndBlueLetters) {
    const QImage image = resources::introBackground(QSize(792, 573)).toImage();
    const qreal r = expectedRatio;
    qint64 sum = 0, count = 0;
    for (int y = int(92 * r); y < int(150 * r); ++y) {
        for (int x = int(92 * r); x < int(340 * r); ++x) {
            sum += qGray(image.pixel(x, y));
            ++count;
        }
    }
    // Pure blue (0, 0, 255) has a grey value of about 30: it needs a light ground.
    EXPECT_GT(sum / count, 190);
}

TEST(Artwork, WindowAndToolbarIconsAreDistinct) {
    auto image = [](const QIcon& icon) { return icon.pixmap(QSize(32, 32)).toImage(); };
    const QImage app = image(resources::appIcon());
    using resources::WindowIcon;
    EXPECT_EQ(image(resources::windowIcon(WindowIcon::Program)), app);
    EXPECT_NE(image(resources::windowIcon(WindowIcon::File)), app);
    EXPECT_NE(image(resources::windowIcon(WindowIcon::Globe)), app);
    EXPECT_NE(image(resources::windowIcon(WindowIcon::File)),
              image(resources::windowIcon(WindowIcon::Globe)));

    QList<QImage> seen;
    for (const char* key : {"Back", "Forward", "Stop", "Refresh", "Home"}) {
        const QIcon icon = resources::toolbarIcon(QString::fromLatin1(key));
        const QImage normal = icon.pixmap(QSize(24, 24)).toImage();
        EXPECT_FALSE(seen.contains(normal)) << key;
        seen.append(normal);
        // A disabled button's icon is grey: no strongly coloured pixel is left.
        const QImage disabled = icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage();
        int coloured = 0;
        for (int y = 0; y < disabled.height(); ++y)
            for (int x = 0; x < disabled.width(); ++x)
                coloured += QColor::fromRgba(disabled.pixel(x, y)).hsvSaturation() > 60 &&
                            qAlpha(disabled.pixel(x, y)) > 128;
        EXPECT_EQ(coloured, 0) << key;
    }
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--scale=", 8) == 0) {
            expectedRatio = std::atof(argv[i] + 8);
            qputenv("QT_SCALE_FACTOR", QByteArray(argv[i] + 8));
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
