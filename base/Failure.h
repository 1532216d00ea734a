#pragma once

// What went wrong, as data: a kind and the context it needs (the file, the
// system's cause, the counts). The core returns a Failure and never a
// sentence; the words layer (words/Describe.h) says it in the user's
// language, and a window adds only what is its own (a title, an icon).

#include <QString>

namespace base {

enum class Fault {
    None,
    Cancelled,

    // Reading and writing. cause: the system's own words.
    ReadFailed,
    WriteFailed,
    OutOfMemory,

    // The sealed format's header and key. number, limit, other: as named.
    NotSealedFile,
    HeaderCut,              // inside a password header
    RecipientsHeaderCut,    // inside a header sealed to people
    UnknownVersion,         // number: the version
    UnknownKeyDerivation,   // number: its number
    InvalidKeySettings,     // number: memory in bytes; other: passes
    MemoryBeyondLimit,      // number: memory asked; limit: the most allowed
    PassesBeyondLimit,      // number: passes asked; limit
    InvalidChunkSize,       // number: bytes
    ChunkBeyondLimit,       // number: bytes; limit
    WrongPasswordOrDamaged, // a chunk did not authenticate
    LibraryUnavailable,     // the encryption library could not start
    LibraryFailed,
    NoMemoryForKey,
    NoMemoryToDeriveKey, // number: the memory asked, in bytes

    // Sealed messages.
    NotUtf8,
    MessageTooLong,       // number: characters; limit
    SealedMessageTooLarge,
    NotSealedMessage,
    SealedMessageDamaged,

    // Sealed to people.
    NoRecipientGiven,
    TooManyRecipients,       // number: given; limit
    UnusableRecipient,       // number: its place, from 1
    UnknownRecipientKind,    // number: its number
    ListsNoRecipient,
    ListsTooManyRecipients,  // number: listed; limit
    ForgedKey,
    NotForThisIdentity,      // number: how many identities were tried
    RecipientsChanged,
    SealedWithPassword,
    NeedsIdentity,

    // Identity files. number: a line.
    IdentityFileHoldsRecipient,
    IdentityFileBadLine,
    IdentityFileEmpty,
    IdentityFileTooLarge,
    IdentityNeedsPassword,
    IdentityWrongPassword,
    IdentityProtectedTwice,

    // Passwords. number: the character (a Unicode code point).
    PasswordUnmappable,
    PasswordTooLong, // limit: the most characters

    // The classic message's scratch file. subject: its path.
    ScratchFileUnusable,   // cause: why
    ScratchFileBusy,
    ScratchFolderUnusable, // cause: why; nothing was written
    NoScratchFolder,       // cause: why

    // Output files. subject: the path; cause: why.
    NoOutputName,
    OutputIsFolder,
    OutputFolderMissing, // subject: the folder
    OutputUnwritable,
    CreateFailed,

    // Messages. subject: the message file.
    NoPassword,
    UnmappableCharacter,    // number: the character (a Unicode code point)
    MessageFileTooLarge,
    TooManyNumbers,         // limit: the most numbers; other: the most characters
    NotAMessage,
    MessageFileNotFound,
    SealedMessageDamage,    // number: the sealed::Damage

    // Files. subject: the input.
    NoInputName,
    InputMissing,
    InputIsFolder,
    InputNotFile,
    InputNotReadable,
    InputIsStream,
    InputEmpty,
    InputShrank,
    SealedFileDamaged,

    // Why a file or folder could not be used: the reason beneath a failure
    // (within()), or an io call's own error. subject: the file or folder;
    // cause: the system's words.
    SystemError, // the cause alone
    NoFileName,
    IsFolder,
    NoSuchFolder,
    FolderCannotBeUsed,
    ForeignLinkOnTheWay,
    IsSocket,
    ForeignFileInSharedFolder,
    HardLinkInSharedFolder,
    WriteProtected,
    AlreadyExists,
    ReplacedWhileOpened,
    NotANewFile,
    OutputLargerThanExpected,
    NoCacheFolderHomeUnset,
    NoCacheFolder,
    FolderNotMade,
    FolderNotMadePlain,
    FolderNotUsable,
    FolderIsLink,
    NotAFolder,
    FolderNotOpened,
    FolderOfAnotherUser,
    FolderWritableByOthers,
    LockNotOpened,
    LockOfAnotherUser,
    LockNotLocked,
    LockNotMade,
    ScratchFileShort,
};

struct Failure {
    Fault fault = Fault::None;
    QString subject;   // the file, folder or text it concerns, as the user named it
    QString cause;     // the system's own words, or the reason beneath
    qint64 number = 0; // the count, size, version, line or character it names
    qint64 limit = 0;  // the most that is taken
    qint64 other = 0;  // a second number, where there are two
    // The reason beneath, for a failure that has one (a write that failed
    // because the file already exists): its kind and the file it names. Its
    // system words are cause.
    Fault reason = Fault::None;
    QString reasonSubject = {};

    bool ok() const { return fault == Fault::None; }
};

inline Failure failure(Fault fault, qint64 number = 0, qint64 limit = 0) {
    return {fault, {}, {}, number, limit, 0, Fault::None, {}};
}

inline Failure failure(Fault fault, const QString& cause) {
    return {fault, {}, cause, 0, 0, 0, Fault::None, {}};
}

// A failure about a file or folder, with the system's words where there are any.
inline Failure about(Fault fault, const QString& subject, const QString& cause = {}) {
    return {fault, subject, cause, 0, 0, 0, Fault::None, {}};
}

// A failure about subject whose reason is another (an io call's error).
inline Failure within(Fault fault, const QString& subject, const Failure& reason) {
    return {fault,         subject,      reason.cause, reason.number, reason.limit,
            reason.other,  reason.fault, reason.subject};
}

} // namespace base
