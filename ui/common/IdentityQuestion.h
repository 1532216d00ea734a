#pragma once

// Opening input sealed to people from a window: it opens with the identities
// open in the Keys window; when none is open, or none fits, the window asks
// for an identity file (and a protected one's password) and opens it into the
// Keys window, which then holds it for the rest of the run.

#include <QString>

class QWidget;

namespace ui {

class FormRegistry;

// Whether the regular file at path holds input sealed to people: a sealed
// file of that kind, or, for a message file, a sealed message of that kind.
bool sealedToPeople(const QString& path, bool message);

// Asks for an identity file through the open dialog and opens it into the
// Keys window, a protected one with the password asked once. True when it
// opened; a cancel is false, a refusal is said first.
bool askIdentityFile(QWidget* parent, FormRegistry& registry);

} // namespace ui
