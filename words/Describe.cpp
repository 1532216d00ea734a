#include "words/Describe.h"

#include "classic/CodePage.h"
#include "sealed/Recognition.h"

#include <QCoreApplication>

namespace words {

class Words {
    Q_DECLARE_TR_FUNCTIONS(Words)

public:
    static QString fileNotDecrypted(const base::Failure& failure);
    static QString damage(qint64 damage);
    static QString passwordClause(const base::Failure& failure);
};

namespace {

using base::Fault;

QString capitalised(QString clause) {
    if (!clause.isEmpty())
        clause[0] = clause[0].toUpper();
    return clause;
}

bool isPasswordProblem(Fault fault) {
    return fault == Fault::PasswordUnmappable || fault == Fault::PasswordTooLong;
}

// The sentences of failures that name the file they concern, when they do.
std::optional<QString> aboutFile(const base::Failure& f) {
    if (f.subject.isEmpty())
        return std::nullopt;
    switch (f.fault) {
    case Fault::NotSealedFile:
    case Fault::NotSealedMessage:
    case Fault::NotForThisIdentity:
    case Fault::NeedsIdentity:
    case Fault::SealedWithPassword:
    case Fault::SealedFileDamaged:
    case Fault::SealedMessageDamage:
    case Fault::MessageFileTooLarge:
    case Fault::TooManyNumbers:
        return Words::fileNotDecrypted(f);
    case Fault::ReadFailed:
        return Words::tr("The file \"%1\" could not be read (%2).").arg(f.subject, because(f));
    case Fault::WriteFailed:
        return Words::tr("The file \"%1\" could not be written (%2).").arg(f.subject, because(f));
    case Fault::CreateFailed:
        return Words::tr("The file \"%1\" could not be created (%2).").arg(f.subject, because(f));
    case Fault::InputMissing:
        return Words::tr("The file \"%1\" could not be found.").arg(f.subject);
    case Fault::InputIsFolder:
    case Fault::OutputIsFolder:
        return Words::tr("\"%1\" is a folder, not a file.").arg(f.subject);
    case Fault::InputNotFile:
        return Words::tr("\"%1\" is not an ordinary file.").arg(f.subject);
    case Fault::InputNotReadable:
        return Words::tr("You may not read the file \"%1\".").arg(f.subject);
    case Fault::InputIsStream:
        return Words::tr("The classic file cipher needs the length of its input, and \"%1\" is a "
                         "stream that has none: give a file instead.")
            .arg(f.subject);
    case Fault::InputShrank:
        return Words::tr("The file \"%1\" became shorter while it was read.").arg(f.subject);
    case Fault::OutputFolderMissing:
        return Words::tr("The folder \"%1\" does not exist.").arg(f.subject);
    case Fault::NotAMessage:
        return Words::tr("The file \"%1\" is not a message file: it begins with neither a tag "
                         "line nor a number.")
            .arg(f.subject);
    default:
        return std::nullopt;
    }
}

QString partlyWritten(const QString& output) {
    return Words::tr("\"%1\" already received part of the data, which must be discarded.")
        .arg(output);
}

} // namespace

QString Words::fileNotDecrypted(const base::Failure& f) {
    switch (f.fault) {
    case Fault::NotSealedFile:
        return tr("The file \"%1\" was not decrypted: it is not a sealed file.").arg(f.subject);
    case Fault::NotSealedMessage:
        return tr("The file \"%1\" was not decrypted: it is not a sealed message.").arg(f.subject);
    case Fault::NotForThisIdentity:
        return (f.number == 1
                    ? tr("The file \"%1\" was not decrypted: it is not sealed to this identity.")
                    : tr("The file \"%1\" was not decrypted: it is not sealed to any of these "
                         "identities."))
            .arg(f.subject);
    case Fault::NeedsIdentity:
        return tr("The file \"%1\" was not decrypted: it is sealed to people, and opens with an "
                  "identity, not a password.")
            .arg(f.subject);
    case Fault::SealedWithPassword:
        return tr("The file \"%1\" was not decrypted: it is sealed with a password, not to people.")
            .arg(f.subject);
    case Fault::SealedFileDamaged:
        return tr("The file \"%1\" was not decrypted: it is a sealed file whose first bytes were "
                  "changed or that was cut short.")
            .arg(f.subject);
    case Fault::SealedMessageDamage:
        return tr("The file \"%1\" was not decrypted: it is a sealed message that was damaged: "
                  "%2.")
            .arg(f.subject, damage(f.number));
    case Fault::MessageFileTooLarge:
        return tr("The file \"%1\" was not decrypted: it is larger than 1 MB, far larger than any "
                  "message file.")
            .arg(f.subject);
    case Fault::TooManyNumbers:
        return tr("The file \"%1\" was not decrypted: it holds more than %2 numbers, far more than "
                  "any message file (a message has at most %3 characters).")
            .arg(f.subject)
            .arg(f.limit)
            .arg(f.other);
    default:
        return sentence(f);
    }
}

QString Words::damage(qint64 damage) {
    switch (static_cast<sealed::Damage>(damage)) {
    case sealed::Damage::Encoding:
        return tr("its text is not clean base64");
    case sealed::Damage::Cut:
        return tr("it was cut short");
    case sealed::Damage::NoData:
        return tr("the sealed data after its first line is missing");
    case sealed::Damage::Header:
    case sealed::Damage::None:
        break;
    }
    return tr("the beginning of its sealed data was changed");
}

QString Words::passwordClause(const base::Failure& f) {
    if (f.fault == Fault::PasswordTooLong)
        return tr("the password is longer than %1 characters").arg(f.limit);
    return tr("the password holds the character %1, which cannot be used in a password")
        .arg(classic::codepage::describe(static_cast<char32_t>(f.number)));
}

QString sentence(const base::Failure& f) {
    if (const auto text = aboutFile(f))
        return *text;
    if (isPasswordProblem(f.fault))
        return capitalised(Words::passwordClause(f)) + QLatin1Char('.');
    switch (f.fault) {
    case Fault::None:
        return {};
    case Fault::Cancelled:
        return Words::tr("Cancelled");
    case Fault::ReadFailed:
    case Fault::WriteFailed:
    case Fault::CreateFailed:
        return because(f);
    case Fault::OutOfMemory:
        return Words::tr("There was not enough memory.");
    case Fault::NotSealedFile:
        return Words::tr("This is not a sealed file.");
    case Fault::HeaderCut:
        return Words::tr("The sealed file was cut short inside its header.");
    case Fault::RecipientsHeaderCut:
        return Words::tr("The file was cut short inside its header.");
    case Fault::UnknownVersion:
        return Words::tr("The file was sealed in a format (version %1) that this version of "
                         "Tessera cannot open.")
            .arg(f.number);
    case Fault::UnknownKeyDerivation:
        return Words::tr("The file's key is derived in a way (number %1) that this version of "
                         "Tessera does not know.")
            .arg(f.number);
    case Fault::InvalidKeySettings:
        return Words::tr("The file's key settings (%1 of memory, %2 passes) are not valid for a "
                         "sealed file.")
            .arg(memory(quint64(f.number)))
            .arg(f.other);
    case Fault::MemoryBeyondLimit:
        return Words::tr("The file asks for %1 of memory to derive its key; at most %2 are allowed.")
            .arg(memory(quint64(f.number)), memory(quint64(f.limit)));
    case Fault::PassesBeyondLimit:
        return Words::tr("The file asks for %1 passes to derive its key; at most %2 are allowed.")
            .arg(f.number)
            .arg(f.limit);
    case Fault::InvalidChunkSize:
        return Words::tr("The file's chunk size of %1 bytes is not valid for a sealed file.")
            .arg(f.number);
    case Fault::ChunkBeyondLimit:
        return Words::tr("The file's chunks of %1 bytes are larger than the %2 bytes allowed.")
            .arg(f.number)
            .arg(f.limit);
    case Fault::WrongPasswordOrDamaged:
        return Words::tr("The password is wrong, or the file was changed or cut short.");
    case Fault::LibraryUnavailable:
        return Words::tr("The encryption library could not start.");
    case Fault::LibraryFailed:
        return Words::tr("The encryption library failed.");
    case Fault::NoMemoryForKey:
        return Words::tr("There was not enough memory to keep the key.");
    case Fault::NoMemoryToDeriveKey:
        return Words::tr("There was not enough memory to derive the key (%1).")
            .arg(memory(quint64(f.number)));
    case Fault::NotUtf8:
        return Words::tr("The sealed message does not hold UTF-8 text.");
    case Fault::MessageTooLong:
        return Words::tr("The message has %1 characters (a line break counts as two), and a "
                         "message may have at most %2.")
            .arg(f.number)
            .arg(f.limit);
    case Fault::SealedMessageTooLarge:
        return Words::tr("The message file is larger than a sealed message can be.");
    case Fault::NotSealedMessage:
        return Words::tr("This is not a sealed message.");
    case Fault::SealedMessageDamaged:
        return Words::tr("The sealed message is damaged.");
    case Fault::NoRecipientGiven:
        return Words::tr("No recipient was given.");
    case Fault::TooManyRecipients:
        return Words::tr("A file may be sealed to at most %1 people; %2 were given.")
            .arg(f.limit)
            .arg(f.number);
    case Fault::UnusableRecipient:
        return Words::tr("Recipient %1 cannot be used: its key is one that no key pair has.")
            .arg(f.number);
    case Fault::UnknownRecipientKind:
        return Words::tr("The file's recipients are of a kind (number %1) that this version of "
                         "Tessera does not know.")
            .arg(f.number);
    case Fault::ListsNoRecipient:
        return Words::tr("The file is damaged: it lists no recipient.");
    case Fault::ListsTooManyRecipients:
        return Words::tr("The file lists %1 recipients; at most %2 are tried.")
            .arg(f.number)
            .arg(f.limit);
    case Fault::ForgedKey:
        return Words::tr("The file holds a key that no writer makes (a key of low order): it was "
                         "forged or changed.");
    case Fault::NotForThisIdentity:
        return f.number == 1 ? Words::tr("The file is not sealed to this identity.")
                             : Words::tr("The file is not sealed to any of these identities.");
    case Fault::RecipientsChanged:
        return Words::tr("The file was changed: its list of recipients is not the one it was "
                         "sealed with.");
    case Fault::SealedWithPassword:
        return Words::tr("The file is sealed with a password.");
    case Fault::NeedsIdentity:
        return Words::tr("The file is sealed to people: it opens with an identity.");
    case Fault::IdentityFileHoldsRecipient:
        return Words::tr("It holds a recipient (a public key) on line %1, which opens nothing: "
                         "give the identity file that was made with it.")
            .arg(f.number);
    case Fault::IdentityFileBadLine:
        return Words::tr("Its line %1 is not an identity.").arg(f.number);
    case Fault::IdentityFileEmpty:
        return Words::tr("It holds no identity.");
    case Fault::IdentityFileTooLarge:
        return Words::tr("It is far larger than an identity file.");
    case Fault::IdentityNeedsPassword:
        return Words::tr("The identity is protected by a password.");
    case Fault::IdentityWrongPassword:
        return Words::tr("The identity's password is wrong, or the file was changed.");
    case Fault::IdentityProtectedTwice:
        return Words::tr("It is protected twice over.");
    case Fault::MessageFileNotFound:
        return Words::tr("No file loaded or File not found");
    case Fault::NoPassword:
        return Words::tr("Enter a password first.");
    case Fault::NoOutputName:
        return Words::tr("Enter the name of the copy to create.");
    default:
        break;
    }
    // An io call's own error is its clause; the encryption's own refusals
    // say so.
    const QString clause = reason(f);
    return clause.isNull() ? notEncrypted(f) : clause;
}

QString reason(const base::Failure& e) {
    const QString& folder = e.subject;
    switch (e.fault) {
    case Fault::SystemError:
        return e.cause;
    case Fault::Cancelled:
        return Words::tr("cancelled");
    case Fault::NoFileName:
        return Words::tr("no file name was given");
    case Fault::IsFolder:
        return Words::tr("it is a folder");
    case Fault::NoSuchFolder:
        return Words::tr("the folder \"%1\" does not exist").arg(folder);
    case Fault::FolderCannotBeUsed:
        return Words::tr("the folder \"%1\" cannot be used (%2)").arg(folder, e.cause);
    case Fault::ForeignLinkOnTheWay:
        return Words::tr("its way passes through \"%1\", another user's link, in a folder that "
                         "others may write")
            .arg(e.subject);
    case Fault::IsSocket:
        return Words::tr("it is a socket, not a file");
    case Fault::ForeignFileInSharedFolder:
        return Words::tr("it belongs to another user, in a folder that others may write");
    case Fault::HardLinkInSharedFolder:
        return Words::tr("it has more than one name (a hard link), in a folder that others may "
                         "write");
    case Fault::WriteProtected:
        return Words::tr("it is write-protected");
    case Fault::AlreadyExists:
        return Words::tr("it already exists");
    case Fault::ReplacedWhileOpened:
        return Words::tr("it was replaced while it was being opened");
    case Fault::NotANewFile:
        return Words::tr("it is not a new file");
    case Fault::OutputLargerThanExpected:
        return Words::tr("the output is larger than expected");
    case Fault::NoCacheFolderHomeUnset:
        return Words::tr("there is no cache folder to keep the working file in: HOME is not set "
                         "to an absolute path, and neither is XDG_CACHE_HOME");
    case Fault::NoCacheFolder:
        return Words::tr("there is no cache folder to keep the working file in");
    case Fault::FolderNotMade:
        return Words::tr("the folder \"%1\" could not be made (%2)").arg(folder, e.cause);
    case Fault::FolderNotMadePlain:
        return Words::tr("the folder \"%1\" could not be made").arg(folder);
    case Fault::FolderNotUsable:
        return Words::tr("the folder \"%1\" could not be used (%2)").arg(folder, e.cause);
    case Fault::FolderIsLink:
        return Words::tr("the folder \"%1\" is a symbolic link, not a real folder").arg(folder);
    case Fault::NotAFolder:
        return Words::tr("\"%1\" is not a folder").arg(folder);
    case Fault::FolderNotOpened:
        return Words::tr("the folder \"%1\" could not be opened (%2)").arg(folder, e.cause);
    case Fault::FolderOfAnotherUser:
        return Words::tr("the folder \"%1\" belongs to another user").arg(folder);
    case Fault::FolderWritableByOthers:
        return Words::tr("the folder \"%1\" may be written by other users").arg(folder);
    case Fault::LockNotOpened:
        return Words::tr("the lock file could not be opened (%1)").arg(e.cause);
    case Fault::LockOfAnotherUser:
        return Words::tr("the lock file is not a file of this user's");
    case Fault::LockNotLocked:
        return Words::tr("the lock file could not be locked (%1)").arg(e.cause);
    case Fault::LockNotMade:
        return Words::tr("the lock file could not be made");
    case Fault::ScratchFileShort:
        return Words::tr("it holds fewer codes than the message has characters");
    default:
        return {};
    }
}

QString because(const base::Failure& f) {
    if (f.reason == Fault::None)
        return f.cause;
    base::Failure beneath = f;
    beneath.fault = f.reason;
    beneath.subject = f.reasonSubject;
    return reason(beneath);
}

QString notEncrypted(const base::Failure& f) {
    if (isPasswordProblem(f.fault))
        return Words::tr("The message was not encrypted: %1.").arg(Words::passwordClause(f));
    switch (f.fault) {
    case Fault::NoPassword:
        return Words::tr("The message was not encrypted: enter a password first.");
    case Fault::MessageTooLong:
        return Words::tr("The message was not encrypted: it has %1 characters (a line break counts "
                         "as two), and a message may have at most %2.")
            .arg(f.number)
            .arg(f.limit);
    case Fault::UnmappableCharacter:
        return Words::tr("The message was not encrypted: it holds the character %1, which a "
                         "message file cannot hold.")
            .arg(classic::codepage::describe(static_cast<char32_t>(f.number)));
    case Fault::NoOutputName:
        return Words::tr("The message was not encrypted: enter the name of the file to create.");
    case Fault::OutputUnwritable:
        return Words::tr("The message was not encrypted: the file \"%1\" cannot be written (%2).")
            .arg(f.subject, because(f));
    case Fault::WriteFailed:
        if (f.subject.isEmpty()) {
            return Words::tr("The message was not encrypted: standard output could not be "
                             "written (%1).")
                .arg(because(f));
        }
        return Words::tr("The message was not encrypted: the file \"%1\" could not be written "
                         "(%2).")
            .arg(f.subject, because(f));
    case Fault::ScratchFileUnusable:
        return Words::tr("The message was not encrypted: the working file \"%1\" could not be "
                         "used (%2).")
            .arg(f.subject, because(f));
    case Fault::ScratchFileBusy:
        return Words::tr("The message was not encrypted: another encryption is running and is "
                         "using the working file \"%1\". Try again when it has finished.")
            .arg(f.subject);
    case Fault::ScratchFolderUnusable:
        return Words::tr("The message was not encrypted: %1. Nothing was written.").arg(because(f));
    case Fault::NoScratchFolder:
        return Words::tr("The message was not encrypted: %1.").arg(because(f));
    default:
        return Words::tr("The message was not encrypted: %1").arg(sentence(f));
    }
}

QString notDecrypted(const base::Failure& f, const QString& notSealedHint) {
    if (isPasswordProblem(f.fault))
        return Words::tr("The message was not decrypted: %1.").arg(Words::passwordClause(f));
    QString text = sentence(f);
    if (f.fault == Fault::NotSealedMessage && !f.subject.isEmpty())
        text += QLatin1Char(' ') + notSealedHint;
    return text;
}

QString passText(const cipher::PassResult& result, cipher::Direction direction,
                 const QString& notSealedHint) {
    const base::Failure& f = result.failure;
    const bool encrypting = direction == cipher::Direction::Encipher;
    if (result.status == cipher::PassStatus::Done)
        return done();
    if (result.status == cipher::PassStatus::Cancelled) {
        return result.partlyWritten.isEmpty()
                   ? Words::tr("Cancelled: no copy was written to \"%1\".").arg(f.subject)
                   : Words::tr("Cancelled: ") + partlyWritten(result.partlyWritten);
    }
    QString text;
    switch (f.fault) {
    case Fault::NoInputName:
        text = encrypting ? Words::tr("Enter the name of the file to encrypt.")
                          : Words::tr("Enter the name of the file to decrypt.");
        break;
    case Fault::InputEmpty:
        text = (encrypting ? Words::tr("The file \"%1\" is empty: there is nothing to encrypt.")
                           : Words::tr("The file \"%1\" is empty: there is nothing to decrypt."))
                   .arg(f.subject);
        break;
    case Fault::OutputUnwritable:
        text = Words::tr("The file \"%1\" cannot be written: %2.").arg(f.subject, because(f));
        break;
    default:
        text = sentence(f);
    }
    if (f.fault == Fault::NotSealedFile && !f.subject.isEmpty())
        text += QLatin1Char(' ') + notSealedHint;
    if (!result.partlyWritten.isEmpty())
        text += QLatin1Char(' ') + partlyWritten(result.partlyWritten);
    return text;
}

QString messageNotSealedHint() {
    return Words::tr("To open a classic message file, turn Sealed off.");
}

QString fileNotSealedHint() {
    return Words::tr("To decrypt a classic file, turn Sealed off.");
}

QString finished() {
    return Words::tr("Finished");
}

QString decrypted() {
    return Words::tr("Decrypted");
}

QString done() {
    return Words::tr("Done");
}

QString waitingForWorkingFile() {
    return Words::tr("Waiting for another encryption to finish with the working file...");
}

QString memory(quint64 bytes) {
    if (bytes % (quint64(1) << 20) == 0)
        return Words::tr("%1 MiB").arg(bytes >> 20);
    if (bytes % 1024 == 0)
        return Words::tr("%1 KiB").arg(bytes >> 10);
    return Words::tr("%1 bytes").arg(bytes);
}

QString strengthLevel(const sealed::Strength& strength) {
    using Level = sealed::Strength::Level;
    switch (strength.level) {
    case Level::VeryWeak:
        return Words::tr("very weak");
    case Level::Weak:
        return Words::tr("weak");
    case Level::Fair:
        return Words::tr("fair");
    case Level::Strong:
        return Words::tr("strong");
    case Level::VeryStrong:
        break;
    }
    return Words::tr("very strong");
}

QString duration(double seconds) {
    const sealed::Duration d = sealed::durationOf(seconds);
    const bool one = d.count == 1;
    using Unit = sealed::Duration::Unit;
    switch (d.unit) {
    case Unit::LessThanASecond:
        return Words::tr("less than a second");
    case Unit::Seconds:
        return one ? Words::tr("about 1 second") : Words::tr("about %1 seconds").arg(d.count);
    case Unit::Minutes:
        return one ? Words::tr("about 1 minute") : Words::tr("about %1 minutes").arg(d.count);
    case Unit::Hours:
        return one ? Words::tr("about 1 hour") : Words::tr("about %1 hours").arg(d.count);
    case Unit::Days:
        return one ? Words::tr("about 1 day") : Words::tr("about %1 days").arg(d.count);
    case Unit::Months:
        return one ? Words::tr("about 1 month") : Words::tr("about %1 months").arg(d.count);
    case Unit::Years:
        return one ? Words::tr("about 1 year") : Words::tr("about %1 years").arg(d.count);
    case Unit::Millennia:
        return Words::tr("thousands of years");
    case Unit::Eons:
        break;
    }
    return Words::tr("over a million years");
}

QString strength(const sealed::Strength& rated) {
    return capitalised(Words::tr("%1: %2 to guess").arg(strengthLevel(rated), duration(rated.seconds)));
}

QString strengthAssumption() {
    return Words::tr("Estimated with zxcvbn, for an attacker who tries %L1 passwords a second, "
                     "each costing Argon2id's 64 MiB and 3 passes.")
        .arg(sealed::kGuessesPerSecond, 0, 'f', 0);
}

QString keyTextProblem(sealed::KeyTextProblem problem, const QString& given) {
    QString shown = given.trimmed();
    if (shown.size() > 100)
        shown = shown.left(100) + QChar(0x2026);
    using P = sealed::KeyTextProblem;
    switch (problem) {
    case P::None:
        return {};
    case P::Empty:
        return Words::tr("A recipient is empty.");
    case P::IsIdentity:
        return Words::tr("An identity (a secret key) was given where a recipient belongs; it was "
                         "not used. Never pass an identity on: give its recipient instead, which "
                         "starts with %1.")
            .arg(sealed::kRecipientPrefix);
    case P::NotARecipient:
        return Words::tr("\"%1\" is not a recipient: a recipient starts with %2.")
            .arg(shown, sealed::kRecipientPrefix);
    case P::WrongLength:
        return Words::tr("\"%1\" is not a recipient: it has %2 characters, and a recipient has %3; "
                         "one is missing or extra.")
            .arg(shown)
            .arg(given.trimmed().size())
            .arg(sealed::kRecipientLength);
    case P::BadCharacter:
        return Words::tr("\"%1\" is not a recipient: it holds a character that no recipient has.")
            .arg(shown);
    case P::BadChecksum:
        return Words::tr("\"%1\" has a typo: its checksum does not match. Copy it again from the "
                         "original.")
            .arg(shown);
    case P::WeakKey:
        return Words::tr("\"%1\" cannot be used: its key is one that no key pair has.").arg(shown);
    }
    return {};
}

} // namespace words
