#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace cli {

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1; // the operation failed or was refused
inline constexpr int kUsage = 2;  // the command line was wrong

// Each takes the arguments after the command's name.
int encryptCommand(const QStringList& args);
int decryptCommand(const QStringList& args);
int encryptFileCommand(const QStringList& args);
int decryptFileCommand(const QStringList& args);

// One line on standard error, "tessera-cli: <text>".
void reportError(const QString& text);

} // namespace cli

namespace cli {

struct Options {
    QString passwordFile;
    QString output;
    bool pic = false;
    bool junkBitz = false;
    bool raw = false;
    QStringList positional;
};

// Parses "--name VALUE", "--name=VALUE" and flags; allowed names the options the
// command takes ("password-file", "output", "pic", "junkbitz", "raw"). Reports
// and returns nothing on a wrong command line.
std::optional<Options> parseOptions(const QString& command, const QStringList& args,
                                    const QStringList& allowed);

} // namespace cli
