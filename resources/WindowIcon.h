#pragma once

namespace resources {

// The icons a window may carry: the program's own mosaic padlock, a sealed
// file (the file encryption window) or a globe (the web page viewer).
enum class WindowIcon { Program, File, Globe };

} // namespace resources
