#include "resources/Artwork.h"

#include "resources/ArtworkPainters.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

#include <utility>

namespace resources {
namespace {

using namespace detail;

// The property that marks a button as a picture button and holds its word.
constexpr char kWordProperty[] = "tesseraPictureWord";

FaceState faceState(const QStyle::State state) {
    FaceState s;
    s.disabled = !(state & QStyle::State_Enabled);
    s.hover = !s.disabled && (state & QStyle::State_MouseOver);
    s.pressed = state & (QStyle::State_Sunken | QStyle::State_On);
    s.focus = state & QStyle::State_HasFocus;
    return s;
}

// Draws a picture button as its face at the button's own size, so the face
// is never cut off or stretched whatever the button's geometry; everything
// else is left to the application's style.
class PictureButtonStyle : public QProxyStyle {
    Q_OBJECT
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_PushButton && paintPicture(option, painter, widget))
            return;
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        if (control == CC_ToolButton && paintPicture(option, painter, widget))
            return;
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

private:
    static bool paintPicture(const QStyleOption* option, QPainter* painter, const QWidget* widget) {
        const QString word = widget ? widget->property(kWordProperty).toString() : QString();
        if (word.isEmpty())
            return false;
        paintFace(*painter, QRectF(option->rect), word, faceState(option->state));
        return true;
    }
};

// One style serves every picture button: it keeps no state of its own (the
// word is the button's property). It lives as long as the application, after
// every window that uses it.
PictureButtonStyle* pictureButtonStyle() {
    static QPointer<PictureButtonStyle> style;
    if (!style) {
        style = new PictureButtonStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

// Room in the pixmap cache for the computed pictures at a pixel ratio of 2
// (the main window's background, the intro's and the hidden window's pictures
// come to about 15 MB) with some to spare, so that none is computed twice.
constexpr int kPictureCacheKilobytes = 32 * 1024;

// Pictures that take a while to compute are kept in the pixmap cache, per
// size and pixel ratio.
QPixmap kept(const QString& name, const QSize& size, QImage (*render)(const QSize&, qreal)) {
    if (QPixmapCache::cacheLimit() < kPictureCacheKilobytes)
        QPixmapCache::setCacheLimit(kPictureCacheKilobytes);
    const qreal ratio = screenRatio();
    const QString key = QStringLiteral("tessera/%1/%2x%3@%4")
                            .arg(name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap::fromImage(render(size, ratio));
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

template <typename Painter> QPixmap drawn(const QSize& size, Painter&& paint) {
    QPixmap pixmap = canvas(size, screenRatio());
    QPainter p(&pixmap);
    paint(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace

QPixmap buttonFace(const QString& word) {
    return buttonFace(word, kButtonFaceSize);
}

QPixmap buttonFace(const QString& word, const QSize& size) {
    return drawn(size, [&](QPainter& p, const QRectF& r) { paintFace(p, r, word, {}); });
}

void applyPictureButton(QAbstractButton* button, const QString& word) {
    button->setText(QString());
    button->setIcon(paintedIcon(
        [word](QPainter& p, const QRectF& r, QIcon::Mode mode) {
            FaceState s;
            s.disabled = mode == QIcon::Disabled;
            s.focus = mode == QIcon::Active;
            s.hover = mode == QIcon::Selected;
            paintFace(p, r, word, s);
        },
        kButtonFaceSize));
    button->setIconSize(kButtonFaceSize);
    button->setAccessibleName(word);
    button->setProperty(kWordProperty, word);
    button->setAttribute(Qt::WA_Hover);
    if (!qobject_cast<PictureButtonStyle*>(button->style()))
        button->setStyle(pictureButtonStyle());
    button->update();
}

QPixmap mainBackground() {
    return kept(QStringLiteral("main"), QSize(640, 480), renderMainBackground);
}

QIcon appIcon() {
    return paintedIcon([](QPainter& p, const QRectF& r, QIcon::Mode) {
        p.translate(r.topLeft());
        paintAppIcon(p, r.width());
    });
}

QIcon windowIcon(WindowIcon icon) {
    switch (icon) {
    case WindowIcon::File:
        return paintedIcon([](QPainter& p, const QRectF& r, QIcon::Mode) {
            p.translate(r.topLeft());
            paintFileIcon(p, r.width());
        });
    case WindowIcon::Globe:
        return paintedIcon([](QPainter& p, const QRectF& r, QIcon::Mode) {
            p.translate(r.topLeft());
            paintGlobeIcon(p, r.width());
        });
    case WindowIcon::Program:
        break;
    }
    return appIcon();
}

QPixmap iconPixmap(int size) {
    QPixmap pixmap = canvas(QSize(size, size), 1.0);
    QPainter p(&pixmap);
    paintAppIcon(p, size);
    return pixmap;
}

QPixmap introBackground(const QSize& size) {
    return kept(QStringLiteral("intro"), size, renderIntroBackground);
}

QPixmap versionBanner(const QSize& size) {
    return drawn(size, [](QPainter& p, const QRectF& r) { paintVersionBanner(p, r); });
}

QPixmap passwordPicture(const QSize& size) {
    return drawn(size, [](QPainter& p, const QRectF& r) { paintPasswordPicture(p, r); });
}

QPixmap textPicture(const QSize& size) {
    return drawn(size, [](QPainter& p, const QRectF& r) { paintTextPicture(p, r); });
}

QPixmap secretPicture(const QSize& size) {
    return kept(QStringLiteral("secret"), size, renderSecretPicture);
}

QIcon toolbarIcon(const QString& key) {
    return paintedIcon([key](QPainter& p, const QRectF& r, QIcon::Mode mode) {
        p.translate(r.topLeft());
        paintToolbarIcon(p, r.width(), key, mode == QIcon::Disabled);
    });
}

QString decorativeFontFamily() {
    // Loaded once; a failed load (no application object yet) is tried again.
    static QString family;
    if (family.isEmpty()) {
        const int id = QFontDatabase::addApplicationFont(
            QStringLiteral(":/tessera/artwork/fonts/Berenika.ttf"));
        const QStringList families =
            id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        if (!families.isEmpty())
            family = families.first();
    }
    return family.isEmpty() ? QStringLiteral("DejaVu Serif") : family;
}

QFont decorativeFont(qreal pointSize) {
    const QString family = decorativeFontFamily();
    QFont f(family);
    if (family == QLatin1String("DejaVu Serif")) {
        f.setStyleHint(QFont::Serif);
        f.setItalic(true);
    } else {
        // Berenika set at three quarters of its width: a tall, narrow face
        // whose letters keep the places laid out for the name.
        f.setStretch(75);
    }
    f.setPointSizeF(pointSize);
    return f;
}

} // namespace resources

#include "Artwork.moc"
