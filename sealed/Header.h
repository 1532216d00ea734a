#pragma once

// The Sealed format: password-based authenticated encryption for messages and
// files, beside the classic formats. FORMAT.md in this folder describes the
// bytes and the rule for recognising sealed input.
//
// The parts:
//  - Header.h (this file): the header, its parameters and the reader's
//    limits, and the results every part reports.
//  - Recognition.h: how sealed input is told from classic, by its content.
//  - Key.h: the key derived from the password.
//  - Stream.h: files, sealed or opened as they stream (seal() and open()).
//  - Message.h: message files, made and read whole in memory.
//
// Every function reports through a Result: a Status for the program and a
// sentence for the user (or, for ReadFailed and WriteFailed, the cause, for the
// caller to put beside the file's name). Readers take Limits: parameters of a
// file beyond them are refused before any key derivation or allocation, so a
// hostile file cannot exhaust the machine. Everything here is safe to call
// from any thread, several at once.

#include <QByteArray>
#include "base/Failure.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace sealed {

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

    // A salt and nonce prefix given instead of fresh random ones: for the test
    // kit's generator alone, whose files must come out the same every time.
    // Reusing them for real data would give away the data.
    std::optional<std::array<unsigned char, 16>> fixedSalt;
    std::optional<std::array<unsigned char, 15>> fixedNoncePrefix;
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
    Cut,                    // cut short inside the header
    Unsupported,            // an unknown version or key derivation; text that is not UTF-8
    LimitsExceeded,         // parameters beyond the reader's limits, or an input too large
    ReadFailed,             // the source failed; message holds its cause
    WriteFailed,            // the sink failed; message holds its cause
    Cancelled,              // the progress display's cancel came
    Failed,                 // the library or the memory for the key was not available
    // Sealed to people (Recipients.h):
    NotForThisIdentity, // no entry opens with the identities given (or the entries were changed)
    NeedsIdentity,      // sealed to people, and no identity was given
    NeedsPassword,      // sealed with a password, and only identities were given
};

struct Result {
    Status status = Status::Failed;
    // What went wrong. A chunk that does not authenticate is always
    // WrongPasswordOrDamaged, whatever the reason: the program cannot tell a
    // wrong password from a changed file, and must not try.
    base::Failure failure = {};

    bool ok() const { return status == Status::Ok; }
    static Result success() { return {Status::Ok, {}}; }
};

inline Result refusal(Status status, base::Fault fault, qint64 number = 0, qint64 limit = 0) {
    return {status, base::failure(fault, number, limit)};
}

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
// its header: Cut), the version and the key derivation
// (Unsupported), then the parameters (LimitsExceeded).
Result parseHeader(const unsigned char* data, qint64 size, const Limits& limits, Header* header);

// Whether parameters are ones a reader with these limits accepts.
Result checkParams(quint64 memlimit, quint64 opslimit, qint64 chunkSize, const Limits& limits);
// The chunk size alone (for a kind whose key is not derived from a password).
Result checkChunkSize(qint64 chunkSize, const Limits& limits);

// The size of the sealed file for an input of so many bytes.
qint64 sealedSize(qint64 plainSize, qint64 chunkSize = kDefaultChunkSize);

} // namespace sealed
