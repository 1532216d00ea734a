#pragma once

// The classic message file, written and read: the writer puts the message's
// character codes through the scratch file and back, then writes each with
// its key code (and junk value) under the format tag; the reader undoes it
// with whatever key the tag and the password give. cipher/Messages.h is the
// entry that checks the inputs and picks this or the sealed format.

#include "base/Failure.h"
#include "base/Progress.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace classic {

struct WriteRequest {
    QByteArray codes;    // the message in code page codes, line breaks as CR LF
    QByteArray password; // in code page codes; not empty
    bool pic = false;
    bool junkBitz = false;
    QString scratchPath;      // where the codes wait between the two passes
    int scratchWaitMs = 10000; // how long to wait for another encryption's scratch file
};

struct Written {
    enum class Status { Done, Refused, Cancelled } status = Status::Done;
    QByteArray content; // Done: the whole message file
    base::Failure refusal = {}; // Refused: why
};

// The message file's content. The progress display counts the characters of
// each pass in turn; the scratch file and its lock are gone when this returns.
Written writeMessage(const WriteRequest& request, base::Progress& progress);

// The reading loop: the tag, the key and junk choice it implies, and every
// value after it, each result from 0 to 255 appended to codes. Ends on any
// input, in bounded memory besides the codes.
void readMessage(QIODevice& device, const QByteArray& password, QByteArray* codes);

// The values a reader would take from a message file, counted up to one past
// the ceiling (base::kMaxFileValues).
int countValues(const QByteArray& content);

// Whether the content begins as a message file does: with a tag line (a first
// field in double quotes, or a known tag) or, its tag lost, with a number.
bool holdsMessage(const QByteArray& content);

} // namespace classic
