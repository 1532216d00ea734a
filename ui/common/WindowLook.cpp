#include "ui/common/WindowLook.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace ui {
namespace {

struct Face {
    const char* family;
    int stretch;
};

// Nimbus Sans, for one, has a line too tall for the classic proportions, and
// plain DejaVu Sans letters too wide, while its condensed cut matches well.
QFont chooseClassicFace() {
    static const Face faces[] = {
        {"MS Sans Serif", QFont::Unstretched},   {"Microsoft Sans Serif", QFont::Unstretched},
        {"Tahoma", QFont::Unstretched},          {"Arial", QFont::Unstretched},
        {"Liberation Sans", QFont::Unstretched}, {"Nimbus Sans", QFont::Unstretched},
        {"DejaVu Sans", QFont::SemiCondensed},
    };
    const QString sample = QStringLiteral("Encryption is the usage of simple");
    for (const Face& face : faces) {
        QFont font(QString::fromLatin1(face.family));
        font.setStretch(face.stretch);
        font.setPointSizeF(8.0);
        const QFontInfo info(font);
        if (!info.family().startsWith(QLatin1String(face.family), Qt::CaseInsensitive))
            continue; // not installed: the system would substitute another face
        const QFontMetricsF metrics(font);
        const qreal size = qMax<qreal>(1.0, info.pixelSize());
        if (metrics.lineSpacing() / size <= 1.25 &&
            metrics.horizontalAdvance(sample) / size <= 15.5)
            return font;
    }
    QFont fallback;
    fallback.setStyleHint(QFont::SansSerif);
    return fallback;
}

// The size a control's text needs at the control's present width (wrapped
// labels) or on one line (everything else).
QSize neededSize(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label && label->wordWrap())
        return {control->width(), label->heightForWidth(control->width())};
    return {control->sizeHint().width(), control->height()};
}

bool fits(const QWidget* control) {
    const QSize needed = neededSize(control);
    return needed.width() <= control->width() && needed.height() <= control->height();
}

class FirstShowCentring final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            QScreen* screen =
                window->screen() ? window->screen() : QGuiApplication::primaryScreen();
            if (screen) {
                QRect frame = window->frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window->move(frame.topLeft());
            }
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

QFont classicFont(qreal pointSize, bool bold) {
    static const QFont face = chooseClassicFace();
    QFont font = face;
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setColours(QWidget* widget, const QColor& text, const QColor& ground) {
    QPalette palette = widget->palette();
    // Labels draw in the window roles; some styles draw a check box's caption
    // and ground in the button roles.
    const bool checkBox = qobject_cast<QCheckBox*>(widget) != nullptr;
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        if (checkBox)
            palette.setColor(QPalette::ButtonText, text);
        // A disabled control's text is grey, so that it looks disabled.
        palette.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledText);
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, kDisabledText);
    }
    if (ground.isValid()) {
        palette.setColor(QPalette::Window, ground);
        if (checkBox)
            palette.setColor(QPalette::Button, ground);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void fitText(QWidget* control, Fit fit) {
    if (fits(control))
        return;
    if (fit == Fit::Grow) {
        control->resize(control->size().expandedTo(neededSize(control)));
        return;
    }
    QFont font = control->font();
    while (!fits(control) && font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        control->setFont(font);
    }
}

void centreOnFirstShow(QWidget* window) {
    window->installEventFilter(new FirstShowCentring(window));
}

} // namespace ui
