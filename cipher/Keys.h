#pragma once

// The one entry to keys for the windows and the command line: identities and
// recipients (sealed/Identity.h), the people a message is sealed to
// (sealed/Recipients.h), how a file or a message is recognised as sealed to
// people (sealed/Recognition.h), what a key costs (sealed/Key.h) and how
// strong a password is (sealed/Strength.h). ui/ and cli/ name them here, as
// cipher::Identity, cipher::parseRecipient and so on; the sealed format's
// other parts stay behind cipher/Messages.h and cipher/Files.h.
//
// What ui/ and cli/ still take from below cipher/, because it belongs there:
// - base/: the types everyone shares (Secret, Wipe, Limits, Progress, ...);
// - io/OutputFile.h: the one safe writer, through which the Keys window and
//   the command line write key files, people files and decrypted text;
// - io/ScratchFile.h: the Help window's removal of a leftover scratch file,
//   which is that file's own business;
// - classic/CodePage.h: the command line's --raw, which is defined as the
//   classic code page's single bytes.

#include "sealed/Identity.h"
#include "sealed/Key.h"
#include "sealed/Message.h"
#include "sealed/Recipients.h"
#include "sealed/Recognition.h"
#include "sealed/Strength.h"

namespace cipher {

// What reading or writing a key file gives back.
using KeyStatus = sealed::Status;
using KeyResult = sealed::Result;

// Identities, recipients and the files they are kept in.
using sealed::Identity;
using sealed::identityFile;
using sealed::isProtectedIdentityFile;
using sealed::kIdentityPrefix;
using sealed::KeyTextProblem;
using sealed::kMaxKeyFileSize;
using sealed::parseRecipient;
using sealed::PublicKey;
using sealed::readIdentityFile;
using sealed::recipientText;

// The people a message is sealed to, and the files that list them.
using sealed::kMaxRecipients;
using sealed::parsePeople;
using sealed::peopleFile;
using sealed::PeopleProblem;
using sealed::Person;

// Whether a file or a message is sealed to people, before a key is asked for.
using sealed::FoundMessage;
using sealed::findMessage;
using sealed::kMaxMessageFileSize;
using sealed::kRecipientsVersion;
using sealed::kRecognitionWindow;
using sealed::Recognition;
using sealed::recogniseFile;
using sealed::sealedVersion;

// What deriving a key costs, and the question asked before a costly one.
using sealed::Cost;
using sealed::CostCheck;
using sealed::kDefaultMemlimit;
using sealed::kDefaultOpslimit;

// How long a password would hold out against guessing.
using sealed::passwordStrength;
using sealed::Strength;

} // namespace cipher
