#pragma once

// What is already at the name a message file is about to be written to. A
// second encryption to the same name replaces the earlier message file, as it
// always did; replacing any other file loses the user's data, so the windows
// ask first. Only what clearly is a message file counts as one: the classic
// reader takes any file at all (a note beginning "1. Buy milk" reads as a
// message), so its own test would let a document go without a word.

#include <QByteArray>
#include <QString>

namespace cipher {

enum class ExistingFile {
    None,        // no file, an empty one, or no regular file (a FIFO or a
                 // device, which is written in place and never replaced)
    MessageFile, // begins with a known tag line, or is a sealed message or
                 // file (a damaged one too)
    Other,       // any other file, and one that cannot be read
};

// Whether a file that begins with these bytes (as much of it as a decryption
// reads) is a message file, classic or sealed, or a sealed file.
bool beginsAsMessageFile(const QByteArray& firstBytes);

// What writing a message file to `path` would replace. Reads no more than a
// decryption would, and never opens anything but a regular file.
ExistingFile existingFile(const QString& path);

} // namespace cipher
