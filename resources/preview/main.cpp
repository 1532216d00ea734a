// tessera-artwork-preview FOLDER
//
// Writes every picture of the program to PNG files in FOLDER, plus sheets
// that show the pictures as the windows will: button faces in each state on
// real buttons, the main window's background behind its controls, the intro
// with its letters and buttons. Small pictures are also written four times
// enlarged ("-x4") so their pixels can be judged. Run it headless with
// QT_QPA_PLATFORM=offscreen; QT_SCALE_FACTOR=2 shows a high-density screen.

#include "resources/Artwork.h"
#include "resources/ArtworkPainters.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPushButton>
#include <QTextStream>
#include <QWidget>

#include <cstdio>

namespace {

QDir out;
int written = 0;

void save(const QImage& image, const QString& name) {
    const QString path = out.filePath(name + QStringLiteral(".png"));
    if (!image.save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        ++written;
}

void save(const QPixmap& pixmap, const QString& name) {
    save(pixmap.toImage(), name);
}

// Also writes a four times enlarged copy, pixel for pixel.
void saveEnlarged(const QPixmap& pixmap, const QString& name) {
    save(pixmap, name);
    const QImage image = pixmap.toImage();
    save(image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation),
         name + QStringLiteral("-x4"));
}

QString fileName(QString word) {
    return word.replace(QLatin1Char(' '), QLatin1Char('-')).toLower();
}

qreal ratio() {
    return qApp->devicePixelRatio();
}

QPixmap sheet(const QSize& size, const QColor& ground) {
    QPixmap pm(size * ratio());
    pm.setDevicePixelRatio(ratio());
    pm.fill(ground);
    return pm;
}

const QStringList kWords{
    QStringLiteral("Encrypt"),  QStringLiteral("Decrypt"),         QStringLiteral("Clear"),
    QStringLiteral("Web Page"), QStringLiteral("Background"),      QStringLiteral("Print"),
    QStringLiteral("Advanced"), QStringLiteral("File Encryption"), QStringLiteral("Exit"),
    QStringLiteral("Browse"),   QStringLiteral("Close"),           QStringLiteral("Start")};

void buttonFaces() {
    for (const QString& word : kWords)
        saveEnlarged(resources::buttonFace(word), QStringLiteral("face-") + fileName(word));

    // Every word in every state, as painted on buttons of the sizes the
    // windows use: 81 x 33 (the face itself), 73 x 33 (the main window's
    // column), 89 x 41 (Encrypt, the wizard's and the mode chooser's) and the
    // intro's 121 x 41.
    const QList<QSize> sizes{{81, 33}, {73, 33}, {89, 41}, resources::kIntroButtonSize};
    const QStringList states{QStringLiteral("normal"), QStringLiteral("hover"),
                             QStringLiteral("pressed"), QStringLiteral("focus"),
                             QStringLiteral("disabled")};
    for (const QSize& size : sizes) {
        const int cellW = size.width() + 10, cellH = size.height() + 10;
        QPixmap pm = sheet(QSize(cellW * int(states.size()) + 10, cellH * int(kWords.size()) + 10),
                           QColor(212, 208, 200));
        QPainter p(&pm);
        for (int r = 0; r < kWords.size(); ++r) {
            for (int c = 0; c < states.size(); ++c) {
                resources::detail::FaceState s;
                s.hover = c == 1;
                s.pressed = c == 2;
                s.focus = c == 3;
                s.disabled = c == 4;
                resources::detail::paintFace(
                    p, QRectF(10 + c * cellW, 10 + r * cellH, size.width(), size.height()),
                    kWords[r], s);
            }
        }
        p.end();
        save(pm, QStringLiteral("faces-states-%1x%2").arg(size.width()).arg(size.height()));
    }
}

// A stand-in for the main window: the background with the controls' places
// drawn over it, to judge how the picture looks between them.
void mainWindow() {
    QElapsedTimer timer;
    timer.start();
    const QPixmap background = resources::mainBackground();
    const qint64 first = timer.elapsed();
    timer.restart();
    resources::mainBackground();
    std::printf("main background: %lld ms to compute, %lld ms when kept\n", first, timer.elapsed());
    save(background, QStringLiteral("main-background"));

    QWidget window;
    window.setFixedSize(438, 505);
    window.setAutoFillBackground(true);
    QPalette pal = window.palette();
    pal.setBrush(QPalette::Window, QBrush(Qt::black));
    window.setPalette(pal);
    struct Place {
        const char* word;
        QRect rect;
    };
    const Place buttons[] = {
        {"Encrypt", {344, 24, 89, 41}},     {"Decrypt", {344, 72, 89, 33}},
        {"Clear", {352, 144, 73, 33}},      {"Web Page", {352, 184, 73, 33}},
        {"Background", {352, 224, 73, 33}}, {"Print", {352, 264, 73, 33}},
        {"Advanced", {352, 304, 73, 33}},   {"File Encryption", {352, 344, 73, 33}},
        {"Exit", {352, 384, 73, 33}},       {"Browse", {344, 440, 81, 33}},
    };
    for (const Place& b : buttons) {
        auto* button = new QPushButton(&window);
        button->setGeometry(b.rect);
        resources::applyPictureButton(button, QString::fromLatin1(b.word));
    }
    QPixmap shot = window.grab();
    {
        QPainter p(&shot);
        p.drawPixmap(0, 0, background);
        // Labels: white on black; text boxes: white; the frame; the bar.
        auto label = [&](const QRect& r, const QString& text) {
            p.fillRect(r, Qt::black);
            p.setPen(Qt::white);
            p.drawText(r.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        };
        label({16, 40, 89, 17}, QStringLiteral("Enter Password:"));
        label({16, 112, 169, 17}, QStringLiteral("Enter Text to be Encrypted below:"));
        label({16, 424, 105, 17}, QStringLiteral("File to read or create:"));
        p.fillRect(QRect(16, 56, 321, 25), Qt::white);
        p.fillRect(QRect(16, 128, 321, 289), Qt::white);
        p.fillRect(QRect(16, 440, 321, 25), Qt::white);
        p.setPen(QColor(230, 230, 230));
        p.drawRect(QRect(344, 128, 88, 296));
        p.fillRect(QRect(0, 480, 438, 25), QColor(230, 230, 230));
    }
    // The buttons themselves, drawn by their style, over the stand-in.
    {
        QPainter p(&shot);
        for (QPushButton* button : window.findChildren<QPushButton*>())
            p.drawPixmap(button->pos(), button->grab());
    }
    save(shot, QStringLiteral("main-window-mock"));

    // Real buttons in each state the style draws: disabled, focused.
    QWidget row;
    row.setFixedSize(300, 60);
    auto* normal = new QPushButton(&row);
    normal->setGeometry(10, 10, 81, 33);
    resources::applyPictureButton(normal, QStringLiteral("Encrypt"));
    auto* off = new QPushButton(&row);
    off->setGeometry(100, 10, 81, 33);
    resources::applyPictureButton(off, QStringLiteral("Decrypt"));
    off->setEnabled(false);
    auto* icon = new QPushButton(&row);
    icon->setGeometry(190, 10, 100, 41);
    icon->setIcon(resources::buttonFace(QStringLiteral("Print")));
    icon->setIconSize(resources::kButtonFaceSize);
    save(row.grab(), QStringLiteral("buttons-real"));
}

void icons() {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        save(resources::iconPixmap(size), QStringLiteral("icon-%1").arg(size));

    // The three window icons side by side at the usual sizes, light and dark.
    using resources::WindowIcon;
    const QList<std::pair<WindowIcon, QString>> windows{{WindowIcon::Program, QStringLiteral("program")},
                                                        {WindowIcon::File, QStringLiteral("file")},
                                                        {WindowIcon::Globe, QStringLiteral("globe")}};
    const QList<int> sizes{16, 24, 32, 48, 64, 128};
    for (const QColor& ground : {QColor(240, 240, 240), QColor(40, 40, 44)}) {
        QPixmap pm = sheet(QSize(360, 3 * 140 + 10), ground);
        QPainter p(&pm);
        for (int r = 0; r < windows.size(); ++r) {
            const QIcon icon = resources::windowIcon(windows[r].first);
            int x = 10;
            for (int s : sizes) {
                icon.paint(&p, QRect(x, 10 + r * 140, s, s));
                x += s + 8;
            }
        }
        p.end();
        save(pm, ground.lightness() > 128 ? QStringLiteral("window-icons-light")
                                          : QStringLiteral("window-icons-dark"));
    }
    // Icons as pixmaps at 16 and 32, as a title bar asks for them.
    for (const auto& [icon, name] : windows) {
        saveEnlarged(resources::windowIcon(icon).pixmap(QSize(16, 16)),
                     QStringLiteral("window-icon-16-") + name);
        saveEnlarged(resources::windowIcon(icon).pixmap(QSize(32, 32)),
                     QStringLiteral("window-icon-32-") + name);
    }
}

void toolbar() {
    const QStringList keys{QStringLiteral("Back"), QStringLiteral("Forward"),
                           QStringLiteral("Stop"), QStringLiteral("Refresh"),
                           QStringLiteral("Home")};
    QPixmap pm = sheet(QSize(5 * 32 + 8, 2 * 32 + 8), QColor(236, 236, 236));
    QPainter p(&pm);
    for (int i = 0; i < keys.size(); ++i) {
        const QIcon icon = resources::toolbarIcon(keys[i]);
        icon.paint(&p, QRect(8 + i * 32, 4, 24, 24));
        icon.paint(&p, QRect(8 + i * 32, 36, 24, 24), Qt::AlignCenter, QIcon::Disabled);
        save(icon.pixmap(QSize(24, 24)), QStringLiteral("toolbar-") + keys[i].toLower());
    }
    p.end();
    saveEnlarged(pm, QStringLiteral("toolbar"));
}

void intro() {
    QElapsedTimer timer;
    timer.start();
    const QSize size(792, 573);
    const QPixmap background = resources::introBackground(size);
    std::printf("intro background: %lld ms\n", timer.elapsed());
    save(background, QStringLiteral("intro-background"));

    // The intro as it will look: the seven letters at their places in the
    // decorative font at 48 points, one red, the rest... all red, then all
    // blue; and the two buttons where Artwork.h suggests.
    for (const QColor& colour : {QColor(255, 0, 0), QColor(0, 0, 255)}) {
        QWidget window;
        window.setFixedSize(size);
        QPixmap shot = window.grab();
        QPainter p(&shot);
        p.drawPixmap(0, 0, background);
        const QFont font = resources::decorativeFont(48);
        p.setFont(font);
        p.setPen(colour);
        const int lefts[] = {1320, 2400, 2760, 3240, 3840, 4200, 4680};
        const QString letters = QStringLiteral("Tessera");
        const QFontMetricsF fm(font);
        for (int i = 0; i < 7; ++i)
            p.drawText(QPointF(lefts[i] / 15.0, 1320 / 15.0 + fm.ascent()), letters.mid(i, 1));
        p.end();
        auto* start = new QPushButton(&window);
        start->setGeometry(QRect(QPoint(264, 472), resources::kIntroButtonSize));
        resources::applyPictureButton(start, QStringLiteral("Start"));
        auto* exit = new QPushButton(&window);
        exit->setGeometry(QRect(QPoint(440, 472), resources::kIntroButtonSize));
        resources::applyPictureButton(exit, QStringLiteral("Exit"));
        QPainter q(&shot);
        q.drawPixmap(start->pos(), start->grab());
        q.drawPixmap(exit->pos(), exit->grab());
        q.end();
        save(shot, colour == Qt::red ? QStringLiteral("intro-mock-red")
                                     : QStringLiteral("intro-mock-blue"));
    }
}

void wizard() {
    saveEnlarged(resources::versionBanner(QSize(217, 32)), QStringLiteral("version-banner"));
    saveEnlarged(resources::passwordPicture(QSize(73, 73)), QStringLiteral("password-picture"));
    saveEnlarged(resources::textPicture(QSize(72, 72)), QStringLiteral("text-picture"));

    // The mode chooser's top: the title in the decorative font, red on blue,
    // above the banner; Advanced on its button.
    QPixmap pm = sheet(QSize(380, 220), QColor(212, 208, 200));
    QPainter p(&pm);
    p.fillRect(QRect(88, 8, 161, 49), QColor(0, 0, 255));
    p.setFont(resources::decorativeFont(26.25));
    p.setPen(QColor(255, 0, 0));
    p.drawText(QRect(88, 8, 161, 49), Qt::AlignCenter, QStringLiteral("Tessera"));
    p.drawPixmap(QRect(56, 64, 217, 32), resources::versionBanner(QSize(217, 32)));
    resources::detail::paintFace(p, QRectF(8, 128, 89, 41), QStringLiteral("Advanced"), {});
    p.fillRect(QRect(104, 128, 260, 33), QColor(0, 192, 0));
    p.end();
    save(pm, QStringLiteral("mode-chooser-mock"));
}

void secret() {
    QElapsedTimer timer;
    timer.start();
    save(resources::secretPicture(QSize(480, 360)), QStringLiteral("secret-picture"));
    std::printf("secret picture: %lld ms\n", timer.elapsed());
}

void font() {
    QPixmap pm = sheet(QSize(640, 170), QColor(234, 223, 198));
    QPainter p(&pm);
    p.setPen(QColor(30, 30, 30));
    p.setFont(resources::decorativeFont(48));
    p.drawText(QPointF(16, 80), QStringLiteral("Tessera 2.0"));
    p.setFont(resources::decorativeFont(20));
    p.drawText(QPointF(16, 130), QStringLiteral("%1: The quick brown fox jumps over the lazy dog")
                                     .arg(resources::decorativeFontFamily()));
    p.end();
    save(pm, QStringLiteral("decorative-font"));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    out = QDir(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    std::printf("device pixel ratio %.2f, decorative font %s\n", app.devicePixelRatio(),
                qPrintable(resources::decorativeFontFamily()));
    buttonFaces();
    mainWindow();
    icons();
    toolbar();
    intro();
    wizard();
    secret();
    font();
    std::printf("%d pictures written to %s\n", written, qPrintable(out.absolutePath()));
    return 0;
}
