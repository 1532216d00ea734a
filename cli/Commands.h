#pragma once

#include <QString>
#include <QStringList>

namespace cli {

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1; // the operation failed or was refused
inline constexpr int kUsage = 2;  // the command line was wrong
// Refusals of sealed input, so that a script need not read the sentence:
inline constexpr int kNotOpened = 3; // it does not authenticate: a wrong password, or changed
inline constexpr int kDamaged = 4;   // damaged, cut short, or of a version or cost not taken
inline constexpr int kNotSealed = 5; // --sealed was given, and the input is classic

// A command line after parsing: the options the command takes and its operands.
struct Options {
    QString passwordFile;
    QString output;
    bool pic = false;
    bool junkBitz = false;
    bool raw = false;
    bool sealed = false;
    bool protect = false;   // keygen: the identity under a password
    QStringList to;         // --to RECIPIENT, as often as given
    QStringList toFiles;    // --to-file FILE: people files
    QStringList identities; // --identity IDENTITY: identity files
    QStringList positional;
};

int encryptCommand(const Options& options);
int decryptCommand(const Options& options);
int encryptFileCommand(const Options& options);
int decryptFileCommand(const Options& options);
int keygenCommand(const Options& options);
int recipientCommand(const Options& options);

// One line on standard error, "tessera-cli: <text>". Line breaks and other
// control characters in the text (a file name may hold them) are shown
// escaped, so that the reason always stays on one line.
void reportError(const QString& text);

// The one line for a command that a signal stopped before it wrote anything.
void reportInterrupted();

bool stderrIsTerminal();

} // namespace cli
