#pragma once

// Shows a message operation's outcome where the user looks: the main window,
// the wizard or the command line, each through its own MessageHost. The
// sentences come from Describe.h; a host adds only what is its own (a title
// and an icon for an error, or standard error on the command line).

#include "base/Progress.h"
#include "cipher/Messages.h"

#include <QString>

namespace words {

class MessageHost {
public:
    virtual ~MessageHost() = default;

    enum class Tone { Closing, Error };

    // A modal message; returns when the user has closed it.
    virtual void showMessage(const QString& text, Tone tone) = 0;

    // Decryption empties the output, then puts the whole decrypted text in
    // (line breaks as CR LF, as the file holds them).
    virtual void clearOutput() {}
    virtual void showText(const QString& /*text*/) {}

    // How this host tells the user to open a classic file that Sealed refused.
    virtual QString notSealedHint() const;
};

void present(const cipher::EncryptOutcome& outcome, MessageHost& host);

// present() is presentText() then presentNotice(): a window restores its
// pointer between the two, once the text is in and before the closing message.
void present(const cipher::DecryptOutcome& outcome, MessageHost& host);
void presentText(const cipher::DecryptOutcome& outcome, MessageHost& host);
void presentNotice(const cipher::DecryptOutcome& outcome, MessageHost& host);

// The work and its showing, one after the other, on the calling thread.
cipher::EncryptResult EncryptMessage(const cipher::EncryptRequest& request, MessageHost& host,
                                     base::Progress& progress);
cipher::DecryptResult DecryptMessage(const cipher::DecryptRequest& request, MessageHost& host,
                                     base::Progress& progress);

} // namespace words
