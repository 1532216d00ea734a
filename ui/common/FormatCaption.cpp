#include "ui/common/FormatCaption.h"

#include <QAbstractButton>
#include <QLabel>

namespace ui {

void showFormat(QLabel* caption, QAbstractButton* encrypt, QAbstractButton* decrypt, bool sealed,
                bool setTips) {
    // The caption grows or shrinks to its text, its right edge where the design put it.
    const int right = caption->geometry().right();
    caption->setText(sealed ? QStringLiteral("Format: Sealed") : QStringLiteral("Format: Classic"));
    caption->adjustSize();
    caption->move(right - caption->width() + 1, caption->y());

    const QString writes =
        sealed ? QStringLiteral("Encrypts in the sealed format: strong, authenticated encryption.")
               : QStringLiteral("Encrypts in the classic format, which hides the text from a "
                                "casual reader only; choose Sealed for anything secret.");
    const QString opens = sealed ? QStringLiteral("Opens sealed input only (Sealed is chosen).")
                                 : QStringLiteral("Opens classic or sealed input, recognised by itself.");
    encrypt->setAccessibleDescription(writes);
    decrypt->setAccessibleDescription(opens);
    if (setTips) {
        encrypt->setToolTip(writes);
        decrypt->setToolTip(opens);
    }
}

} // namespace ui
