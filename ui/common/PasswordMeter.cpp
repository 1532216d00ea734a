#include "ui/common/PasswordMeter.h"

#include "ui/common/WindowLook.h"
#include "words/Describe.h"

#include <QEvent>
#include <QLabel>
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
// Where the words begin: after the bar and a small gap.
constexpr int kWordsLeft = kSteps * (kStepWidth + kStepGap) + 4;

} // namespace

PasswordMeter::PasswordMeter(QWidget* parent) : QWidget(parent), m_words(new QLabel(this)) {
    setAccessibleName(tr("Password strength"));
    setToolTip(words::strengthAssumption());
    setAutoFillBackground(true);
    m_words->setObjectName(QStringLiteral("lblStrength"));
    m_words->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The meter itself speaks for its words.
    m_words->setAccessibleName(tr("Password strength"));
    setVisible(false);
}

void PasswordMeter::watch(QLineEdit* box) {
    if (m_box)
        disconnect(m_box, nullptr, this, nullptr);
    m_box = box;
    connect(box, &QLineEdit::textChanged, this, &PasswordMeter::rateBox);
    rateBox();
}

void PasswordMeter::rate(const QString& password) {
    m_rating = password.isEmpty() ? std::nullopt : cipher::passwordStrength(password);
    refresh();
}

// A box's text is rated only while it would be shown.
void PasswordMeter::rateBox() {
    rate(m_box && m_sealed ? m_box->text() : QString());
}

void PasswordMeter::setSealed(bool sealed) {
    m_sealed = sealed;
    if (m_box)
        rateBox();
    else
        refresh();
}

std::optional<cipher::Strength> PasswordMeter::strength() const {
    return m_sealed ? m_rating : std::nullopt;
}

QString PasswordMeter::text() const {
    const std::optional<cipher::Strength> shown = strength();
    return shown ? words::strength(*shown) : QString();
}

void PasswordMeter::refresh() {
    m_words->setText(text());
    setAccessibleDescription(text());
    fitWords();
    setVisible(strength().has_value());
    update();
}

// The words at the meter's own size when they fit, else smaller until they do.
void PasswordMeter::fitWords() {
    m_words->setGeometry(kWordsLeft, 0, qMax(0, width() - kWordsLeft), height());
    m_words->setFont(font());
    fitText(m_words, Fit::Shrink);
}

void PasswordMeter::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitWords();
}

void PasswordMeter::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitWords();
}

void PasswordMeter::paintEvent(QPaintEvent*) {
    const std::optional<cipher::Strength> shown = strength();
    if (!shown)
        return;
    QPainter painter(this);
    const int level = static_cast<int>(shown->level);
    const int barHeight = qMin(height() - 4, 8);
    const int top = (height() - barHeight) / 2;
    for (int step = 0; step < kSteps; ++step) {
        const QRect box(step * (kStepWidth + kStepGap), top, kStepWidth, barHeight);
        painter.fillRect(box, step <= level ? kLevelColours[level] : palette().color(QPalette::Mid));
    }
}

} // namespace ui
