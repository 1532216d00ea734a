#pragma once

// What the whole program shares about itself.

#include <QString>

namespace base {

// The application title: the caption of every message box that names none
// (the cipher's own closing messages among them) and the about box's name.
inline const QString kAppTitle = QStringLiteral("Tessera2");

// The version of both programs, from the build.
inline const QString kVersion = QStringLiteral(TESSERA_VERSION);

} // namespace base
