// encrypt-file and decrypt-file: the binary file cipher from the command line.

#include "cli/Commands.h"
#include "cli/Password.h"
#include "cli/Signals.h"
#include "cli/TerminalProgress.h"
#include "cipher/Files.h"

namespace cli {
namespace {

int fileCommand(const QString& name, const Options& options, cipher::Direction direction) {
    if (options.positional.size() != 2 || options.positional.contains(QString())) {
        reportError(QStringLiteral("%1: give INPUT and OUTPUT").arg(name));
        return kUsage;
    }
    const auto password = obtainPassword(options.passwordFile);
    if (!password)
        return kFailed;
    if (options.sealed && direction == cipher::Direction::Encipher)
        warnOfWeakPassword(*password);
    TerminalProgress progress(true);
    cipher::PassRequest request;
    request.input = options.positional.at(0);
    request.output = options.positional.at(1);
    request.password = password->text();
    request.direction = direction;
    request.format = options.sealed ? cipher::Format::Sealed : cipher::Format::Classic;
    request.notSealedHint = QStringLiteral("Leave out --sealed to decrypt a classic one.");
    const cipher::PassResult result = cipher::FileCipherPass(request, progress);
    if (result.status != cipher::PassStatus::Done)
        reportError(result.message);
    return result.status == cipher::PassStatus::Done ? kOk : kFailed;
}

} // namespace

int encryptFileCommand(const Options& options) {
    return fileCommand(QStringLiteral("encrypt-file"), options, cipher::Direction::Encipher);
}

int decryptFileCommand(const Options& options) {
    return fileCommand(QStringLiteral("decrypt-file"), options, cipher::Direction::Decipher);
}

} // namespace cli
