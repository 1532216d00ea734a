#include "ui/common/FormatCaption.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>

namespace ui {

void showFormat(QLabel* caption, QAbstractButton* encrypt, QAbstractButton* decrypt, bool sealed,
                bool setTips, int people) {
    // The caption grows or shrinks to its text, its right edge where the design put it.
    const int right = caption->geometry().right();
    // One person has a message of its own, so that English, which no
    // translation file covers, says "person"; every other count takes the
    // plural forms of the language.
    if (sealed && people == 1)
        caption->setText(QCoreApplication::translate("ui::FormatCaption",
                                                     "Format: Sealed to %n person", nullptr, 1));
    else if (sealed && people >= 0)
        caption->setText(QCoreApplication::translate("ui::FormatCaption",
                                                     "Format: Sealed to %n people", nullptr, people));
    else
        caption->setText(sealed ? QCoreApplication::translate("ui::FormatCaption", "Format: Sealed")
                                : QCoreApplication::translate("ui::FormatCaption", "Format: Classic"));
    caption->adjustSize();
    caption->move(right - caption->width() + 1, caption->y());

    const QString writes =
        sealed ? QCoreApplication::translate(
                     "ui::FormatCaption",
                     "Encrypts in the sealed format: strong, authenticated encryption.")
               : QCoreApplication::translate(
                     "ui::FormatCaption",
                     "Encrypts in the classic format, which hides the text from a "
                     "casual reader only; choose Sealed for anything secret.");
    const QString opens =
        sealed ? QCoreApplication::translate("ui::FormatCaption",
                                             "Opens sealed input only (Sealed is chosen).")
               : QCoreApplication::translate(
                     "ui::FormatCaption", "Opens classic or sealed input, recognised by itself.");
    encrypt->setAccessibleDescription(writes);
    decrypt->setAccessibleDescription(opens);
    if (setTips) {
        encrypt->setToolTip(writes);
        decrypt->setToolTip(opens);
    }
}

} // namespace ui
