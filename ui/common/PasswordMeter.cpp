#include "ui/common/PasswordMeter.h"

#include <QLineEdit>
#include <QPainter>

namespace ui {
namespace {

// Red to green, one colour a level.
const QColor kLevelColours[] = {QColor(192, 0, 0), QColor(224, 112, 0), QColor(200, 176, 0),
                                QColor(96, 160, 0), QColor(0, 128, 0)};
constexpr int kSteps = 5;
constexpr int kStepWidth = 8;
constexpr int kStepGap = 2;

} // namespace

PasswordMeter::PasswordMeter(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Password strength"));
    setToolTip(sealed::strengthAssumption());
    setAutoFillBackground(true);
    setVisible(false);
}

void PasswordMeter::watch(QLineEdit* box) {
    if (m_box)
        disconnect(m_box, nullptr, this, nullptr);
    m_box = box;
    connect(box, &QLineEdit::textChanged, this, &PasswordMeter::rate);
    rate();
}

void PasswordMeter::setSealed(bool sealed) {
    m_sealed = sealed;
    rate();
}

QString PasswordMeter::text() const {
    return m_strength ? m_strength->describe() : QString();
}

void PasswordMeter::rate() {
    const QString password = m_box ? m_box->text() : QString();
    m_strength = m_sealed && !password.isEmpty() ? sealed::passwordStrength(password) : std::nullopt;
    setAccessibleDescription(text());
    setVisible(m_strength.has_value());
    update();
}

void PasswordMeter::paintEvent(QPaintEvent*) {
    if (!m_strength)
        return;
    QPainter painter(this);
    const int level = static_cast<int>(m_strength->level);
    const int barHeight = qMin(height() - 4, 8);
    const int top = (height() - barHeight) / 2;
    for (int step = 0; step < kSteps; ++step) {
        const QRect box(step * (kStepWidth + kStepGap), top, kStepWidth, barHeight);
        painter.fillRect(box, step <= level ? kLevelColours[level] : palette().color(QPalette::Mid));
    }
    const int textLeft = kSteps * (kStepWidth + kStepGap) + 4;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(textLeft, 0, width() - textLeft, height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, width() - textLeft));
}

} // namespace ui
