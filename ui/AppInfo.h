#pragma once

#include <QString>

namespace ui {

// The application title: the caption of every message box that names none.
inline const QString kAppTitle = QStringLiteral("Tessera2");

// The author's web page, opened by the main window's web command.
inline const QString kAuthorWebPage = QStringLiteral("https://www.example.org/tessera2/");

} // namespace ui
