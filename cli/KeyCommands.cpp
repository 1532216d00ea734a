// keygen and recipient, and the keys that encrypt and decrypt take.

#include "base/Wipe.h"
#include "cipher/Keys.h"
#include "cli/Input.h"
#include "cli/Keys.h"
#include "cli/Password.h"
#include "cli/Signals.h"
#include "io/OutputFile.h"
#include "words/Describe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace cli {
namespace {

QString shown(const QString& path) {
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
}

// An identity or people file, read up to the size such a file can have (its
// bytes are wiped when it goes); nothing, after one line, when it cannot be.
std::optional<Input> readKeyFile(const QString& path, const QString& what) {
    Input input = readBounded(path, cipher::kMaxKeyFileSize);
    switch (input.status) {
    case Input::Status::Ok:
        return input;
    case Input::Status::TooLong:
        reportError(
            QCoreApplication::translate("cli", "%1 %2 is far larger than such a file can be")
                .arg(what, shown(path)));
        break;
    case Input::Status::Interrupted:
        reportInterrupted();
        break;
    case Input::Status::Failed:
        reportError(QCoreApplication::translate("cli", "cannot read %1 %2: %3")
                        .arg(what, shown(path), input.error));
        break;
    }
    return std::nullopt;
}

// The identities of one file into identities. The password of protected
// files is had once, when the first one needs it, and kept for the next.
bool readIdentities(const QString& path, const QString& passwordFile,
                    std::optional<Secret>* password, QList<cipher::Identity>* identities) {
    const std::optional<Input> input =
        readKeyFile(path, QCoreApplication::translate("cli", "the identity file"));
    if (!input)
        return false;
    if (cipher::isProtectedIdentityFile(input->bytes) && !*password) {
        std::optional<Secret> got = obtainPassword(
            passwordFile, QCoreApplication::translate("cli", "Password of %1: ").arg(path));
        if (!got)
            return false;
        password->emplace(std::move(*got));
    }
    const cipher::KeyResult result = cipher::readIdentityFile(
        input->bytes, *password ? &(*password)->text() : nullptr, identities);
    if (!result.ok()) {
        reportError(QCoreApplication::translate("cli", "cannot use the identity file %1: %2")
                        .arg(shown(path), words::sentence(result.failure)));
    }
    return result.ok();
}

// The identity file, created new and readable by the user alone; false,
// after one line, when it could not be.
bool writeIdentity(const QString& path, const QByteArray& file) {
    io::OutputFile out(path);
    out.setCreation(io::OutputFile::Creation::NewPrivate);
    out.setCancel(&StopSignals::token());
    base::Failure error;
    if (out.open(&error) && out.write(file, &error) && out.commit(&error))
        return true;
    out.cancel();
    if (out.wasCancelled())
        reportInterrupted();
    else
        reportError(
            QCoreApplication::translate("cli", "cannot write %1: %2")
                .arg(shown(path), words::reason(error)));
    return false;
}

std::optional<QString> keygenUsageProblem(const Options& options) {
    if (!options.positional.isEmpty())
        return QCoreApplication::translate(
            "cli", "keygen: give the identity file as --output IDENTITY, and no other");
    if (options.output.isEmpty() || options.output == QLatin1String("-")) {
        return QCoreApplication::translate(
            "cli", "keygen: --output IDENTITY is required (an identity is secret and "
                   "goes to a new file of its own)");
    }
    if (!options.protect && !options.passwordFile.isEmpty())
        return QCoreApplication::translate("cli", "keygen: --password-file goes with --protect");
    return std::nullopt;
}

void sayKeepItSafe(const QString& path, bool isProtected) {
    reportError(
        QCoreApplication::translate(
            "cli", "wrote the identity %1. Keep it safe: if it is lost%2, nothing sealed to "
                   "it can be opened. %3")
            .arg(shown(path),
                 isProtected ? QCoreApplication::translate("cli", " or its password forgotten")
                             : QString(),
                 isProtected ? QCoreApplication::translate("cli", "Keep a copy somewhere else.")
                             : QCoreApplication::translate(
                                   "cli", "Keep a protected copy somewhere else: "
                                          "tessera-cli encrypt --sealed --output COPY %1")
                                   .arg(path)));
}

// A regular file sealed to people, as a file or as a message (standard
// input and the like are not looked at: they can be read only once).
bool sealedToPeople(const QString& path) {
    QFile file(path);
    if (path == QLatin1String("-") || heldDescriptor(path, 0) || !QFileInfo(path).isFile() ||
        !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.read(cipher::kMaxMessageFileSize);
    if (cipher::recogniseFile(content.left(cipher::kRecognitionWindow)) ==
        cipher::Recognition::Sealed)
        return cipher::sealedVersion(content) == cipher::kRecipientsVersion;
    const cipher::FoundMessage found = cipher::findMessage(content);
    return !found.candidates.isEmpty() &&
           cipher::sealedVersion(found.candidates.constFirst()) == cipher::kRecipientsVersion;
}

int encryptionCredentials(const QString& name, const Options& options, Credentials* credentials) {
    if (options.to.isEmpty() && options.toFiles.isEmpty()) {
        std::optional<Secret> password = obtainPassword(options.passwordFile);
        if (!password)
            return kFailed;
        if (options.sealed)
            warnOfWeakPassword(*password);
        credentials->password.emplace(std::move(*password));
        return kOk;
    }
    if (const auto problem = keysUsageProblem(name, options)) {
        reportError(*problem);
        return kUsage;
    }
    std::optional<QList<cipher::PublicKey>> recipients = gatherRecipients(options);
    if (!recipients)
        return kFailed;
    if (recipients->size() > cipher::kMaxRecipients) {
        reportError(QCoreApplication::translate(
                        "cli", "%1: a file may be sealed to at most %2 people; %3 were given")
                        .arg(name)
                        .arg(cipher::kMaxRecipients)
                        .arg(recipients->size()));
        return kFailed;
    }
    credentials->recipients = std::move(*recipients);
    return kOk;
}

} // namespace

std::optional<QString> keysUsageProblem(const QString& name, const Options& options) {
    if ((!options.to.isEmpty() || !options.toFiles.isEmpty()) &&
        (!options.passwordFile.isEmpty() || options.pic || options.junkBitz)) {
        return QCoreApplication::translate(
                   "cli", "%1: --to and --to-file seal to people, with no password and "
                          "neither --pic nor --junkbitz")
            .arg(name);
    }
    return std::nullopt;
}

int obtainCredentials(const QString& name, const Options& options, bool encrypt,
                      const QString& input, Credentials* credentials) {
    if (encrypt)
        return encryptionCredentials(name, options, credentials);
    if (!options.identities.isEmpty()) {
        std::optional<QList<cipher::Identity>> identities = gatherIdentities(options);
        if (!identities)
            return kFailed;
        credentials->identities = std::move(*identities);
        return kOk;
    }
    if (sealedToPeople(input)) {
        reportError(QCoreApplication::translate(
                        "cli", "%1: %2 is sealed to people: give --identity IDENTITY (it "
                               "needs no password)")
                        .arg(name, shown(input)));
        return kFailed;
    }
    std::optional<Secret> password = obtainPassword(options.passwordFile);
    if (!password)
        return kFailed;
    credentials->password.emplace(std::move(*password));
    return kOk;
}

int keygenCommand(const Options& options) {
    if (const auto problem = keygenUsageProblem(options)) {
        reportError(*problem);
        return kUsage;
    }
    const QFileInfo target(options.output);
    if (target.exists() || target.isSymLink()) {
        reportError(
            QCoreApplication::translate("cli", "%1 already exists; keygen never replaces a file")
                .arg(shown(options.output)));
        return kFailed;
    }
    const std::optional<Secret> password =
        options.protect ? obtainNewPassword(options.passwordFile) : std::nullopt;
    if (options.protect && !password)
        return kFailed;
    if (password)
        warnOfWeakPassword(*password);
    const std::optional<cipher::Identity> identity = cipher::Identity::generate();
    QByteArray file;
    const cipher::KeyResult made =
        identity ? cipher::identityFile(*identity, password ? &password->text() : nullptr, &file)
                 : cipher::KeyResult{};
    if (!made.ok()) {
        reportError(made.failure.ok()
                        ? QCoreApplication::translate("cli", "the encryption library failed")
                        : words::sentence(made.failure));
        return kFailed;
    }
    const bool written = writeIdentity(options.output, file);
    base::wipe(file);
    if (!written)
        return kFailed;
    std::printf("%s\n", qPrintable(cipher::recipientText(identity->recipient())));
    std::fflush(stdout);
    sayKeepItSafe(options.output, options.protect);
    return kOk;
}

int recipientCommand(const Options& options) {
    if (options.positional.size() != 1 || options.positional.constFirst().isEmpty()) {
        reportError(QCoreApplication::translate("cli", "recipient: give one IDENTITY file"));
        return kUsage;
    }
    std::optional<Secret> password;
    QList<cipher::Identity> identities;
    if (!readIdentities(options.positional.constFirst(), options.passwordFile, &password,
                        &identities))
        return kFailed;
    for (const cipher::Identity& identity : identities)
        std::printf("%s\n", qPrintable(cipher::recipientText(identity.recipient())));
    return kOk;
}

std::optional<QList<cipher::PublicKey>> gatherRecipients(const Options& options) {
    QList<cipher::PublicKey> recipients;
    const auto add = [&](const cipher::PublicKey& key) {
        if (!recipients.contains(key))
            recipients.append(key);
    };
    for (const QString& text : options.to) {
        cipher::KeyTextProblem problem = cipher::KeyTextProblem::None;
        const std::optional<cipher::PublicKey> key = cipher::parseRecipient(text, &problem);
        if (!key) {
            reportError(QCoreApplication::translate("cli", "--to: %1 Nothing was written.")
                            .arg(words::keyTextProblem(problem, text)));
            return std::nullopt;
        }
        add(*key);
    }
    for (const QString& path : options.toFiles) {
        const std::optional<Input> input =
            readKeyFile(path, QCoreApplication::translate("cli", "the people file"));
        if (!input)
            return std::nullopt;
        cipher::PeopleProblem problem;
        const auto people = cipher::parsePeople(input->bytes, &problem);
        if (!people) {
            reportError(QCoreApplication::translate("cli", "%1, line %2: %3 Nothing was written.")
                            .arg(shown(path))
                            .arg(problem.line)
                            .arg(words::keyTextProblem(problem.problem, problem.given)));
            return std::nullopt;
        }
        for (const cipher::Person& person : *people)
            add(person.recipient);
    }
    return recipients;
}

std::optional<QList<cipher::Identity>> gatherIdentities(const Options& options) {
    std::optional<Secret> password;
    QList<cipher::Identity> identities;
    for (const QString& path : options.identities) {
        if (!readIdentities(path, options.passwordFile, &password, &identities))
            return std::nullopt;
    }
    return identities;
}

} // namespace cli
