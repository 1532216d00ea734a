#pragma once

// What the rest of the program may ask of the web page viewer: a new viewer
// on a page, beside any that are already open.

#include <QString>

class QWidget;

namespace ui {

class FormRegistry;

// Opens a fresh viewer on address; nothing when this build has no viewer.
// When the web engine cannot start here, says so in one box over `parent`
// and opens nothing: the program goes on as it was.
void openWebPage(FormRegistry& registry, QWidget* parent, const QString& address);

} // namespace ui
