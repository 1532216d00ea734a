#pragma once

// How a reader that is never told the format tells sealed input from classic:
// by what the input holds, not by its label. FORMAT.md states the rules, under
// "Recognising sealed input" and "Reading a sealed message".
//
// A sealed input that was damaged is recognised as sealed and refused as
// damaged; it is never handed to the classic readers, which take any bytes and
// would report garbage as success.

#include <QByteArray>
#include <QList>

namespace sealed {

enum class Recognition {
    Sealed,  // sealed, as far as can be seen without the key
    Damaged, // a sealed input whose structure was damaged: refused, never read as classic
    Classic, // anything else
};

// What is wrong with a damaged sealed input.
enum class Damage {
    None,
    Header,   // the sealed header was changed, moved or partly lost
    Encoding, // a message's base64 does not decode
    Cut,      // cut short: after a message's first line, or inside a header
    NoData,   // a message's sealed tag line with no sealed data after it
};

// How many of a file's first bytes recogniseFile() looks at.
inline constexpr qsizetype kRecognitionWindow = 80;

// A file, from its first kRecognitionWindow bytes (or all of it, when shorter).
// Sealed only when it begins exactly with the sealed magic.
Recognition recogniseFile(const QByteArray& firstBytes, Damage* damage = nullptr);

// A sealed message found in a text.
struct FoundMessage {
    Recognition recognition = Recognition::Classic;
    Damage damage = Damage::None;
    // For Sealed: the sealed bytes the text can hold, each beginning with the
    // magic and ending where the data may end, the most likely first. At most
    // one of them authenticates.
    QList<QByteArray> candidates;
};

// Finds a sealed message wherever it stands in a text: after any first line,
// quoted ("> "), indented, re-wrapped, with text before and after it.
FoundMessage findMessage(const QByteArray& content);

inline Recognition recogniseMessage(const QByteArray& content) {
    return findMessage(content).recognition;
}

} // namespace sealed
