#pragma once

// The Sealed format: password-based authenticated encryption for messages and
// files, beside the classic formats. docs/sealed-format.md describes the bytes.
//
// How a caller uses it:
//  - Files go through the streaming engine in cipher/SealedStream.h
//    (sealed::seal and sealed::open on a Source and a Sink).
//  - A message file is made whole in memory: sealMessage(text, password)
//    gives the bytes to write through the safe writer; openMessage(bytes,
//    password) gives the text back. Read at most kMaxMessageFileSize + 1 bytes
//    of a message file: anything longer is refused without being decoded.
//  - To tell a sealed input from a classic one, look at its first bytes:
//    looksSealed() for a file (kHeaderSize bytes are plenty),
//    looksLikeSealedMessage() or isSealedTag() for a message file.
//  - Every function reports through a Result: a Status for the program and a
//    sentence for the user (or, for ReadFailed and WriteFailed, the cause, for
//    the caller to put beside the file's name).
//  - Readers take Limits: parameters of a file beyond them are refused before
//    any key derivation or allocation, so a hostile file cannot exhaust the
//    machine. The defaults suit the program; tests and fuzzers pass lower ones.
//  - A password is taken as given, an empty one included: what a password may
//    be is for the callers' own checks to decide.
//  - Everything here is safe to call from any thread, several at once.

#include "cipher/MessageFormat.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace cipher::sealed {

// The first eight bytes of every sealed file: a byte with its high bit set, the
// letters "TSEAL", CR LF. A transfer that mangles line ends or the eighth bit
// changes them, so such damage shows as "not sealed" at once.
inline constexpr std::array<unsigned char, 8> kMagic = {0x89, 'T', 'S', 'E', 'A', 'L', '\r',
                                                        '\n'};
inline constexpr int kVersion = 1;
inline constexpr int kKdfArgon2id13 = 1;

inline constexpr qint64 kSaltSize = 16;
inline constexpr qint64 kNoncePrefixSize = 15;
inline constexpr qint64 kTagSize = 16; // the authentication tag after each chunk
inline constexpr qint64 kKeySize = 32;
inline constexpr qint64 kHeaderSize = 57;

inline constexpr qint64 kDefaultChunkSize = 64 * 1024;
// A chunk size below this would spend more on tags than on data; above the
// reader's limit it would cost memory. Any size in between is valid.
inline constexpr qint64 kMinChunkSize = 64;

inline constexpr quint64 kDefaultMemlimit = quint64(64) << 20; // bytes
inline constexpr quint64 kDefaultOpslimit = 3;                 // passes

// What a writer puts in a new file.
struct Params {
    quint64 memlimit = kDefaultMemlimit;
    quint64 opslimit = kDefaultOpslimit;
    qint64 chunkSize = kDefaultChunkSize;

    // The cheapest key derivation the format allows: for tests and fuzzing
    // only, since it gives a guessed password almost no resistance.
    static Params fastest();
};

// What a reader accepts. A file asking for more is refused before its key is
// derived or any buffer allocated.
struct Limits {
    quint64 maxMemlimit = quint64(1) << 30;
    quint64 maxOpslimit = 10;
    qint64 maxChunkSize = qint64(1) << 20;
};

enum class Status {
    Ok,
    NotSealed,              // no sealed file or message at all
    WrongPasswordOrDamaged, // a chunk did not authenticate, or the file is cut short
    BadEncoding,            // a sealed message's text is not clean base64
    Unsupported,            // an unknown version or key derivation; text that is not UTF-8
    LimitsExceeded,         // parameters beyond the reader's limits, or an input too large
    ReadFailed,             // the source failed; message holds its cause
    WriteFailed,            // the sink failed; message holds its cause
    Cancelled,              // the control asked to stop
    Failed,                 // the library or the memory for the key was not available
};

struct Result {
    Status status = Status::Failed;
    QString message; // a sentence for the user, or the cause of a read or write failure

    bool ok() const { return status == Status::Ok; }
    static Result success() { return {Status::Ok, {}}; }
};

// The one message for a chunk that does not authenticate, whatever the reason:
// the program cannot tell a wrong password from a changed file, and must not try.
inline const QString kWrongPasswordOrDamaged =
    QStringLiteral("The password is wrong, or the file was changed or cut short.");

// The header's fields. The whole encoded header is the associated data of every
// chunk, so no field can change without every chunk failing.
struct Header {
    int version = kVersion;
    int kdf = kKdfArgon2id13;
    quint64 opslimit = 0;
    quint64 memlimit = 0;
    std::array<unsigned char, kSaltSize> salt{};
    qint64 chunkSize = 0;
    std::array<unsigned char, kNoncePrefixSize> noncePrefix{};
};

using HeaderBytes = std::array<unsigned char, kHeaderSize>;

// A header for a new file: the parameters given, a fresh random salt and nonce prefix.
Header newHeader(const Params& params);
HeaderBytes encodeHeader(const Header& header);

// Reads a header from the first bytes of a file and checks it against the
// limits, in this order: the magic (NotSealed), the length (a file cut inside
// its header: WrongPasswordOrDamaged), the version and the key derivation
// (Unsupported), then the parameters (LimitsExceeded).
Result parseHeader(const unsigned char* data, qint64 size, const Limits& limits, Header* header);

// Whether parameters are ones a reader with these limits accepts.
Result checkParams(quint64 memlimit, quint64 opslimit, qint64 chunkSize, const Limits& limits);

// True when the bytes begin with the magic of a sealed file.
bool looksSealed(const QByteArray& firstBytes);

// What a reader makes of an input. One that is almost sealed is a sealed one
// that was damaged, and is never read as classic: a changed byte must not turn
// "refused" into "succeeded". docs/sealed-format.md states the rules, under
// "Recognising sealed input".
enum class Recognition {
    Sealed,  // begins exactly as a sealed file or message does
    Damaged, // begins almost so: refused, never read as classic
    Classic, // anything else
};

// firstBytes: the file's first 8 bytes, or the whole file when it is shorter.
Recognition recogniseFile(const QByteArray& firstBytes);
// A message file's content; its first line decides.
Recognition recogniseMessage(const QByteArray& content);

// The size of the sealed file for an input of so many bytes.
qint64 sealedSize(qint64 plainSize, qint64 chunkSize = kDefaultChunkSize);

// The bytes the key is derived from: the UTF-8 of the password in Unicode
// normalisation form C, so that the same password typed on two systems (one
// composing "é" from "e" and an accent, one not) gives the same key.
QByteArray passwordBytes(const QString& password);

// The key, in memory from libsodium's guarded allocator, readable only once it
// is derived and wiped when freed.
class SecretKey {
public:
    SecretKey();
    ~SecretKey();
    SecretKey(const SecretKey&) = delete;
    SecretKey& operator=(const SecretKey&) = delete;

    bool allocated() const { return m_data != nullptr; }
    const unsigned char* data() const { return m_data; }

private:
    friend Result deriveKey(const QString& password, const Header& header, SecretKey* key);
    unsigned char* m_data = nullptr;
};

// Argon2id with the header's salt and parameters. The parameters must already
// have been checked (parseHeader, or newHeader from checked Params).
Result deriveKey(const QString& password, const Header& header, SecretKey* key);

// False when libsodium could not start (no source of randomness); every entry
// point checks this itself, and the result is cached.
bool sodiumReady();

// --- Messages -------------------------------------------------------------

inline const QByteArray kSealedTag = QByteArrayLiteral("Tessera v2.0 Sealed");
inline constexpr int kBase64LineLength = 64;
// A sealed message holds at most the message window's 10000 characters; its
// file is far smaller than the ceiling every message file has, which leaves
// room for other chunk sizes.
inline constexpr qint64 kMaxMessageFileSize = kMaxMessageFileBytes;

// The whole message file: the quoted tag line, then the sealed bytes of the
// text's UTF-8 in base64, 64 characters a line, every line ending in CR LF.
// The text is sealed as given (a caller converts line breaks to CR LF first).
Result sealMessage(const QString& text, const QString& password, QByteArray* file,
                   const Params& params = {});

// The text of a sealed message file. Accepts LF as well as CR LF line ends and
// a missing final line end, and nothing else around the base64.
Result openMessage(const QByteArray& file, const QString& password, QString* text,
                   const Limits& limits = {});

// A message file's first field (as the classic reader reads it) names the sealed format.
bool isSealedTag(const QByteArray& field);

// The bytes begin with the quoted tag line of a sealed message (its line end
// may be missing when only the line itself is given).
bool looksLikeSealedMessage(const QByteArray& firstBytes);

} // namespace cipher::sealed
