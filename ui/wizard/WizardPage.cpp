#include "ui/wizard/WizardPage.h"

#include "ui/FormRegistry.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace ui {

WizardPage::WizardPage(FormRegistry& registry, Wizard& wizard, QWidget* parent)
    : QWidget(parent), m_registry(registry), m_wizard(wizard) {}

void WizardPage::finishSetup() {
    setFixedSize(size());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    // White text on black; buttons and text boxes keep their usual colours.
    // A disabled control's text is grey, so that it looks disabled.
    QPalette look = palette();
    look.setColor(QPalette::Window, Qt::black);
    look.setColor(QPalette::WindowText, Qt::white);
    look.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledText);
    look.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
    setPalette(look);
    setAutoFillBackground(true);
    // Text boxes and their scroll bars keep the system's colours.
    const auto boxes = findChildren<QAbstractScrollArea*>();
    for (QAbstractScrollArea* box : boxes) {
        // Every role set explicitly, or the box would inherit the page's.
        const QPalette system = QApplication::palette(box);
        QPalette own = system;
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                own.setBrush(group, r, system.brush(group, r));
        }
        box->setPalette(own);
    }

    // Every button takes Enter while it has the focus, as on the classic system.
    const auto buttons = findChildren<QPushButton*>();
    for (QPushButton* button : buttons)
        button->setAutoDefault(true);

    // A label whose text needs more lines than its place holds (another face
    // than the one it was laid out for) gets a slightly smaller size instead
    // of losing its last words.
    const auto labels = findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (!label->text().isEmpty() && label->wordWrap())
            fitText(label, Fit::Shrink);
    }
    centreOnFirstShow(this);
}

void WizardPage::setDefaultButton(QPushButton* button) {
    m_defaultButton = button;
    button->setDefault(true);
}

void WizardPage::setCancelButton(QPushButton* button) {
    m_cancelButton = button;
}

void WizardPage::addLine(const QString& name, QLine twips, const QColor& colour) {
    m_lines.append({name, twips, colour});
    update();
}

// Both arrows sit on the button's middle line, a little outside it: a shaft of
// 360 twips and two barbs of 120 twips, as on the finish page.
void WizardPage::addBackArrow(QPushButton* back, int firstLine) {
    const QRect r = back->geometry();
    const int left = r.left() * kTwipsPerPixel;
    const int y = r.top() * kTwipsPerPixel + 240;
    const int tip = left - 480;
    addLine(QStringLiteral("Line%1").arg(firstLine), QLine(left - 120, y, tip, y), kArrowRed);
    addLine(QStringLiteral("Line%1").arg(firstLine + 1), QLine(tip, y, tip + 120, y - 120),
            kArrowRed);
    addLine(QStringLiteral("Line%1").arg(firstLine + 2), QLine(tip, y, tip + 120, y + 120),
            kArrowRed);
}

void WizardPage::addNextArrow(QPushButton* next, int firstLine) {
    const QRect r = next->geometry();
    const int right = (r.left() + r.width()) * kTwipsPerPixel;
    const int y = r.top() * kTwipsPerPixel + 240;
    const int tip = right + 480;
    addLine(QStringLiteral("Line%1").arg(firstLine), QLine(right + 120, y, tip, y), kArrowGreen);
    addLine(QStringLiteral("Line%1").arg(firstLine + 1), QLine(tip, y, tip - 120, y - 120),
            kArrowGreen);
    addLine(QStringLiteral("Line%1").arg(firstLine + 2), QLine(tip, y, tip - 120, y + 120),
            kArrowGreen);
}

void WizardPage::closedThroughFrame() {
    m_wizard.leave(this);
}

void WizardPage::addNavigation(QPushButton* back, QPushButton* next, bool nextIsDefault) {
    if (nextIsDefault)
        setDefaultButton(next);
    addBackArrow(back, 1);
    addNextArrow(next, 4);
}

// Enter must press the default button on arrival: a button that kept the
// focus from the last visit (Back, above all) would otherwise take Enter for
// itself. A box the user types into keeps the focus, since Enter there reaches
// the default button anyway; so does the first box of a page on its first
// arrival, where the user is to type.
void WizardPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_defaultButton)
        return;
    QWidget* focused = focusWidget();
    if (!focused) {
        // Where the window system would put the focus: the first tab stop.
        for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
            if (w->window() == this && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
                !w->isHidden()) {
                focused = w;
                break;
            }
        }
    }
    if (focused && !qobject_cast<QAbstractButton*>(focused))
        focused->setFocus(Qt::OtherFocusReason);
    else
        m_defaultButton->setFocus(Qt::OtherFocusReason);
}

void WizardPage::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (m_lines.isEmpty())
        return;
    QPainter painter(this);
    for (const Line& line : std::as_const(m_lines)) {
        painter.setPen(QPen(line.colour, 1));
        painter.drawLine(line.twips.p1() / kTwipsPerPixel, line.twips.p2() / kTwipsPerPixel);
    }
}

void WizardPage::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier;
    QPushButton* target = enter ? m_defaultButton.data() : escape ? m_cancelButton.data() : nullptr;
    if (target && target->isVisible() && target->isEnabled()) {
        target->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WizardPage::closeEvent(QCloseEvent* event) {
    // The window stays loaded (its contents are part of the wizard); only what
    // the frame's close means differs from window to window.
    event->ignore();
    closedThroughFrame();
}

} // namespace ui
