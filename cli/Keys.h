#pragma once

// Sealing to people from the command line: keygen and recipient, and the
// recipients (--to, --to-file) and identities (--identity) that the encrypt
// and decrypt commands take. The program keeps no settings: every key comes
// from a file or an option named on the command line.

#include "cipher/Keys.h"
#include "cli/Commands.h"
#include "cli/Password.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace cli {

int keygenCommand(const Options& options);
int recipientCommand(const Options& options);

// The recipients of --to and --to-file, in that order, each once. Nothing,
// after one line on standard error naming the one that is not a recipient,
// when any is not; an identity among them is refused with a warning.
std::optional<QList<cipher::PublicKey>> gatherRecipients(const Options& options);

// The identities of the --identity files. Protected ones are opened with the
// password of --password-file, or with one asked on the terminal once for
// them all. Nothing, after one line on standard error, when a file cannot be
// read or opened.
std::optional<QList<cipher::Identity>> gatherIdentities(const Options& options);

// What is wrong with the keys' options of a command, seen before anything is
// read: --to and --to-file beside a password or the classic options.
std::optional<QString> keysUsageProblem(const QString& name, const Options& options);

// What an encryption or a decryption goes by: a password, or keys.
struct Credentials {
    std::optional<Secret> password;
    QList<cipher::PublicKey> recipients;
    QList<cipher::Identity> identities;

    // The password for a request, shared (base/Secret.h); empty with keys.
    Secret passwordSecret() const { return password ? *password : Secret(); }
};

// For encrypt and encrypt-file: the recipients of --to and --to-file, or else
// the password (with its strength warned of when sealed). For decrypt and
// decrypt-file: the identities of --identity, or else the password; an input
// sealed to people without --identity is refused before a password is asked.
// kOk, or the exit status after one line on standard error. name: the
// command's, input: its input file as given.
int obtainCredentials(const QString& name, const Options& options, bool encrypt,
                      const QString& input, Credentials* credentials);

} // namespace cli
