// Every window of the program as a screen reader and a keyboard alone meet it.
// Each registered window is opened through the registry and its controls are
// walked through Qt's accessibility interface, the way assistive technology
// sees them: whatever can take the focus or be pressed has a name, a password
// box is reported as one and never gives its text away, and Tab and Shift+Tab
// always lead out of a control.

#include "tests/support/GuiFixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

using testsupport::GuiFixture;

namespace {

// A password nobody types by accident; no accessible text may hold it.
const QString kSecret = QStringLiteral("Zq7-unspoken-secret");

// Where a screen reader is: the window and the object the interface stands for.
QString where(const QWidget* window, const QAccessibleInterface* iface) {
    const QObject* object = iface->object();
    QString name = object ? object->objectName() : QString();
    if (name.isEmpty() && object)
        name = QString::fromLatin1(object->metaObject()->className());
    return window->objectName() + QLatin1Char('.') + name;
}

// Every interface of the window that is on the screen, the window's first.
void walk(QAccessibleInterface* iface, QList<QAccessibleInterface*>& seen) {
    if (!iface || !iface->isValid() || iface->state().invisible)
        return;
    seen.append(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), seen);
}

// What can be pressed, ticked or opened, as a screen reader offers it.
bool clickable(QAccessibleInterface* iface) {
    QAccessibleActionInterface* actions = iface->actionInterface();
    if (!actions)
        return false;
    const QStringList names = actions->actionNames();
    return names.contains(QAccessibleActionInterface::pressAction()) ||
           names.contains(QAccessibleActionInterface::toggleAction()) ||
           names.contains(QAccessibleActionInterface::showMenuAction());
}

// Everything the accessibility interface says of a control in words.
QString spoken(QAccessibleInterface* iface) {
    QStringList words;
    for (QAccessible::Text kind :
         {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
        words << iface->text(kind);
    if (QAccessibleTextInterface* text = iface->textInterface())
        words << text->text(0, text->characterCount());
    return words.join(QLatin1Char('|'));
}

// The controls that Tab can reach: shown, enabled and taking focus from the
// keyboard; a control that hands its focus to another counts as that one.
QList<QWidget*> tabStops(QWidget* window) {
    QList<QWidget*> stops;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy() && w->window() == window)
            stops.append(w);
    }
    return stops;
}

class Accessibility : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        QAccessible::setActive(true);
    }

    // Each window on the screen in turn, as it opens, active; `check` sees it.
    void forEveryWindow(const std::function<void(QWidget*)>& check) {
        ui::AllForms::forEach([&]<class Form> {
            SCOPED_TRACE(nameOf<Form>().toStdString());
            QPointer<QWidget> window = registry.widget<Form>();
            ASSERT_TRUE(window);
            // The window stays as it opened: its own timers (the intro's
            // letters, the splash's hand-over) are held.
            for (QTimer* timer : window->findChildren<QTimer*>())
                timer->stop();
            ASSERT_TRUE(activate(window));
            check(window);
            if (window)
                window->hide();
            dialogs.clear();
        });
    }
};

TEST_F(Accessibility, EveryControlThatTakesFocusOrAPressHasAName) {
    int named = 0;
    int blank = 0;
    forEveryWindow([&](QWidget* window) {
        QList<QAccessibleInterface*> seen;
        walk(QAccessible::queryAccessibleInterface(window), seen);
        ASSERT_FALSE(seen.isEmpty());
        for (QAccessibleInterface* iface : seen.mid(1)) {
            if (!iface->state().focusable && !clickable(iface))
                continue;
            const QString name = iface->text(QAccessible::Name).trimmed();
            // The main window's captionless menu is blank on purpose: the
            // hidden window behind it stays undiscovered, by eye and by ear.
            if (iface->object() && iface->object()->objectName() == QLatin1String("mnusecret")) {
                EXPECT_TRUE(name.isEmpty())
                    << "the blank menu gives itself away: " << name.toStdString();
                ++blank;
                continue;
            }
            EXPECT_FALSE(name.isEmpty()) << where(window, iface).toStdString() << " has no name";
            ++named;
        }
    });
    EXPECT_GT(named, 50);
    EXPECT_EQ(blank, 1) << "the blank menu was not met";
}

TEST_F(Accessibility, PasswordBoxesAreReportedAsSuchAndNeverSpoken) {
    int boxes = 0;
    forEveryWindow([&](QWidget* window) {
        for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
            if (!box->isVisible() || box->echoMode() == QLineEdit::Normal)
                continue;
            ++boxes;
            const QString before = box->text();
            box->setText(kSecret);
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
            ASSERT_NE(iface, nullptr);
            const std::string at = where(window, iface).toStdString();
            EXPECT_EQ(iface->role(), QAccessible::EditableText) << at;
            EXPECT_TRUE(iface->state().passwordEdit) << at;
            EXPECT_FALSE(iface->text(QAccessible::Name).trimmed().isEmpty()) << at;
            EXPECT_FALSE(spoken(iface).contains(kSecret)) << at;
            EXPECT_FALSE(spoken(iface).contains(QStringLiteral("unspoken"))) << at;
            box->setText(before);
        }
    });
    // The main window, the file window and the wizard's two at least.
    EXPECT_GE(boxes, 4);
}

TEST_F(Accessibility, TabAndShiftTabLeadOutOfEveryControl) {
    int left = 0;
    forEveryWindow([&](QWidget* window) {
        const QList<QWidget*> stops = tabStops(window);
        if (stops.size() < 2)
            return; // a single button: nowhere else to go
        for (QWidget* control : stops) {
            for (Qt::KeyboardModifier way : {Qt::NoModifier, Qt::ShiftModifier}) {
                const std::string at =
                    (window->objectName() + QLatin1Char('.') + control->objectName() +
                     (way == Qt::ShiftModifier ? QStringLiteral(" Shift+Tab")
                                               : QStringLiteral(" Tab")))
                        .toStdString();
                if (!window->isVisible()) {
                    ASSERT_TRUE(activate(window)) << at;
                }
                control->setFocus(Qt::TabFocusReason);
                ASSERT_EQ(QApplication::focusWidget(), control) << at << ": takes no focus";
                QTest::keyClick(control, Qt::Key_Tab, way);
                QWidget* now = QApplication::focusWidget();
                EXPECT_NE(now, control) << at << ": the focus stays";
                EXPECT_TRUE(now && now->window() == window) << at << ": the focus left the window";
                ++left;
            }
        }
    });
    EXPECT_GT(left, 50);
}

} // namespace
