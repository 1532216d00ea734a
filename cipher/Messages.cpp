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

Notice errorNotice(const QString& text) {
    return {text, kErrorTitle, MessageIcon::Stop};
}

EncryptOutcome notEncrypted(const QString& text) {
    return {EncryptResult::Failed, errorNotice(text)};
}

// Every reason to refuse an encryption, found before the first file is touched.
bool toPeople(const EncryptRequest& request) {
    return !request.recipients.isEmpty();
}

std::optional<QString> encryptionRefusal(const EncryptRequest& request) {
    if (request.password.isEmpty() && !toPeople(request))
        return QStringLiteral("The message was not encrypted: enter a password first.");
    const bool sealed = request.format == Format::Sealed || toPeople(request);
    const auto problem = toPeople(request) ? std::nullopt
                         : sealed          ? sealed::passwordProblem(request.password)
                                           : classic::passwordProblem(request.password);
    if (problem)
        return QStringLiteral("The message was not encrypted: %1.").arg(*problem);
    if (request.text.size() > base::kMaxMessageLength) {
        return QStringLiteral("The message was not encrypted: it has %1 characters (a line "
                              "break counts as two), and a message may have at most %2.")
            .arg(request.text.size())
            .arg(base::kMaxMessageLength);
    }
    // A sealed message holds any character; the classic file, code page codes.
    if (const auto bad = sealed ? std::nullopt : classic::codepage::firstUnmappable(request.text)) {
        return QStringLiteral("The message was not encrypted: it holds the character %1, which "
                              "a message file cannot hold.")
            .arg(classic::codepage::describe(*bad));
    }
    if (request.outputDescriptor >= 0)
        return std::nullopt;
    if (request.path.isEmpty())
        return QStringLiteral("The message was not encrypted: enter the name of the file to create.");
    if (const auto problem = io::outputProblem(request.path)) {
        return QStringLiteral("The message was not encrypted: the file \"%1\" cannot be written "
                              "(%2).")
            .arg(nativePath(request.path), *problem);
    }
    return std::nullopt;
}

// The classic message file, through the scratch file.
EncryptOutcome classicContent(const EncryptRequest& request, base::Progress& progress,
                              QByteArray* content) {
    classic::WriteRequest write;
    QString problem;
    write.scratchPath =
        request.scratchPath.isEmpty() ? io::ScratchFile::defaultPath(&problem) : request.scratchPath;
    if (write.scratchPath.isEmpty())
        return notEncrypted(QStringLiteral("The message was not encrypted: %1.").arg(problem));
    write.scratchWaitMs = request.scratchWaitMs;
    write.codes = classic::codepage::encode(request.text);
    write.password = classic::codepage::encode(request.password);
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
                          : sealed::sealMessage(request.text, request.password, content);
    if (!result.ok())
        return notEncrypted(QStringLiteral("The message was not encrypted: %1").arg(result.message));
    return {EncryptResult::Finished, {}};
}

// The message file at its path (or on standard output), whole or not at all.
EncryptOutcome writeOut(const EncryptRequest& request, const QByteArray& content,
                        base::Progress& progress) {
    io::OutputFile out = request.outputDescriptor >= 0
                             ? io::OutputFile::descriptor(request.outputDescriptor)
                             : io::OutputFile(request.path);
    out.setCancel(progress.cancelToken());
    QString error;
    if (!out.open(&error) || !out.write(content, &error) || !out.commit(&error)) {
        out.cancel();
        if (out.wasCancelled())
            return {EncryptResult::Cancelled, {}};
        const QString where = request.outputDescriptor >= 0
                                  ? QStringLiteral("standard output")
                                  : QStringLiteral("the file \"%1\"").arg(nativePath(request.path));
        return notEncrypted(QStringLiteral("The message was not encrypted: %1 could not be "
                                           "written (%2).")
                                .arg(where, error));
    }
    progress.setPosition(0);
    return {EncryptResult::Finished, Notice{kFinished}};
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

void present(const EncryptOutcome& outcome, MessageHost& host) {
    if (outcome.notice)
        host.showMessage(outcome.notice->text, outcome.notice->title, outcome.notice->icon);
}

EncryptResult EncryptMessage(const EncryptRequest& request, MessageHost& host,
                             base::Progress& progress) {
    const EncryptOutcome outcome = encryptMessage(request, progress);
    present(outcome, host);
    return outcome.result;
}

namespace {

// A file is refused before anything is decrypted, which leaves the text the
// user had; nothing when a reader may take it.
// What damage a sealed message shows, as a clause.
QString damageOf(sealed::Damage damage) {
    switch (damage) {
    case sealed::Damage::Encoding:
        return QStringLiteral("its text is not clean base64");
    case sealed::Damage::Cut:
        return QStringLiteral("it was cut short");
    case sealed::Damage::NoData:
        return QStringLiteral("the sealed data after its first line is missing");
    case sealed::Damage::Header:
    case sealed::Damage::None:
        break;
    }
    return QStringLiteral("the beginning of its sealed data was changed");
}

std::optional<std::pair<DecryptResult, QString>> refusal(const DecryptRequest& request,
                                                         const QByteArray& content,
                                                         const sealed::FoundMessage& found) {
    const QString file = nativePath(request.path);
    if (content.size() > base::kMaxMessageFileBytes) {
        return std::pair{DecryptResult::TooLarge,
                         QStringLiteral("The file \"%1\" was not decrypted: it is larger than "
                                        "1 MB, far larger than any message file.")
                             .arg(file)};
    }
    switch (found.recognition) {
    case sealed::Recognition::Sealed:
        return std::nullopt;
    case sealed::Recognition::Damaged:
        return std::pair{DecryptResult::Damaged,
                         QStringLiteral("The file \"%1\" was not decrypted: it is a sealed "
                                        "message that was damaged: %2.")
                             .arg(file, damageOf(found.damage))};
    case sealed::Recognition::Classic:
        break;
    }
    if (request.requireSealed) {
        return std::pair{DecryptResult::NotSealed,
                         QStringLiteral("The file \"%1\" was not decrypted: it is not a sealed "
                                        "message. %2")
                             .arg(file, request.notSealedHint)};
    }
    if (classic::countValues(content) > base::kMaxFileValues) {
        return std::pair{DecryptResult::TooLarge,
                         QStringLiteral("The file \"%1\" was not decrypted: it holds more than "
                                        "%2 numbers, far more than any message file (a message "
                                        "has at most %3 characters).")
                             .arg(file)
                             .arg(base::kMaxFileValues)
                             .arg(base::kMaxMessageLength)};
    }
    if (request.requireMessage && !classic::holdsMessage(content)) {
        return std::pair{DecryptResult::NotAMessage,
                         QStringLiteral("The file \"%1\" is not a message file: it begins "
                                        "with neither a tag line nor a number.")
                             .arg(file)};
    }
    return std::nullopt;
}

// What a sealed message that did not open is refused as, and why.
std::pair<DecryptResult, QString> sealedRefusal(const DecryptRequest& request,
                                                const sealed::Result& result) {
    switch (result.status) {
    // Data that does not authenticate was changed, or the password is wrong.
    case sealed::Status::WrongPasswordOrDamaged:
        return {DecryptResult::NotOpened, result.message};
    case sealed::Status::NotForThisIdentity:
        return {DecryptResult::NotOpened,
                QStringLiteral("The file \"%1\" was not decrypted: it is not sealed to %2.")
                    .arg(nativePath(request.path),
                         request.identities.size() == 1 ? QStringLiteral("this identity")
                                                        : QStringLiteral("any of these "
                                                                         "identities"))};
    case sealed::Status::NeedsIdentity:
        return {DecryptResult::NeedsIdentity,
                QStringLiteral("The file \"%1\" was not decrypted: it is sealed to people, and "
                               "opens with an identity, not a password.")
                    .arg(nativePath(request.path))};
    case sealed::Status::NeedsPassword:
        return {DecryptResult::Refused,
                QStringLiteral("The file \"%1\" was not decrypted: it is sealed with a password, "
                               "not to people.")
                    .arg(nativePath(request.path))};
    default:
        // Data the reader cannot take (an unknown version, parameters beyond
        // its limits) is refused for that.
        return {DecryptResult::Damaged, result.message};
    }
}

// A sealed message opens whole or not at all: the output changes only once
// every byte has authenticated, so a wrong password leaves it as it was. With
// identities and no password, only a message sealed to people opens.
DecryptOutcome decryptSealed(const QByteArray& content, const DecryptRequest& request,
                             base::Progress& progress) {
    const bool byPassword = !request.password.isEmpty() || request.identities.isEmpty();
    if (const auto problem = byPassword ? sealed::passwordProblem(request.password)
                                        : std::nullopt) {
        return {DecryptResult::Refused, false, {}, {},
                errorNotice(QStringLiteral("The message was not decrypted: %1.").arg(*problem))};
    }
    progress.setRange(0);
    sealed::Opener opener{std::nullopt, request.identities};
    if (byPassword) {
        opener.password =
            sealed::passwordKey(request.password, progress.cancelToken(), request.confirmCost);
    }
    QString text;
    const sealed::Result result = sealed::openMessage(content, opener, &text);
    if (!result.ok()) {
        const auto [refused, why] = sealedRefusal(request, result);
        return {refused, false, {}, {}, errorNotice(why)};
    }
    return {DecryptResult::Decrypted, true, {}, std::move(text), Notice{kDecrypted}};
}

// The classic reader, which takes any bytes: a wrong password gives other
// characters, and nothing tells.
DecryptOutcome decryptClassic(QByteArray content, const QString& password) {
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    DecryptOutcome outcome{DecryptResult::Decrypted, true, {}, {}, Notice{kDecrypted}};
    const QByteArray passwordCodes = classic::codepage::encode(password);
    classic::readMessage(buffer, passwordCodes, &outcome.codes);
    base::wipe(passwordCodes);
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
            return {refused->first, false, {}, {}, errorNotice(refused->second)};
        if (found.recognition == sealed::Recognition::Sealed)
            return decryptSealed(content, request, progress);
    }
    if (const auto problem = classic::passwordProblem(request.password)) {
        return {DecryptResult::Refused, true, {}, {},
                errorNotice(QStringLiteral("The message was not decrypted: %1.").arg(*problem))};
    }
    if (!opened)
        return {DecryptResult::NotFound, true, {}, {}, errorNotice(kFileNotFound)};
    return decryptClassic(content, request.password);
}

void present(const DecryptOutcome& outcome, MessageHost& host) {
    presentText(outcome, host);
    presentNotice(outcome, host);
}

void presentText(const DecryptOutcome& outcome, MessageHost& host) {
    if (outcome.clearsOutput) {
        host.clearOutput();
        if (outcome.text) {
            host.appendText(*outcome.text);
        } else {
            for (const char code : outcome.codes)
                host.appendOutput(static_cast<quint8>(code));
        }
        host.finishOutput();
    }
}

void presentNotice(const DecryptOutcome& outcome, MessageHost& host) {
    host.showMessage(outcome.notice.text, outcome.notice.title, outcome.notice.icon);
}

DecryptResult DecryptMessage(const DecryptRequest& request, MessageHost& host,
                             base::Progress& progress) {
    const DecryptOutcome outcome = decryptMessage(request, progress);
    present(outcome, host);
    return outcome.result;
}

std::optional<sealed::Cost> sealedMessageCost(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return sealed::messageCost(file.read(base::kMaxMessageFileBytes + 1));
}

} // namespace cipher
