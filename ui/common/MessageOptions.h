#pragma once

// The choices a user makes for a message encryption, beside the password, the
// text and the file: the main window keeps one set (the options window edits
// it) and the wizard another (its options page). Decryption needs none: a
// message file names its own options.

#include "cipher/Keys.h"
#include "cipher/Messages.h"

namespace ui {

// Whom Sealed seals to: with the password, or to people (ui/common/SealTarget.h
// turns the choice into recipients).
struct SealChoice {
    bool toPeople = false;
    QList<cipher::PublicKey> people; // chosen from the Keys window's people
    bool leaveOutMine = false;       // my own keys are added unless this is ticked

    friend bool operator==(const SealChoice&, const SealChoice&) = default;
};

struct MessageOptions {
    bool pic = false;      // PIC: the program's own code lengthens the key
    bool junkBitz = false; // JunkBitz: a junk number before every real one
    // Sealed: real, authenticated encryption instead of the classic format;
    // PIC and JunkBitz do not apply to it.
    cipher::Format format = cipher::Format::Classic;
    SealChoice sealTo;

    bool sealed() const { return format == cipher::Format::Sealed; }
    bool toPeople() const { return sealed() && sealTo.toPeople; }

    // Hands the options to an encryption.
    void applyTo(cipher::EncryptRequest& request) const {
        request.pic = pic;
        request.junkBitz = junkBitz;
        request.format = format;
    }

    friend bool operator==(const MessageOptions&, const MessageOptions&) = default;
};

} // namespace ui
