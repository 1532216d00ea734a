// Icons: the program's mosaic padlock, its file and globe variants, the web
// viewer's toolbar, and the icon engine that paints them at any size.

#include "resources/ArtworkPainters.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace resources::detail {
namespace {

// ---------------------------------------------------------------------------
// The icon engine: nothing is stored, every pixmap is painted when asked for.

class PaintedIconEngine : public QIconEngine {
public:
    // A null natural size makes a square icon, offered in the usual sizes.
    PaintedIconEngine(IconPainter painter, const QSize& naturalSize)
        : painter_(std::move(painter)), natural_(naturalSize) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        QRectF area(rect);
        if (natural_.isEmpty()) {
            const qreal side = std::min(rect.width(), rect.height());
            area = QRectF(rect.x() + (rect.width() - side) / 2.0,
                          rect.y() + (rect.height() - side) / 2.0, side, side);
        }
        p->save();
        painter_(*p, area, mode);
        p->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return render(size, 1.0, mode, state);
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // From Qt 6.8 on the size given here is in logical pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return render(size, scale, mode, state);
    }
#endif

    QIconEngine* clone() const override {
        return new PaintedIconEngine(painter_, natural_);
    }
    QString key() const override {
        return QStringLiteral("tessera-painted");
    }
    bool isNull() override {
        return false;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        if (!natural_.isEmpty())
            return {natural_};
        return {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }

private:
    QPixmap render(const QSize& size, qreal scale, QIcon::Mode mode, QIcon::State state) {
        QPixmap pm(size * scale);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            p.scale(scale, scale);
            paint(&p, QRect(QPoint(0, 0), size), mode, state);
        }
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    IconPainter painter_;
    QSize natural_;
};

QPainterPath rounded(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// The padlock whose body is a little mosaic: the program's mark. Drawn into
// the square (origin, side). Small sides get fewer, larger tiles.
void paintMosaicLock(QPainter& p, const QPointF& origin, qreal side) {
    p.save();
    p.translate(origin);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    const bool tiny = s < 24;

    // Shackle.
    const qreal thick = std::max(1.6, s * (tiny ? 0.13 : 0.10));
    const QRectF bow(s * 0.27, s * 0.06, s * 0.46, s * 0.50);
    QPainterPath arch;
    arch.moveTo(bow.left() + thick / 2, s * 0.46);
    arch.lineTo(bow.left() + thick / 2, bow.top() + bow.width() / 2);
    arch.arcTo(QRectF(bow.left() + thick / 2, bow.top() + thick / 2, bow.width() - thick,
                      bow.width() - thick),
               180, -180);
    arch.lineTo(bow.right() - thick / 2, s * 0.46);
    QLinearGradient steel(QPointF(bow.left(), 0), QPointF(bow.right(), 0));
    steel.setColorAt(0.0, QColor(110, 114, 122));
    steel.setColorAt(0.35, QColor(240, 242, 246));
    steel.setColorAt(0.7, QColor(150, 154, 162));
    steel.setColorAt(1.0, QColor(86, 90, 98));
    p.setBrush(Qt::NoBrush);
    if (!tiny) {
        p.setPen(QPen(QColor(20, 20, 26, 210), thick + std::max(1.0, s / 40), Qt::SolidLine,
                      Qt::FlatCap));
        p.drawPath(arch);
    }
    p.setPen(QPen(QBrush(steel), thick, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arch);

    // Body: a gold frame holding the tiles.
    const QRectF body(s * 0.10, s * 0.40, s * 0.80, s * 0.56);
    const qreal radius = s * 0.09;
    QLinearGradient frame(body.topLeft(), body.bottomLeft());
    frame.setColorAt(0.0, QColor(255, 232, 150));
    frame.setColorAt(0.5, colours::gold);
    frame.setColorAt(1.0, QColor(160, 104, 22));
    p.setPen(QPen(QColor(70, 40, 4), std::max(0.8, s / 64)));
    p.setBrush(frame);
    p.drawPath(rounded(body, radius));

    // Tiles: 3 x 2 (2 x 2 when small), red and green in a chequer, gold between.
    const int columns = tiny ? 2 : 3;
    const int rows = 2;
    const qreal margin = std::max(1.0, s * (tiny ? 0.07 : 0.065));
    const QRectF field = body.adjusted(margin, margin, -margin, -margin);
    const qreal gap = std::max(0.8, s * 0.03);
    const qreal tw = (field.width() - gap * (columns - 1)) / columns;
    const qreal th = (field.height() - gap * (rows - 1)) / rows;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const bool red = (r + c) % 2 == 0;
            const QRectF tile(field.left() + c * (tw + gap), field.top() + r * (th + gap), tw, th);
            QLinearGradient g(tile.topLeft(), tile.bottomRight());
            g.setColorAt(0.0, red ? QColor(240, 70, 70) : QColor(80, 210, 120));
            g.setColorAt(1.0, red ? colours::deepRed : colours::deepGreen);
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawPath(rounded(tile, std::min(tw, th) * 0.18));
            if (!tiny) {
                // A glint on each stone.
                p.setBrush(QColor(255, 255, 255, 70));
                p.drawPath(rounded(
                    QRectF(tile.left() + tw * 0.12, tile.top() + th * 0.12, tw * 0.5, th * 0.22),
                    th * 0.1));
            }
        }
    }
    p.restore();
}

QColor modeColour(const QColor& c, QIcon::Mode mode) {
    if (mode != QIcon::Disabled)
        return c;
    const int v = 150 + qGray(c.rgb()) / 5;
    return QColor(v, v, v, c.alpha());
}

// A round disc with a vertical gradient and a rim, used by several toolbar icons.
void disc(QPainter& p, const QPointF& c, qreal r, const QColor& top, const QColor& bottom,
          QIcon::Mode mode) {
    QLinearGradient g(QPointF(0, c.y() - r), QPointF(0, c.y() + r));
    g.setColorAt(0.0, modeColour(top, mode));
    g.setColorAt(1.0, modeColour(bottom, mode));
    p.setPen(QPen(modeColour(bottom.darker(170), mode), 1.0));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    // Gloss on the upper half.
    QLinearGradient gloss(QPointF(0, c.y() - r), QPointF(0, c.y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(c.x() - r * 0.72, c.y() - r * 0.92, r * 1.44, r * 0.95));
}

} // namespace

QIcon paintedIcon(IconPainter painter) {
    return QIcon(new PaintedIconEngine(std::move(painter), QSize()));
}

QIcon paintedIcon(IconPainter painter, const QSize& naturalSize) {
    return QIcon(new PaintedIconEngine(std::move(painter), naturalSize));
}

void paintAppIcon(QPainter& p, qreal side) {
    paintMosaicLock(p, QPointF(0, 0), side);
}

void paintFileIcon(QPainter& p, qreal s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // A sheet with a folded corner and lines of text...
    const QRectF sheet(s * 0.12, s * 0.03, s * 0.64, s * 0.86);
    const qreal fold = s * 0.2;
    const QPainterPath page = foldedSheet(sheet, fold);
    QLinearGradient paper(sheet.topLeft(), sheet.bottomRight());
    paper.setColorAt(0.0, QColor(255, 255, 255));
    paper.setColorAt(1.0, QColor(214, 218, 224));
    p.setPen(QPen(QColor(60, 66, 76), std::max(0.8, s / 40)));
    p.setBrush(paper);
    p.drawPath(page);
    QPainterPath corner;
    corner.moveTo(sheet.topRight() - QPointF(fold, 0));
    corner.lineTo(sheet.topRight() + QPointF(-fold, fold));
    corner.lineTo(sheet.topRight() + QPointF(0, fold));
    corner.closeSubpath();
    p.setBrush(QColor(190, 196, 204));
    p.drawPath(corner);
    if (s >= 20) {
        p.setPen(QPen(QColor(120, 130, 145), std::max(1.0, s * 0.04), Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i < 3; ++i) {
            const qreal y = sheet.top() + s * (0.30 + i * 0.12);
            p.drawLine(QPointF(sheet.left() + s * 0.08, y),
                       QPointF(sheet.left() + s * (i == 0 ? 0.30 : 0.42), y));
        }
    }
    p.restore();
    // ...sealed by the mosaic padlock in its lower right.
    paintMosaicLock(p, QPointF(s * 0.40, s * 0.40), s * 0.60);
}

void paintGlobeIcon(QPainter& p, qreal s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(s * 0.45, s * 0.45);
    const qreal r = s * 0.42;
    QRadialGradient sea(c - QPointF(r * 0.35, r * 0.4), r * 1.4);
    sea.setColorAt(0.0, QColor(120, 200, 255));
    sea.setColorAt(0.6, QColor(30, 110, 190));
    sea.setColorAt(1.0, QColor(10, 40, 90));
    p.setPen(QPen(QColor(10, 30, 70), std::max(0.8, s / 40)));
    p.setBrush(sea);
    p.drawEllipse(c, r, r);
    // Meridians and parallels.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 130), std::max(0.7, s / 48)));
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    if (s >= 24) {
        const qreal dy = r * 0.5;
        const qreal dx = std::sqrt(r * r - dy * dy);
        p.drawLine(QPointF(c.x() - dx, c.y() - dy), QPointF(c.x() + dx, c.y() - dy));
        p.drawLine(QPointF(c.x() - dx, c.y() + dy), QPointF(c.x() + dx, c.y() + dy));
    }
    p.restore();
    paintMosaicLock(p, QPointF(s * 0.48, s * 0.44), s * 0.54);
}

void paintToolbarIcon(QPainter& p, qreal s, const QString& key, bool disabled) {
    const QIcon::Mode mode = disabled ? QIcon::Disabled : QIcon::Normal;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s / 24.0, s / 24.0); // drawn on a 24 x 24 grid
    const QPointF c(12, 12);
    const QColor white = disabled ? QColor(245, 245, 245) : QColor(255, 255, 255);

    if (key == QLatin1String("Back") || key == QLatin1String("Forward")) {
        disc(p, c, 10.5, QColor(92, 214, 128), colours::deepGreen, mode);
        const qreal dir = key == QLatin1String("Back") ? -1 : 1;
        QPainterPath arrow;
        arrow.moveTo(12 + dir * 6.5, 12);
        arrow.lineTo(12 + dir * 0.5, 6);
        arrow.lineTo(12 + dir * 0.5, 9.5);
        arrow.lineTo(12 - dir * 6, 9.5);
        arrow.lineTo(12 - dir * 6, 14.5);
        arrow.lineTo(12 + dir * 0.5, 14.5);
        arrow.lineTo(12 + dir * 0.5, 18);
        arrow.closeSubpath();
        p.setPen(QPen(QColor(0, 60, 20, disabled ? 60 : 140), 1.0, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(white);
        p.drawPath(arrow);
    } else if (key == QLatin1String("Stop")) {
        QPainterPath octagon;
        for (int i = 0; i < 8; ++i) {
            const qreal a = (22.5 + i * 45) * std::numbers::pi / 180;
            const QPointF v(12 + 10.8 * std::cos(a), 12 + 10.8 * std::sin(a));
            if (i == 0)
                octagon.moveTo(v);
            else
                octagon.lineTo(v);
        }
        octagon.closeSubpath();
        QLinearGradient g(QPointF(0, 1), QPointF(0, 23));
        g.setColorAt(0.0, modeColour(QColor(250, 90, 90), mode));
        g.setColorAt(1.0, modeColour(colours::deepRed, mode));
        p.setPen(QPen(modeColour(QColor(70, 0, 8), mode), 1.0));
        p.setBrush(g);
        p.drawPath(octagon);
        p.setPen(QPen(white, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(16, 16));
        p.drawLine(QPointF(16, 8), QPointF(8, 16));
    } else if (key == QLatin1String("Refresh")) {
        disc(p, c, 10.5, QColor(255, 214, 110), QColor(176, 110, 10), mode);
        // An open ring with an arrowhead: reload.
        QPainterPath ring;
        ring.arcMoveTo(QRectF(6, 6, 12, 12), 70);
        ring.arcTo(QRectF(6, 6, 12, 12), 70, 290);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(white, 2.4, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(ring);
        QPainterPath head;
        const QPointF tip = ring.pointAtPercent(0.0);
        head.moveTo(tip + QPointF(-4.2, -2.6));
        head.lineTo(tip + QPointF(2.2, -0.2));
        head.lineTo(tip + QPointF(-2.6, 4.0));
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(white);
        p.drawPath(head);
    } else if (key == QLatin1String("Home")) {
        // A house: red roof, cream walls, a dark door, a chimney.
        QPainterPath walls;
        walls.addRect(QRectF(5.5, 11, 13, 10.5));
        QLinearGradient wall(QPointF(0, 11), QPointF(0, 21.5));
        wall.setColorAt(0.0, modeColour(QColor(255, 246, 222), mode));
        wall.setColorAt(1.0, modeColour(QColor(222, 204, 168), mode));
        p.setPen(QPen(modeColour(QColor(90, 70, 40), mode), 1.0));
        p.setBrush(wall);
        p.drawPath(walls);
        p.setBrush(modeColour(colours::deepRed, mode));
        p.drawRect(QRectF(15.5, 4, 2.5, 5));
        QPainterPath roof;
        roof.moveTo(1.5, 12.5);
        roof.lineTo(12, 3);
        roof.lineTo(22.5, 12.5);
        roof.lineTo(20, 12.5);
        roof.lineTo(12, 5.6);
        roof.lineTo(4, 12.5);
        roof.closeSubpath();
        QLinearGradient tiles(QPointF(0, 3), QPointF(0, 12.5));
        tiles.setColorAt(0.0, modeColour(QColor(245, 80, 70), mode));
        tiles.setColorAt(1.0, modeColour(colours::deepRed, mode));
        p.setPen(QPen(modeColour(QColor(80, 0, 6), mode), 0.9, Qt::SolidLine, Qt::SquareCap,
                      Qt::MiterJoin));
        p.setBrush(tiles);
        p.drawPath(roof);
        p.setPen(QPen(modeColour(QColor(40, 30, 20), mode), 0.8));
        p.setBrush(modeColour(colours::deepGreen, mode));
        p.drawRoundedRect(QRectF(10, 15, 4, 6.5), 0.8, 0.8);
        p.setBrush(modeColour(QColor(120, 190, 240), mode));
        p.drawRect(QRectF(7, 13, 2.2, 2.2));
        p.drawRect(QRectF(14.8, 13, 2.2, 2.2));
    }
    p.restore();
}

} // namespace resources::detail
