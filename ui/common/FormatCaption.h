#pragma once

// What an encryption will write, shown where the eye already goes: a short
// caption ("Format: Sealed") kept at its right edge by the buttons, and the
// encrypt and decrypt buttons' accessible descriptions and, where the window's
// design gives them none, their tooltips. Sealed to people says to how many
// ("Format: Sealed to 2 people"); people is -1 for Sealed with a password.

class QAbstractButton;
class QLabel;

namespace ui {

void showFormat(QLabel* caption, QAbstractButton* encrypt, QAbstractButton* decrypt, bool sealed,
                bool setTips, int people = -1);

} // namespace ui
