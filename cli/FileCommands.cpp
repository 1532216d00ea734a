// encrypt-file and decrypt-file: the binary file cipher from the command line.

#include "cli/Commands.h"
#include "cli/Input.h"
#include "cli/Keys.h"
#include "cli/Password.h"
#include "cli/Signals.h"
#include "cli/TerminalProgress.h"
#include "cipher/Files.h"
#include "words/Describe.h"

#include <QCoreApplication>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace cli {
namespace {

bool isTerminal(int fd) {
#if defined(Q_OS_UNIX)
    return ::isatty(fd) == 1;
#else
    return false;
#endif
}

// An operand as the messages name it: "-" is a standard stream.
QString named(const QString& operand, const QString& dash) {
    return operand == QLatin1String("-") ? dash : operand;
}

// What is wrong with the operands before anything is read: wrong usage.
std::optional<QString> operandProblem(const QString& name, const Options& options,
                                      cipher::Direction direction) {
    if (options.positional.size() != 2 || options.positional.contains(QString()))
        return QCoreApplication::translate("cli", "%1: give INPUT and OUTPUT").arg(name);
    const std::optional<int> in = heldDescriptor(options.positional.at(0), 0);
    if (in && heldDescriptor(options.passwordFile, 0) == in)
        return QCoreApplication::translate(
                   "cli", "%1: the password and INPUT cannot both come from standard input")
            .arg(name);
    const std::optional<int> out = heldDescriptor(options.positional.at(1), 1);
    if (direction == cipher::Direction::Encipher && out && isTerminal(*out)) {
        return QCoreApplication::translate(
                   "cli", "%1: an encrypted file is binary and is not written to a terminal; "
                          "redirect standard output to a file or a pipe")
            .arg(name);
    }
    return std::nullopt;
}

// A sealed input's refusal has a status of its own, for scripts.
int exitStatusOf(const cipher::PassResult& result) {
    switch (result.sealed) {
    case cipher::SealedRefusal::NotOpened:
    case cipher::SealedRefusal::NotForThisIdentity:
        return kNotOpened;
    case cipher::SealedRefusal::Damaged:
        return kDamaged;
    case cipher::SealedRefusal::NotSealed:
        return kNotSealed;
    case cipher::SealedRefusal::NeedsIdentity:
    case cipher::SealedRefusal::None:
        break;
    }
    return result.status == cipher::PassStatus::Done ? kOk : kFailed;
}

int fileCommand(const QString& name, const Options& options, cipher::Direction direction) {
    if (const auto problem = operandProblem(name, options, direction)) {
        reportError(*problem);
        return kUsage;
    }
    Credentials keys;
    if (const int status = obtainCredentials(name, options,
                                             direction == cipher::Direction::Encipher,
                                             options.positional.at(0), &keys);
        status != kOk)
        return status;
    TerminalProgress progress(true);
    cipher::PassRequest request;
    request.input =
        named(options.positional.at(0), QCoreApplication::translate("cli", "standard input"));
    request.output =
        named(options.positional.at(1), QCoreApplication::translate("cli", "standard output"));
    request.inputDescriptor = heldDescriptor(options.positional.at(0), 0).value_or(-1);
    request.outputDescriptor = heldDescriptor(options.positional.at(1), 1).value_or(-1);
    request.password = keys.passwordSecret();
    request.recipients = keys.recipients;
    request.identities = keys.identities;
    request.direction = direction;
    request.format = options.sealed ? cipher::Format::Sealed : cipher::Format::Classic;
    request.confirmCost = announceCost;
    const cipher::PassResult result = cipher::FileCipherPass(request, progress);
    if (result.status != cipher::PassStatus::Done) {
        reportError(words::passText(
            result, direction,
            QCoreApplication::translate("cli", "Leave out --sealed to decrypt a classic one.")));
    }
    return exitStatusOf(result);
}

} // namespace

int encryptFileCommand(const Options& options) {
    return fileCommand(QStringLiteral("encrypt-file"), options, cipher::Direction::Encipher);
}

int decryptFileCommand(const Options& options) {
    return fileCommand(QStringLiteral("decrypt-file"), options, cipher::Direction::Decipher);
}

} // namespace cli
