#pragma once

// Files dropped on a window: one regular file fills the window's file box, as
// its Browse button would. Anything else that comes as files (several, a
// folder, a device) is refused with no change, wherever it is dropped, so that
// no text box takes a path as typed text. A drop is always taken as a copy,
// and refused when the source does not offer one. Drags of plain text go on
// to the boxes as usual.

#include <QString>
#include <functional>
#include <optional>

class QMimeData;
class QWidget;

namespace ui {

// The local path of the one regular file the data carries; nothing otherwise.
std::optional<QString> droppedFile(const QMimeData* data);

// Lets the window and every control in it that takes drops hand one dropped
// file to `take`. Call once the window's controls exist.
void acceptFileDrops(QWidget* window, std::function<void(const QString& path)> take);

} // namespace ui
