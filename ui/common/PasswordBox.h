#pragma once

// The program's password boxes all look alike: each typed character shows as
// "*", whatever mask character the platform's style would choose (many show
// a bullet).

#include "base/Secret.h"

class QLineEdit;

namespace ui {

// Makes the box a password box that shows "*" for every character.
void makePasswordBox(QLineEdit* box);

// The box's text as a secret of its own (base/Secret.h); the box keeps its
// text, which the window clears with setText() when it is done with it.
base::Secret passwordOf(const QLineEdit* box);

} // namespace ui
