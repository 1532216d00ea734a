#include "cipher/Messages.h"

#include "base/Limits.h"
#include "base/Wipe.h"
#include "classic/CodePage.h"
#include "classic/Message.h"
#include "classic/Password.h"
#include "io/OutputFile.h"
#include "io/ScratchFile.h"
#include "sealed/Key.h"
#include "sealed/Message.h"
#include "sealed/Recognition.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace cipher {
namespace {

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

EncryptOutcome notEncrypted(base::Failure failure) {
    return {EncryptResult::Failed, std::move(failure)};
}

base::Failure aboutFile(base::Fault fault, const QString& path, const QString& cause = {}) {
    return base::about(fault, nativePath(path), cause);
}

// Every reason to refuse an encryption, found before the first file is touched.
bool toPeople(const EncryptRequest& request) {
    return !request.recipients.isEmpty();
}

std::optional<base::Failure> encryptionRefusal(const EncryptRequest& request) {
    if (request.password.isEmpty() && !toPeople(request))
        return base::failure(base::Fault::NoPassword);
    const bool sealed = request.format == Format::Sealed || toPeople(request);
    const auto problem = toPeople(request) ? std::nullopt
                         : sealed          ? sealed::passwordProblem(request.password.text())
                                           : classic::passwordProblem(request.password.text());
    if (problem)
        return problem;
    if (request.text.size() > base::kMaxMessageLength)
        return base::failure(base::Fault::MessageTooLong, request.text.size(), base::kMaxMessageLength);
    // A sealed message holds any character; the classic file, code page codes.
    if (const auto bad = sealed ? std::nullopt : classic::codepage::firstUnmappable(request.text))
        return base::failure(base::Fault::UnmappableCharacter, qint64(*bad));
    if (request.outputDescriptor >= 0)
        return std::nullopt;
    if (request.path.isEmpty())
        return base::failure(base::Fault::NoOutputName);
    if (const auto problem = io::outputProblem(request.path))
        return base::within(base::Fault::OutputUnwritable, nativePath(request.path), *problem);
    return std::nullopt;
}

// The classic message file, through the scratch file.
EncryptOutcome classicContent(const EncryptRequest& request, base::Progress& progress,
                              QByteArray* content) {
    classic::WriteRequest write;
    base::Failure problem;
    write.scratchPath =
        request.scratchPath.isEmpty() ? io::ScratchFile::defaultPath(&problem) : request.scratchPath;
    if (write.scratchPath.isEmpty())
        return notEncrypted(base::within(base::Fault::NoScratchFolder, {}, problem));
    write.scratchWaitMs = request.scratchWaitMs;
    write.codes = classic::codepage::encode(request.text);
    write.password = classic::codepage::encode(request.password.text());
    write.pic = request.pic;
    write.junkBitz = request.junkBitz;
    classic::Written written = classic::writeMessage(write, progress);
    base::wipe(write.password);
    switch (written.status) {
    case classic::Written::Status::Done:
        *content = std::move(written.content);
        return {EncryptResult::Finished, {}};
    case classic::Written::Status::Cancelled:
        return {EncryptResult::Cancelled, {}};
    case classic::Written::Status::Refused:
        break;
    }
    return notEncrypted(written.refusal);
}

// The sealed message file; its key derivation takes a noticeable moment,
// which the progress display shows as busy.
EncryptOutcome sealedContent(const EncryptRequest& request, base::Progress& progress,
                             QByteArray* content) {
    progress.setRange(0);
    const sealed::Result result =
        toPeople(request) ? sealed::sealMessage(request.text, request.recipients, content)
                          : sealed::sealMessage(request.text, sealed::passwordKey(request.password),
                                                content);
    if (!result.ok())
        return notEncrypted(result.failure);
    return {EncryptResult::Finished, {}};
}

// The message file at its path (or on standard output), whole or not at all.
EncryptOutcome writeOut(const EncryptRequest& request, const QByteArray& content,
                        base::Progress& progress) {
    io::OutputFile out = request.outputDescriptor >= 0
                             ? io::OutputFile::descriptor(request.outputDescriptor)
                             : io::OutputFile(request.path);
    out.setCancel(progress.cancelToken());
    base::Failure error;
    if (!out.open(&error) || !out.write(content, &error) || !out.commit(&error)) {
        out.cancel();
        if (out.wasCancelled())
            return {EncryptResult::Cancelled, {}};
        // No subject: standard output.
        return notEncrypted(base::within(
            base::Fault::WriteFailed,
            request.outputDescriptor >= 0 ? QString() : nativePath(request.path), error));
    }
    progress.setPosition(0);
    return {EncryptResult::Finished, {}};
}

} // namespace

EncryptOutcome encryptMessage(const EncryptRequest& request, base::Progress& progress) {
    if (request.text.isEmpty())
        return {EncryptResult::Empty, {}};
    if (const auto refusal = encryptionRefusal(request))
        return notEncrypted(*refusal);
    QByteArray content;
    const EncryptOutcome made = request.format == Format::Sealed || toPeople(request)
                                    ? sealedContent(request, progress, &content)
                                    : classicContent(request, progress, &content);
    if (made.result != EncryptResult::Finished)
        return made;
    if (progress.cancelled())
        return {EncryptResult::Cancelled, {}};
    return writeOut(request, content, progress);
}

namespace {

// A file is refused before anything is decrypted, which leaves the text the
// user had; nothing when a reader may take it.
std::optional<std::pair<DecryptResult, base::Failure>> refusal(const DecryptRequest& request,
                                                               const QByteArray& content,
                                                               const sealed::FoundMessage& found) {
    using base::Fault;
    if (content.size() > base::kMaxMessageFileBytes)
        return std::pair{DecryptResult::TooLarge, aboutFile(Fault::MessageFileTooLarge, request.path)};
    switch (found.recognition) {
    case sealed::Recognition::Sealed:
        return std::nullopt;
    case sealed::Recognition::Damaged: {
        base::Failure damaged = aboutFile(Fault::SealedMessageDamage, request.path);
        damaged.number = static_cast<qint64>(found.damage);
        return std::pair{DecryptResult::Damaged, damaged};
    }
    case sealed::Recognition::Classic:
        break;
    }
    if (request.requireSealed)
        return std::pair{DecryptResult::NotSealed, aboutFile(Fault::NotSealedMessage, request.path)};
    if (classic::countValues(content) > base::kMaxFileValues) {
        base::Failure tooMany = aboutFile(Fault::TooManyNumbers, request.path);
        tooMany.limit = base::kMaxFileValues;
        tooMany.other = base::kMaxMessageLength;
        return std::pair{DecryptResult::TooLarge, tooMany};
    }
    if (request.requireMessage && !classic::holdsMessage(content))
        return std::pair{DecryptResult::NotAMessage, aboutFile(Fault::NotAMessage, request.path)};
    return std::nullopt;
}

// What a sealed message that did not open is refused as. A refusal that is
// about the file and the keys given names the file.
DecryptResult sealedRefusal(const DecryptRequest& request, sealed::Result* result) {
    switch (result->status) {
    // Data that does not authenticate was changed, or the password is wrong.
    case sealed::Status::WrongPasswordOrDamaged:
        return DecryptResult::NotOpened;
    case sealed::Status::NotForThisIdentity:
        result->failure.subject = nativePath(request.path);
        return DecryptResult::NotOpened;
    case sealed::Status::NeedsIdentity:
        result->failure.subject = nativePath(request.path);
        return DecryptResult::NeedsIdentity;
    case sealed::Status::NeedsPassword:
        result->failure.subject = nativePath(request.path);
        return DecryptResult::Refused;
    default:
        // Data the reader cannot take (an unknown version, parameters beyond
        // its limits) is refused for that.
        return DecryptResult::Damaged;
    }
}

// A sealed message opens whole or not at all: the output changes only once
// every byte has authenticated, so a wrong password leaves it as it was. With
// identities and no password, only a message sealed to people opens.
DecryptOutcome decryptSealed(const QByteArray& content, const DecryptRequest& request,
                             base::Progress& progress) {
    const bool byPassword = !request.password.isEmpty() || request.identities.isEmpty();
    if (const auto problem = byPassword ? sealed::passwordProblem(request.password.text())
                                        : std::nullopt)
        return {DecryptResult::Refused, false, {}, *problem};
    progress.setRange(0);
    sealed::Opener opener{std::nullopt, request.identities};
    if (byPassword) {
        opener.password =
            sealed::passwordKey(request.password, progress.cancelToken(), request.confirmCost);
    }
    QString text;
    sealed::Result result = sealed::openMessage(content, opener, &text);
    if (!result.ok()) {
        const DecryptResult refused = sealedRefusal(request, &result);
        return {refused, false, {}, result.failure};
    }
    return {DecryptResult::Decrypted, true, std::move(text), {}};
}

// The classic reader, which takes any bytes: a wrong password gives other
// characters, and nothing tells.
DecryptOutcome decryptClassic(QByteArray content, const QString& password) {
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    DecryptOutcome outcome{DecryptResult::Decrypted, true, {}, {}};
    const QByteArray passwordCodes = classic::codepage::encode(password);
    QByteArray codes;
    classic::readMessage(buffer, passwordCodes, &codes);
    base::wipe(passwordCodes);
    outcome.text = classic::codepage::decode(codes);
    base::wipe(codes);
    return outcome;
}

} // namespace

DecryptOutcome decryptMessage(const DecryptRequest& request, base::Progress& progress) {
    // Read only up to the ceiling, which also bounds what a device or pipe
    // can make it read.
    QFile file(request.path);
    const bool opened = request.content ||
                        (!request.path.isEmpty() && !QFileInfo(request.path).isDir() &&
                         file.open(QIODevice::ReadOnly));
    const QByteArray content = request.content ? *request.content
                               : opened        ? file.read(base::kMaxMessageFileBytes + 1)
                                               : QByteArray();
    if (opened) {
        const sealed::FoundMessage found = sealed::findMessage(content);
        if (const auto refused = refusal(request, content, found))
            return {refused->first, false, {}, refused->second};
        if (found.recognition == sealed::Recognition::Sealed)
            return decryptSealed(content, request, progress);
    }
    if (const auto problem = classic::passwordProblem(request.password.text()))
        return {DecryptResult::Refused, true, {}, *problem};
    if (!opened)
        return {DecryptResult::NotFound, true, {}, base::failure(base::Fault::MessageFileNotFound)};
    return decryptClassic(content, request.password.text());
}

std::optional<sealed::Cost> sealedMessageCost(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return sealed::messageCost(file.read(base::kMaxMessageFileBytes + 1));
}

} // namespace cipher
