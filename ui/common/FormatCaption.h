#pragma once

// What an encryption will write, shown where the eye already goes: a short
// caption ("Format: Sealed") kept at its right edge by the buttons, and the
// encrypt and decrypt buttons' accessible descriptions and, where the window's
// design gives them none, their tooltips.

class QAbstractButton;
class QLabel;

namespace ui {

void showFormat(QLabel* caption, QAbstractButton* encrypt, QAbstractButton* decrypt, bool sealed,
                bool setTips);

} // namespace ui
