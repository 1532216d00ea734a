#include "resources/Artwork.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

// First cut of the artwork: plain but complete. Every picture has its final
// size and role; the look is refined in place.

namespace resources {
namespace {

qreal ratio() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app ? app->devicePixelRatio() : 1.0;
}

QPixmap canvas(const QSize& size) {
    const qreal dpr = ratio();
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap buttonFace(const QString& word) {
    QPixmap pixmap = canvas(QSize(81, 33));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 33);
    g.setColorAt(0, QColor(60, 60, 70));
    g.setColorAt(1, QColor(15, 15, 20));
    p.setBrush(g);
    p.setPen(QColor(200, 40, 40));
    p.drawRoundedRect(QRectF(0.5, 0.5, 80, 32), 4, 4);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(word.size() > 10 ? 9 : 12);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 81, 33), Qt::AlignCenter | Qt::TextWordWrap, word);
    return pixmap;
}

void applyPictureButton(QAbstractButton* button, const QString& word) {
    button->setText(QString());
    button->setIcon(QIcon(buttonFace(word)));
    button->setIconSize(QSize(81, 33));
    button->setAccessibleName(word);
}

QPixmap mainBackground() {
    QPixmap pixmap = canvas(QSize(640, 480));
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 640, 480);
    g.setColorAt(0, QColor(120, 0, 0));
    g.setColorAt(1, QColor(0, 110, 0));
    p.fillRect(QRect(0, 0, 640, 480), g);
    return pixmap;
}

QIcon appIcon() {
    QPixmap pixmap = canvas(QSize(64, 64));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(150, 0, 0));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(44);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(0, 0, 64, 64), Qt::AlignCenter, QStringLiteral("T"));
    return QIcon(pixmap);
}

QIcon windowIcon(const QString&) { return appIcon(); }

QPixmap introBackground(const QSize& size) {
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(10, 10, 40));
    g.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(QRect(QPoint(0, 0), size), g);
    return pixmap;
}

QPixmap versionBanner(const QSize& size) {
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.fillRect(QRect(QPoint(0, 0), size), QColor(20, 20, 90));
    p.setPen(QColor(255, 215, 0));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(size.height() * 2 / 3);
    p.setFont(f);
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, QStringLiteral("VERSION 2.0"));
    return pixmap;
}

static QPixmap symbol(const QSize& size, const QString& glyph, const QColor& color) {
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(color);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(QPointF(1, 1), QSizeF(size) - QSizeF(2, 2)));
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(size.height() / 2);
    p.setFont(f);
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, glyph);
    return pixmap;
}

QPixmap passwordPicture(const QSize& size) { return symbol(size, QStringLiteral("***"), QColor(160, 0, 0)); }
QPixmap textPicture(const QSize& size) { return symbol(size, QStringLiteral("Abc"), QColor(0, 120, 0)); }
QPixmap secretPicture(const QSize& size) { return introBackground(size); }

QIcon toolbarIcon(const QString& key) {
    return QIcon(symbol(QSize(24, 24), key.left(1), QColor(40, 40, 120)));
}

QFont decorativeFont(qreal pointSize) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPointSizeF(pointSize);
    f.setItalic(true);
    return f;
}

} // namespace resources
