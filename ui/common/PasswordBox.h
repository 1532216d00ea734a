#pragma once

// The program's password boxes all look alike: each typed character shows as
// "*", whatever mask character the platform's style would choose (many show
// a bullet).

class QLineEdit;

namespace ui {

// Makes the box a password box that shows "*" for every character.
void makePasswordBox(QLineEdit* box);

} // namespace ui
