#pragma once

// File names as this platform spells them: the names the windows offer before
// the user has chosen one, and the file dialog filter that shows every file.

#include <QString>

namespace ui {

// The file a window offers by default, named by its plain file name
// ("File.txt"): on Windows at the top of drive C:, as the program always had
// it; elsewhere, where "C:\File.txt" would be a strange name in whatever folder
// the program was started from, in the user's home folder. Always a full path
// with the platform's separators, so the user sees where the file goes.
QString defaultFilePath(const QString& fileName);

// The file dialog filter for "every file". "*.*" means that only where every
// file name has an extension; elsewhere a name may have no dot at all.
QString everyFileFilter();

} // namespace ui
