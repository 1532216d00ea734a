// Vector-drawn artwork: the picture buttons' faces, the version banner and
// the wizard's two small pictures.

#include "resources/ArtworkPainters.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace resources::detail {

qreal screenRatio() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app ? std::max<qreal>(1.0, app->devicePixelRatio()) : 1.0;
}

QPixmap canvas(const QSize& size, qreal ratio) {
    QPixmap pixmap(QSize(qCeil(size.width() * ratio), qCeil(size.height() * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QPainterPath foldedSheet(const QRectF& sheet, qreal fold) {
    QPainterPath page;
    page.moveTo(sheet.topLeft());
    page.lineTo(sheet.topRight() - QPointF(fold, 0));
    page.lineTo(sheet.topRight() + QPointF(0, fold));
    page.lineTo(sheet.bottomRight());
    page.lineTo(sheet.bottomLeft());
    page.closeSubpath();
    return page;
}

namespace {

QColor grey(const QColor& c) {
    const int v = qGray(c.rgb());
    return QColor(v, v, v, c.alpha());
}

QFont letteringFont(int pixelSize, int stretch) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setWeight(QFont::Bold);
    f.setPixelSize(std::max(1, pixelSize));
    // 87 picks DejaVu's own condensed face where it is installed; narrower
    // settings are drawn condensed by the font engine.
    f.setStretch(stretch);
    return f;
}

// The lettering of a face: one line if it fits at a fair size, else two
// lines split at a space. Long words are set narrower before they are set
// smaller, so the faces of a column keep letters of one height.
struct Lettering {
    QFont font;
    QStringList lines;
};

Lettering fitLettering(const QString& word, const QSizeF& box, int preferred) {
    auto fits = [&](const QStringList& lines, const QFont& font) {
        const QFontMetricsF fm(font);
        qreal widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, fm.horizontalAdvance(line));
        const qreal height =
            lines.size() == 1 ? fm.capHeight() : fm.capHeight() * lines.size() * 1.55;
        return widest <= box.width() && height <= box.height();
    };
    auto search = [&](const QStringList& lines, int largest, int smallest, Lettering* found) {
        for (int px = largest; px >= smallest; --px) {
            for (int stretch : {100, 87, 80}) {
                const QFont font = letteringFont(px, stretch);
                if (fits(lines, font)) {
                    *found = {font, lines};
                    return true;
                }
            }
        }
        return false;
    };
    Lettering found;
    const QStringList one{word};
    if (search(one, preferred, std::max(6, preferred - 2), &found))
        return found;
    // Two lines, split at the space nearest the middle.
    const int mid = int(word.size()) / 2;
    int split = -1;
    for (int d = 0; d <= mid && split < 0; ++d) {
        if (word.at(mid - d) == QLatin1Char(' '))
            split = mid - d;
        else if (mid + d < word.size() && word.at(mid + d) == QLatin1Char(' '))
            split = mid + d;
    }
    if (split > 0 && search({word.left(split), word.mid(split + 1)}, preferred, 6, &found))
        return found;
    if (search(one, preferred - 3, 5, &found))
        return found;
    return {letteringFont(5, 80), one};
}

void drawLettering(QPainter& p, const QRectF& box, const Lettering& l, const QColor& colour,
                   const QColor& shadow) {
    p.setFont(l.font);
    const QFontMetricsF fm(l.font);
    const qreal lineHeight = l.lines.size() == 1 ? fm.capHeight() : fm.capHeight() * 1.55;
    const qreal total = lineHeight * l.lines.size();
    qreal y = box.center().y() - total / 2;
    for (const QString& line : l.lines) {
        const qreal width = fm.horizontalAdvance(line);
        const qreal x = box.center().x() - width / 2;
        // Lines are centred on their capitals (descenders hang below).
        const qreal baseline = y + (lineHeight + fm.capHeight()) / 2;
        p.setPen(shadow);
        p.drawText(QPointF(x, baseline + 1), line);
        p.setPen(colour);
        p.drawText(QPointF(x, baseline), line);
        y += lineHeight;
    }
}

QPainterPath roundedPath(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

} // namespace

// ---------------------------------------------------------------------------
// Picture button faces: a dark glossy plate, a red-gold-green accent line
// under crisp white lettering.

void paintFace(QPainter& p, const QRectF& rect, const QString& word, const FaceState& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const qreal h = rect.height();
    const qreal radius = std::clamp(h * 0.17, 2.5, 7.0);
    const QRectF plate = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath body = roundedPath(plate, radius);

    auto tint = [&](QColor c) { return s.disabled ? grey(c) : c; };

    // The plate: a dark gradient, lighter under the pointer, sunk when pressed.
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    if (s.pressed) {
        fill.setColorAt(0.0, QColor(10, 11, 13));
        fill.setColorAt(0.55, QColor(24, 26, 31));
        fill.setColorAt(1.0, QColor(38, 41, 47));
    } else {
        const int lift = s.hover ? 16 : 0;
        fill.setColorAt(0.0, QColor(70 + lift, 75 + lift, 84 + lift));
        fill.setColorAt(0.48, QColor(34 + lift, 37 + lift, 43 + lift));
        fill.setColorAt(0.52, QColor(20 + lift, 22 + lift, 26 + lift));
        fill.setColorAt(1.0, QColor(8 + lift / 2, 9 + lift / 2, 11 + lift / 2));
    }
    p.fillPath(body, fill);

    // A soft glow of the accent colours along the bottom.
    if (!s.disabled) {
        QRadialGradient glow(QPointF(plate.center().x(), plate.bottom() + h * 0.1),
                             plate.width() * 0.55);
        glow.setColorAt(0.0, QColor(255, 150, 70, s.hover ? 70 : 38));
        glow.setColorAt(1.0, QColor(255, 150, 70, 0));
        p.save();
        p.setClipPath(body);
        p.fillRect(plate, glow);
        p.restore();
    }

    // The gloss over the upper half.
    if (!s.pressed) {
        const QRectF upper(plate.left() + 1.2, plate.top() + 1.2, plate.width() - 2.4,
                           plate.height() * 0.46);
        QLinearGradient gloss(upper.topLeft(), upper.bottomLeft());
        gloss.setColorAt(0.0, QColor(255, 255, 255, s.hover ? 80 : 62));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 8));
        p.fillPath(roundedPath(upper, std::max(1.0, radius - 1.2)), gloss);
    }

    // The accent line: crimson through gold to emerald.
    const qreal accentY = plate.bottom() - std::max(2.6, h * 0.1);
    const qreal inset = radius + 3;
    QLinearGradient accent(QPointF(plate.left() + inset, 0), QPointF(plate.right() - inset, 0));
    accent.setColorAt(0.0, tint(colours::crimson));
    accent.setColorAt(0.5, tint(s.hover ? colours::gold.lighter(115) : colours::gold));
    accent.setColorAt(1.0, tint(colours::emerald));
    QPen accentPen(QBrush(accent), std::max(1.2, h * 0.045), Qt::SolidLine, Qt::RoundCap);
    p.setPen(accentPen);
    p.setOpacity(s.disabled ? 0.45 : (s.hover ? 1.0 : 0.85));
    p.drawLine(QPointF(plate.left() + inset, accentY), QPointF(plate.right() - inset, accentY));
    p.setOpacity(1.0);

    // Rims: a dark outline, a fine light line inside it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 230), 1.0));
    p.drawPath(body);
    p.setPen(QPen(QColor(255, 255, 255, s.pressed ? 14 : 40), 1.0));
    p.drawPath(roundedPath(plate.adjusted(1, 1, -1, -1), std::max(1.0, radius - 1)));

    // Keyboard focus: a gold ring just inside the rim.
    if (s.focus && !s.disabled) {
        p.setPen(QPen(QColor(242, 193, 78, 220), 1.2));
        p.drawPath(roundedPath(plate.adjusted(1.6, 1.6, -1.6, -1.6), std::max(1.0, radius - 1.6)));
    }

    // The word.
    const qreal pad = std::max(4.0, radius * 0.8);
    QRectF box(plate.left() + pad, plate.top() + 3.0, plate.width() - 2 * pad,
               accentY - plate.top() - 5.0);
    const Lettering lettering = fitLettering(word, box.size(), int(h * 0.38));
    if (s.pressed)
        box.translate(0, 1);
    drawLettering(p, box, lettering, s.disabled ? QColor(140, 143, 149) : QColor(255, 255, 255),
                  QColor(0, 0, 0, s.disabled ? 90 : 190));
    p.restore();
}

// ---------------------------------------------------------------------------
// The version banner: gold capitals on night blue between two fine rules,
// flanked by a red and a green lozenge.

void paintVersionBanner(QPainter& p, const QRectF& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = rect.height();

    QLinearGradient night(rect.topLeft(), rect.bottomLeft());
    night.setColorAt(0.0, QColor(28, 44, 92));
    night.setColorAt(0.5, QColor(12, 22, 56));
    night.setColorAt(1.0, QColor(6, 11, 30));
    p.fillRect(rect, night);

    // Frame: dark outside, gold inside.
    p.setPen(QPen(QColor(3, 5, 14), 1.0));
    p.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    QLinearGradient goldEdge(rect.topLeft(), rect.bottomLeft());
    goldEdge.setColorAt(0.0, colours::gold.lighter(120));
    goldEdge.setColorAt(1.0, colours::darkGold);
    p.setPen(QPen(QBrush(goldEdge), 1.0));
    p.drawRect(rect.adjusted(2.5, 2.5, -2.5, -2.5));

    // The words, letter-spaced, in a gold gradient with a dark cast shadow.
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setStyleHint(QFont::Serif);
    f.setWeight(QFont::Bold);
    f.setPixelSize(std::max(6, int(h * 0.44)));
    f.setLetterSpacing(QFont::AbsoluteSpacing, h * 0.09);
    const QString text = QCoreApplication::translate("resources", "VERSION 2.0");
    const QFontMetricsF fm(f);
    const qreal textWidth = fm.horizontalAdvance(text) - h * 0.09;
    const QPointF origin(rect.center().x() - textWidth / 2, rect.center().y() + fm.capHeight() / 2);
    QPainterPath letters;
    letters.addText(origin, f, text);
    p.setPen(Qt::NoPen);
    p.fillPath(letters.translated(0.8, 1.0), QColor(0, 0, 0, 170));
    QLinearGradient metal(QPointF(0, origin.y() - fm.capHeight()), QPointF(0, origin.y()));
    metal.setColorAt(0.0, QColor(255, 241, 190));
    metal.setColorAt(0.45, colours::gold);
    metal.setColorAt(1.0, QColor(190, 128, 30));
    p.fillPath(letters, metal);

    // Lozenges left and right of the words, and fine rules running to them.
    const qreal gap = h * 0.45;
    const qreal lz = h * 0.16;
    auto lozenge = [&](QPointF c, const QColor& colour) {
        QPainterPath d;
        d.moveTo(c.x(), c.y() - lz);
        d.lineTo(c.x() + lz, c.y());
        d.lineTo(c.x(), c.y() + lz);
        d.lineTo(c.x() - lz, c.y());
        d.closeSubpath();
        p.fillPath(d, colour);
        p.setPen(QPen(QColor(255, 230, 170, 160), 0.6));
        p.drawPath(d);
        p.setPen(Qt::NoPen);
    };
    const qreal cy = std::floor(rect.center().y()) + 0.5; // on a pixel row, crisp
    const qreal leftEnd = rect.center().x() - textWidth / 2 - gap;
    const qreal rightEnd = rect.center().x() + textWidth / 2 + gap;
    lozenge(QPointF(leftEnd, cy), colours::crimson);
    lozenge(QPointF(rightEnd, cy), colours::emerald);
    p.setPen(QPen(colours::gold.darker(115), 0.9));
    if (leftEnd - lz - 7 > rect.left() + 6) {
        p.drawLine(QPointF(rect.left() + 7, cy), QPointF(leftEnd - lz - 2, cy));
        p.drawLine(QPointF(rightEnd + lz + 2, cy), QPointF(rect.right() - 7, cy));
    }
    p.restore();
}

// ---------------------------------------------------------------------------
// The wizard's small pictures: a golden padlock on a red tile, a written
// sheet on a green tile.

namespace {

// Begins a picture on a tile: saves the painter (the picture ends by
// restoring it), turns on smoothing and paints the tile, lit from above.
void startTilePicture(QPainter& p, const QRectF& r, const QColor& centre, const QColor& edge) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal radius = r.width() * 0.14;
    const QPainterPath tile = roundedPath(r.adjusted(0.5, 0.5, -0.5, -0.5), radius);
    QRadialGradient g(QPointF(r.center().x(), r.top() + r.height() * 0.38), r.width() * 0.75);
    g.setColorAt(0.0, centre);
    g.setColorAt(1.0, edge);
    p.fillPath(tile, g);
    QLinearGradient gloss(r.topLeft(), QPointF(r.left(), r.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 60));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(roundedPath(r.adjusted(2, 2, -2, -r.height() * 0.5), radius - 2), gloss);
    p.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
    p.drawPath(tile);
    p.setPen(QPen(QColor(255, 255, 255, 45), 1.0));
    p.drawPath(roundedPath(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1));
}

// A place on the tile, as fractions of its width from its top left corner.
struct TilePoint {
    QRectF tile;
    QPointF operator()(qreal x, qreal y) const {
        return {tile.left() + x * tile.width(), tile.top() + y * tile.width()};
    }
};

} // namespace

void paintPasswordPicture(QPainter& p, const QRectF& r) {
    startTilePicture(p, r, QColor(196, 30, 42), QColor(58, 4, 12));
    const qreal s = r.width();
    const TilePoint at{r};

    // Shadow under the lock.
    QRadialGradient shadow(at(0.5, 0.86), s * 0.34);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 110));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(at(0.5, 0.86), s * 0.34, s * 0.07);

    // The shackle: a steel arch.
    const qreal thick = s * 0.085;
    QPainterPath arch;
    arch.moveTo(at(0.34, 0.47));
    arch.lineTo(at(0.34, 0.33));
    arch.arcTo(QRectF(at(0.34, 0.17), QSizeF(s * 0.32, s * 0.32)), 180, -180);
    arch.lineTo(at(0.66, 0.47));
    QLinearGradient steel(at(0.3, 0), at(0.7, 0));
    steel.setColorAt(0.0, QColor(120, 124, 132));
    steel.setColorAt(0.35, QColor(238, 240, 244));
    steel.setColorAt(0.7, QColor(150, 154, 162));
    steel.setColorAt(1.0, QColor(90, 94, 100));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 20, 20, 200), thick + 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arch);
    p.setPen(QPen(QBrush(steel), thick, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arch);

    // The body: polished gold.
    const QRectF bodyRect(at(0.22, 0.44), QSizeF(s * 0.56, s * 0.40));
    const QPainterPath body = roundedPath(bodyRect, s * 0.06);
    QLinearGradient goldFill(bodyRect.topLeft(), bodyRect.bottomLeft());
    goldFill.setColorAt(0.0, QColor(255, 236, 160));
    goldFill.setColorAt(0.35, colours::gold);
    goldFill.setColorAt(0.75, QColor(205, 140, 38));
    goldFill.setColorAt(1.0, QColor(150, 96, 20));
    p.setPen(QPen(QColor(80, 45, 5), 1.0));
    p.setBrush(goldFill);
    p.drawPath(body);
    // A bright bevel along its top.
    p.setPen(QPen(QColor(255, 250, 220, 170), 1.0));
    p.drawLine(bodyRect.topLeft() + QPointF(s * 0.06, 1.4),
               bodyRect.topRight() + QPointF(-s * 0.06, 1.4));

    // The keyhole.
    const QPointF hole = at(0.5, 0.59);
    QPainterPath keyhole;
    keyhole.addEllipse(hole, s * 0.055, s * 0.055);
    QPainterPath slot;
    slot.moveTo(hole + QPointF(-s * 0.03, s * 0.02));
    slot.lineTo(hole + QPointF(s * 0.03, s * 0.02));
    slot.lineTo(hole + QPointF(s * 0.045, s * 0.15));
    slot.lineTo(hole + QPointF(-s * 0.045, s * 0.15));
    slot.closeSubpath();
    keyhole = keyhole.united(slot);
    p.setPen(QPen(QColor(255, 240, 190, 150), 0.8));
    p.setBrush(QColor(40, 22, 6));
    p.drawPath(keyhole.translated(0, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 16, 4));
    p.drawPath(keyhole);

    // Four little tesserae on the body, red and green, either side of the hole.
    const qreal t = s * 0.05;
    const QColor tiles[4] = {colours::crimson, colours::emerald, colours::emerald,
                             colours::crimson};
    const QPointF places[4] = {at(0.29, 0.50), at(0.29, 0.74), at(0.66, 0.50), at(0.66, 0.74)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(90, 50, 6), 0.8));
        p.setBrush(tiles[i]);
        p.drawRoundedRect(QRectF(places[i], QSizeF(t, t)), 0.8, 0.8);
    }
    p.restore();
}

void paintTextPicture(QPainter& p, const QRectF& r) {
    startTilePicture(p, r, QColor(44, 168, 86), QColor(6, 52, 24));
    const qreal s = r.width();
    const TilePoint at{r};

    // The sheet, with its top right corner folded down.
    const qreal fold = s * 0.15;
    const QRectF sheet(at(0.24, 0.15), QSizeF(s * 0.50, s * 0.68));
    const QPainterPath page = foldedSheet(sheet, fold);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPath(page.translated(s * 0.025, s * 0.03));
    QLinearGradient paper(sheet.topLeft(), sheet.bottomRight());
    paper.setColorAt(0.0, QColor(255, 255, 252));
    paper.setColorAt(1.0, QColor(226, 228, 222));
    p.setPen(QPen(QColor(40, 50, 40), 0.9));
    p.setBrush(paper);
    p.drawPath(page);
    QPainterPath corner;
    corner.moveTo(sheet.topRight() - QPointF(fold, 0));
    corner.lineTo(sheet.topRight() - QPointF(fold, -fold));
    corner.lineTo(sheet.topRight() + QPointF(0, fold));
    corner.closeSubpath();
    p.setBrush(QColor(200, 204, 196));
    p.drawPath(corner);

    // Lines of writing; the first in red like a heading.
    p.setBrush(Qt::NoBrush);
    const qreal left = sheet.left() + s * 0.07;
    const qreal lineGap = s * 0.075;
    const qreal lengths[] = {0.22, 0.34, 0.30, 0.35, 0.26, 0.33, 0.18};
    for (int i = 0; i < 7; ++i) {
        const qreal y = sheet.top() + s * 0.1 + i * lineGap;
        const QColor ink = i == 0 ? colours::crimson : QColor(70, 80, 96);
        p.setPen(QPen(ink, std::max(1.0, s * 0.022), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(left, y), QPointF(left + s * lengths[i], y));
    }

    // A pen lying across the sheet's lower right corner.
    p.save();
    p.translate(at(0.66, 0.70));
    p.rotate(-50);
    const qreal len = s * 0.42, wid = s * 0.075;
    QLinearGradient barrel(QPointF(0, -wid / 2), QPointF(0, wid / 2));
    barrel.setColorAt(0.0, QColor(255, 225, 140));
    barrel.setColorAt(0.5, colours::gold);
    barrel.setColorAt(1.0, colours::darkGold);
    p.setPen(QPen(QColor(60, 35, 5), 0.8));
    p.setBrush(barrel);
    p.drawRoundedRect(QRectF(-len * 0.35, -wid / 2, len * 0.8, wid), wid * 0.3, wid * 0.3);
    QPainterPath nib;
    nib.moveTo(-len * 0.35, -wid / 2);
    nib.lineTo(-len * 0.55, 0);
    nib.lineTo(-len * 0.35, wid / 2);
    nib.closeSubpath();
    p.setBrush(QColor(40, 42, 48));
    p.drawPath(nib);
    p.setBrush(colours::crimson);
    p.drawRoundedRect(QRectF(len * 0.38, -wid / 2, len * 0.08, wid), 1, 1);
    p.restore();
    p.restore();
}

} // namespace resources::detail
