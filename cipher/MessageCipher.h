#pragma once

// The two message operations, shared by the main window, the wizard and the
// command line: each caller hands over its inputs and a host for the pointer,
// the progress display and the messages.

#include "cipher/AppTitle.h"
#include "cipher/Format.h"
#include "cipher/MessageHost.h"

#include <QIODevice>
#include <QString>

namespace cipher {

inline const QString kErrorTitle = QStringLiteral("Error");
inline const QString kFinished = QStringLiteral("Finished");
inline const QString kDecrypted = QStringLiteral("Decrypted");
inline const QString kFileNotFound = QStringLiteral("No file loaded or File not found");

struct EncryptRequest {
    QString text;     // the message, line breaks as CR LF
    QString password; // as typed
    QString path;     // the message file to write
    bool pic = false;
    bool junkBitz = false;
    QString scratchPath; // empty: ScratchFile::defaultPath()
    int scratchWaitMs = 10000; // how long to wait for another encryption's scratch file
    bool toStandardOutput = false; // the message file goes to standard output, not to path
    // Sealed ignores pic and junkBitz, and takes any character in the text
    // and the password.
    Format format = Format::Classic;
};

enum class EncryptResult {
    Empty,    // nothing to encrypt; nothing happened
    Finished, // the file is complete
    Failed,   // refused or failed; the user was told why and no file changed
    Cancelled, // the host cancelled; nothing was written and nothing was said
};

EncryptResult EncryptMessage(const EncryptRequest& request, MessageHost& host);

struct DecryptRequest {
    QString path;     // the message file to read
    QString password; // as typed
    // Sealed chosen: the file must be a sealed message; a classic one is
    // refused, with notSealedHint saying how to open it instead.
    bool requireSealed = false;
    QString notSealedHint = QStringLiteral("To open a classic message file, turn Sealed off.");
    // Refuse a file that holds neither a tag line nor a single number, which
    // the windows would show as an empty text (the command line's rule).
    bool requireMessage = false;
};

enum class DecryptResult {
    Decrypted, // the text went to the host's output
    NotFound,  // the file could not be opened
    Refused,   // the password cannot be used
    TooLarge,  // the file is far larger than any message; the output is untouched
    NotOpened, // a sealed message that did not authenticate (a wrong password, a
               // changed file); the output is untouched
    Damaged,   // almost a sealed message: a damaged one, never read as classic;
               // the output is untouched
    NotSealed, // a classic file where a sealed one was required; the output is untouched
    NotAMessage, // neither a tag line nor a number (requireMessage); the output is untouched
};

DecryptResult DecryptMessage(const DecryptRequest& request, MessageHost& host);
inline DecryptResult DecryptMessage(const QString& path, const QString& password,
                                    MessageHost& host) {
    return DecryptMessage(DecryptRequest{path, password}, host);
}

// Whether a classic message file's content holds a tag line (a first field in
// double quotes, or a known tag) or at least one number.
bool holdsMessage(const QByteArray& content);

// The reading loop of DecryptMessage on an open device: the tag, the key and
// junk choice it implies, and every value after it, appended to the host's
// output. Ends on any input, in bounded memory.
void decryptFrom(QIODevice& device, const QByteArray& passwordCodes, MessageHost& host);


} // namespace cipher
