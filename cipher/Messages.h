#pragma once

// The two message operations, shared by the main window, the wizard and the
// command line, for both formats: the entry that checks the inputs and picks
// the classic format (classic/Message.h) or the sealed one (sealed/Message.h).
//
// encryptMessage() and decryptMessage() do the work, report to a
// base::Progress and return what happened as data; the words layer
// (words/Present.h) shows an outcome on a window or the command line.

#include "base/Failure.h"
#include "base/Progress.h"
#include "base/Secret.h"
#include "cipher/Format.h"
#include "classic/MessageFormat.h"
#include "sealed/Identity.h"
#include "sealed/Key.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace cipher {

// A window's text with its line breaks as a message's (CR LF), for
// EncryptRequest::text.
using classic::toMessageLineEnds;

struct EncryptRequest {
    QString text;     // the message, line breaks as CR LF
    base::Secret password; // as typed; shared with the request's copies (base/Secret.h)
    QString path;     // the message file to write
    bool pic = false;
    bool junkBitz = false;
    QString scratchPath; // empty: ScratchFile::defaultPath()
    int scratchWaitMs = 10000; // how long to wait for another encryption's scratch file
    int outputDescriptor = -1; // the message file goes to this open descriptor (1: standard
                               // output), not to path
    // Sealed ignores pic and junkBitz, and takes any character in the text
    // and the password.
    Format format = Format::Classic;
    // Sealed to people: the message is sealed to these recipients, whatever
    // the format, and needs no password.
    QList<sealed::PublicKey> recipients = {};
};

enum class EncryptResult {
    Empty,    // nothing to encrypt; nothing happened
    Finished, // the file is complete
    Failed,   // refused or failed; failure says why, and no file changed
    Cancelled, // cancelled; nothing was written and nothing is said
};

struct EncryptOutcome {
    EncryptResult result = EncryptResult::Empty;
    base::Failure failure = {}; // Failed: why
};

EncryptOutcome encryptMessage(const EncryptRequest& request, base::Progress& progress);

struct DecryptRequest {
    QString path;     // the message file to read
    base::Secret password; // as typed; shared with the request's copies (base/Secret.h)
    // Sealed chosen: the file must be a sealed message; a classic one is
    // refused as NotSealed.
    bool requireSealed = false;
    // Refuse a file that begins with neither a tag line nor a number, which
    // the windows would show as an empty text (the command line's rule).
    bool requireMessage = false;
    // The file's content, already read by the caller (from standard input, a
    // FIFO), at most base::kMaxMessageFileBytes + 1 bytes; path then only
    // names it.
    std::optional<QByteArray> content = std::nullopt;
    // Asked before a key that costs more than the default is derived (a
    // sealed message's header sets the cost); false refuses the message.
    sealed::CostCheck confirmCost = {};
    // A message sealed to people opens with one of these, and needs no
    // password; with none, it is refused as NeedsIdentity.
    QList<sealed::Identity> identities = {};
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
    NeedsIdentity, // sealed to people, and no identity was given; the output is untouched
};

struct DecryptOutcome {
    DecryptResult result = DecryptResult::NotFound;
    // The output is emptied first: by every classic read, and when the file
    // cannot be opened; a refusal before reading leaves it as it was.
    bool clearsOutput = false;
    // Decrypted: the text, line breaks as the file has them (CR LF). A
    // classic message's character codes are decoded from the code page; a
    // sealed message may hold any character.
    QString text;
    base::Failure failure = {}; // anything but Decrypted: why
};

DecryptOutcome decryptMessage(const DecryptRequest& request, base::Progress& progress);

// The cost of the key the sealed message in the file at path asks, for a
// window to ask about before it starts the decryption; nothing for anything
// but a regular file that holds a sealed message.
std::optional<sealed::Cost> sealedMessageCost(const QString& path);

} // namespace cipher
