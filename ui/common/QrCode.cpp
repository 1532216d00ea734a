#include "ui/common/QrCode.h"

#include <QPainter>
#include <qrencode.h>

namespace ui {
namespace {

struct Modules {
    int size = 0;
    QVector<bool> dark;
};

Modules encode(const QString& text) {
    Modules out;
    if (text.isEmpty())
        return out;
    const QByteArray bytes = text.toUtf8();
    QRcode* code = QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code)
        return out;
    out.size = code->width;
    out.dark.resize(qsizetype(code->width) * code->width);
    for (qsizetype i = 0; i < out.dark.size(); ++i)
        out.dark[i] = (code->data[i] & 1) != 0; // bit 0: a dark module
    QRcode_free(code);
    return out;
}

// Draws the modules from `origin`, `pixels` a side each, with the quiet zone.
void draw(QPainter& painter, const Modules& modules, QPoint origin, int pixels) {
    const int side = (modules.size + 2 * QrCode::kQuietZone) * pixels;
    painter.fillRect(QRect(origin, QSize(side, side)), Qt::white);
    const QPoint first = origin + QPoint(QrCode::kQuietZone, QrCode::kQuietZone) * pixels;
    for (int y = 0; y < modules.size; ++y) {
        for (int x = 0; x < modules.size; ++x) {
            if (modules.dark[qsizetype(y) * modules.size + x])
                painter.fillRect(QRect(first + QPoint(x, y) * pixels, QSize(pixels, pixels)),
                                 Qt::black);
        }
    }
}

} // namespace

QrCode::QrCode(QWidget* parent) : QWidget(parent) {}

void QrCode::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    Modules modules = encode(text);
    m_size = modules.size;
    m_modules = std::move(modules.dark);
    update();
}

void QrCode::setPlaceholder(const QString& words) {
    m_placeholder = words;
    update();
}

QImage QrCode::image(const QString& text, int pixelsPerModule) {
    const Modules modules = encode(text);
    if (modules.size == 0 || pixelsPerModule < 1)
        return {};
    const int side = (modules.size + 2 * kQuietZone) * pixelsPerModule;
    QImage picture(side, side, QImage::Format_RGB32);
    QPainter painter(&picture);
    draw(painter, modules, {0, 0}, pixelsPerModule);
    return picture;
}

void QrCode::paintEvent(QPaintEvent*) {
    if (m_size == 0) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         m_placeholder);
        return;
    }
    const int span = m_size + 2 * kQuietZone;
    // Whole pixels a module, so that every module has the same size and the
    // edges stay sharp; at least one, however small the widget.
    const int pixels = qMax(1, qMin(width(), height()) / span);
    const int side = span * pixels;
    QPainter painter(this);
    draw(painter, {m_size, m_modules}, QPoint((width() - side) / 2, (height() - side) / 2), pixels);
}

} // namespace ui
