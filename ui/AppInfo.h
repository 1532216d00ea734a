#pragma once

#include <QString>

namespace ui {

// The author's web page, opened by the main window's web command.
inline const QString kAuthorWebPage = QStringLiteral("https://www.example.org/tessera2/");

} // namespace ui
