#pragma once

// Before a window writes a message file: a file at that name that is not a
// message file (cipher/ExistingFile.h) is replaced only when the user says so.
// An earlier message file is replaced without a word, as it always was.

#include <QString>

class QWidget;

namespace ui {

// True to go on: nothing would be lost, or the user answered Yes. No, the
// default, leaves everything as it was.
bool mayReplace(QWidget* window, const QString& path);

} // namespace ui
