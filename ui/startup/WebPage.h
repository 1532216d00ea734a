#pragma once

// What the rest of the program may ask of the web page viewer: a new viewer
// on a page, beside any that are already open.

#include <QString>

namespace ui {

class FormRegistry;

// Opens a fresh viewer on address; nothing when this build has no viewer.
void openWebPage(FormRegistry& registry, const QString& address);

} // namespace ui
