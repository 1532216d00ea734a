#pragma once

// The choices a user makes for a message encryption, beside the password, the
// text and the file: the main window keeps one set (the options window edits
// it) and the wizard another (its options page). Decryption needs none: a
// message file names its own options.

#include "cipher/Messages.h"

namespace ui {

struct MessageOptions {
    bool pic = false;      // PIC: the program's own code lengthens the key
    bool junkBitz = false; // JunkBitz: a junk number before every real one
    // Sealed: real, authenticated encryption instead of the classic format;
    // PIC and JunkBitz do not apply to it.
    cipher::Format format = cipher::Format::Classic;

    bool sealed() const { return format == cipher::Format::Sealed; }

    // Hands the options to an encryption.
    void applyTo(cipher::EncryptRequest& request) const {
        request.pic = pic;
        request.junkBitz = junkBitz;
        request.format = format;
    }

    friend bool operator==(const MessageOptions&, const MessageOptions&) = default;
};

} // namespace ui
