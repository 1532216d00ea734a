#pragma once

// Before a window opens a sealed input whose header asks a costlier key than
// the program's own files do (more passes, more memory, up to what the reader
// allows): the derivation takes that time and memory at once and cannot be
// stopped part way, so the window asks first.

#include "cipher/Keys.h"

#include <QString>
#include <optional>

class QWidget;

namespace ui {

// True to go on: the input asks no more than the default, or the user
// answered Yes. No, the default, leaves everything as it was.
bool maySpend(QWidget* window, const QString& path, const std::optional<cipher::Cost>& cost);

} // namespace ui
