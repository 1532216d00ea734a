#include "ui/common/PasswordBox.h"

#include "base/Wipe.h"

#include <QLineEdit>

namespace ui {

void makePasswordBox(QLineEdit* box) {
    box->setEchoMode(QLineEdit::Password);
    // A style sheet is the one way to choose the mask character per box; this
    // rule sets nothing else, so the box keeps its style's look.
    box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

base::Secret passwordOf(const QLineEdit* box) {
    const QString typed = box->text();
    base::Secret secret = base::Secret::copyOf(typed);
    // The text is normally the box's own, shared, and goes when the box lets
    // it go; a copy made for us (a mask taken out) is wiped here.
    if (typed.constData() != box->text().constData())
        base::wipe(typed);
    return secret;
}

} // namespace ui
