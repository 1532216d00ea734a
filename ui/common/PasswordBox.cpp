#include "ui/common/PasswordBox.h"

#include <QLineEdit>

namespace ui {

void makePasswordBox(QLineEdit* box) {
    box->setEchoMode(QLineEdit::Password);
    // A style sheet is the one way to choose the mask character per box; this
    // rule sets nothing else, so the box keeps its style's look.
    box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

} // namespace ui
