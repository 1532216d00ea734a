#pragma once

#include <QString>

namespace cipher {

// The application title: the caption of every message box that names none
// (the cipher's own closing messages among them) and the about box's name.
inline const QString kAppTitle = QStringLiteral("Tessera2");

} // namespace cipher
