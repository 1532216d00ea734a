#pragma once

namespace cipher {

// How a message or a file is encrypted. Classic is what every earlier version
// of the program reads and writes, and stays the default; Sealed is real,
// authenticated encryption under a key derived from the password. A reader
// never has to be told: a sealed message or file says so itself.
enum class Format { Classic, Sealed };

} // namespace cipher
