#pragma once

// Internals of the artwork: the painters behind the public functions of
// Artwork.h. Every painter draws in logical coordinates onto a painter or
// fills an image at a given device pixel ratio, so the same code serves a
// 16 pixel icon and a 256 pixel one, a normal screen and a high-density one.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace resources::detail {

// The ratio that pictures are drawn at: the highest of the screens.
qreal screenRatio();

// A transparent pixmap of a logical size at a ratio.
QPixmap canvas(const QSize& size, qreal ratio);

// The colours the artwork shares.
namespace colours {
inline const QColor crimson{214, 32, 44};
inline const QColor deepRed{120, 8, 18};
inline const QColor emerald{38, 176, 88};
inline const QColor deepGreen{10, 92, 44};
inline const QColor gold{242, 193, 78};
inline const QColor darkGold{150, 102, 24};
inline const QColor ink{24, 26, 31};
} // namespace colours

QColor mix(const QColor& a, const QColor& b, qreal t);

// A sheet of paper with its top right corner folded down by fold.
QPainterPath foldedSheet(const QRectF& sheet, qreal fold);

// How a picture button is being shown.
struct FaceState {
    bool hover = false;
    bool pressed = false;
    bool focus = false;
    bool disabled = false;
};

// A picture button's face with its word, filling rect.
void paintFace(QPainter& p, const QRectF& rect, const QString& word, const FaceState& state);

// Icons, each filling a square of side `side` at the painter's origin.
void paintAppIcon(QPainter& p, qreal side);
void paintFileIcon(QPainter& p, qreal side);
void paintGlobeIcon(QPainter& p, qreal side);
// The web viewer's toolbar: "Back", "Forward", "Stop", "Refresh", "Home".
void paintToolbarIcon(QPainter& p, qreal side, const QString& key, bool disabled);

// An icon whose pixmaps are painted on demand at the size and ratio asked for.
// The painter fills the rect it is given; a square icon is given the largest
// square centred in the space.
using IconPainter = std::function<void(QPainter&, const QRectF& rect, QIcon::Mode mode)>;
// A free-shaped icon (a button face) names its natural size.
QIcon paintedIcon(IconPainter painter);
QIcon paintedIcon(IconPainter painter, const QSize& naturalSize);

// Pictures that fill their whole rect.
void paintVersionBanner(QPainter& p, const QRectF& rect);
void paintPasswordPicture(QPainter& p, const QRectF& rect);
void paintTextPicture(QPainter& p, const QRectF& rect);

// Pixel-computed pictures (fractals and mosaics) at a logical size and ratio.
QImage renderMainBackground(const QSize& size, qreal ratio);
QImage renderSecretPicture(const QSize& size, qreal ratio);
QImage renderIntroBackground(const QSize& size, qreal ratio);

} // namespace resources::detail
