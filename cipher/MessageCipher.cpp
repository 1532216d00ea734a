#include "cipher/MessageCipher.h"

#include "cipher/CodePage.h"
#include "cipher/FieldReader.h"
#include "cipher/MessageFormat.h"
#include "cipher/OutputFile.h"
#include "cipher/Password.h"
#include "cipher/ScratchFile.h"
#include "cipher/Sealed.h"
#include "cipher/Wipe.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace cipher {
namespace {

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Writes the codes as number lines into the fresh scratch file, then reads
// them back from it: the second pass encrypts what the file holds.
bool passThroughScratch(ScratchFile& scratch, const QByteArray& codes, MessageHost& host,
                        std::vector<int>& readBack, QString* error) {
    if (!scratch.create(error))
        return false;
    QIODevice& file = scratch.device();
    QByteArray lines;
    lines.reserve(codes.size() * 5);
    const int n = static_cast<int>(codes.size());
    for (int i = 0; i < n; ++i) {
        host.setProgressValue(i + 1);
        appendNumberLine(lines, static_cast<quint8>(codes[i]));
    }
    if (file.write(lines) != lines.size() || !file.seek(0)) {
        *error = file.errorString();
        return false;
    }
    FieldReader reader(&file);
    readBack.clear();
    readBack.reserve(n);
    while (static_cast<int>(readBack.size()) < n && !reader.atEnd())
        readBack.push_back(reader.readNumber().value_or(0));
    if (static_cast<int>(readBack.size()) < n) {
        *error = QStringLiteral("it holds fewer codes than the message has characters");
        return false;
    }
    return true;
}

// How a step of the encryption ended.
struct Step {
    enum Kind { Done, Refused, Cancelled } kind = Done;
    QString text; // for Refused: the message
};

Step refused(const QString& text) {
    return {Step::Refused, text};
}

// The classic message file: the codes go through the scratch file and come
// back from it, then each is written with its key code (and its junk value).
// The scratch file and its lock are gone when this returns.
Step classicMessage(const EncryptRequest& request, MessageHost& host, QByteArray* content) {
    QString problem;
    const QString scratchPath =
        request.scratchPath.isEmpty() ? ScratchFile::defaultPath(&problem) : request.scratchPath;
    if (scratchPath.isEmpty())
        return refused(QStringLiteral("The message was not encrypted: %1.").arg(problem));
    ScratchFile scratch(scratchPath);
    if (!scratch.openFolder(&problem)) {
        return refused(
            QStringLiteral("The message was not encrypted: %1. Nothing was written.").arg(problem));
    }
    ScratchFile::LockWait wait;
    wait.timeoutMs = request.scratchWaitMs;
    wait.waiting = [&] {
        host.waiting(QStringLiteral("Waiting for another encryption to finish with the working "
                                    "file..."));
    };
    wait.cancelled = [&] { return host.cancelRequested(); };
    switch (scratch.lock(wait, &problem)) {
    case ScratchFile::Lock::Taken:
        break;
    case ScratchFile::Lock::Cancelled:
        return {Step::Cancelled, {}};
    case ScratchFile::Lock::Busy:
        return refused(QStringLiteral("The message was not encrypted: another encryption is "
                                      "running and is using the working file \"%1\". Try again "
                                      "when it has finished.")
                           .arg(nativePath(scratchPath)));
    case ScratchFile::Lock::Failed:
        return refused(QStringLiteral("The message was not encrypted: the working file \"%1\" "
                                      "could not be used (%2).")
                           .arg(nativePath(scratchPath), problem));
    }

    const QByteArray codes = codepage::encode(request.text);
    const int n = static_cast<int>(codes.size());
    host.setBusy(true);
    host.setProgressMaximum(n);

    QString error;
    std::vector<int> scratchCodes;
    if (!passThroughScratch(scratch, codes, host, scratchCodes, &error)) {
        return refused(QStringLiteral("The message was not encrypted: the working file \"%1\" "
                                      "could not be used (%2).")
                           .arg(nativePath(scratchPath), error));
    }
    host.setProgressValue(0);

    const QByteArray password = codepage::encode(request.password);
    const QByteArray keyCodes = formKey(password, request.pic);
    KeyStream key(keyCodes);
    JunkRegister junk(static_cast<quint8>(password[0]));

    content->reserve(16 + n * (request.junkBitz ? 10 : 5));
    appendTextLine(*content, formatTag(request.pic, request.junkBitz));
    for (int i = 0; i < n; ++i) {
        host.setProgressValue(i + 1);
        const int junkValue = junk.next();
        if (request.junkBitz)
            appendNumberLine(*content, junkValue);
        appendNumberLine(*content, scratchCodes[i] + key.next());
    }
    wipe(password);
    wipe(keyCodes);
    return {};
}

} // namespace

EncryptResult EncryptMessage(const EncryptRequest& request, MessageHost& host) {
    if (request.text.isEmpty())
        return EncryptResult::Empty;

    const auto refuse = [&](const QString& text) {
        host.setBusy(false);
        host.setProgressValue(0);
        host.showMessage(text, kErrorTitle, MessageIcon::Stop);
        return EncryptResult::Failed;
    };
    // Stopped by the host: nothing written, and nothing to say.
    const auto cancelled = [&] {
        host.setBusy(false);
        host.setProgressValue(0);
        return EncryptResult::Cancelled;
    };

    // Every check comes before the first file is touched.
    if (request.password.isEmpty())
        return refuse(QStringLiteral("The message was not encrypted: enter a password first."));
    const bool sealed = request.format == Format::Sealed;
    if (const auto problem =
            sealed ? sealedPasswordProblem(request.password) : passwordProblem(request.password))
        return refuse(QStringLiteral("The message was not encrypted: %1.").arg(*problem));
    if (request.text.size() > kMaxMessageLength) {
        return refuse(QStringLiteral("The message was not encrypted: it has %1 characters "
                                     "(a line break counts as two), and a message may have at "
                                     "most %2.")
                          .arg(request.text.size())
                          .arg(kMaxMessageLength));
    }
    // A sealed message holds any character; the classic file, code page codes.
    if (const auto bad = sealed ? std::nullopt : codepage::firstUnmappable(request.text)) {
        return refuse(QStringLiteral("The message was not encrypted: it holds the character %1, "
                                     "which a message file cannot hold.")
                          .arg(codepage::describe(*bad)));
    }
    if (!request.toStandardOutput) {
        if (request.path.isEmpty())
            return refuse(QStringLiteral("The message was not encrypted: enter the name of the "
                                         "file to create."));
        if (const auto problem = outputProblem(request.path)) {
            return refuse(QStringLiteral("The message was not encrypted: the file \"%1\" cannot "
                                         "be written (%2).")
                              .arg(nativePath(request.path), *problem));
        }
    }

    QByteArray content;
    if (sealed) {
        // The key derivation takes a noticeable moment: the host may run it
        // off its own thread, and shows itself busy meanwhile.
        host.setBusy(true);
        sealed::Result result;
        host.runWork(
            [&] { result = sealed::sealMessage(request.text, request.password, &content); });
        if (!result.ok())
            return refuse(QStringLiteral("The message was not encrypted: %1").arg(result.message));
    } else {
        const Step step = classicMessage(request, host, &content);
        if (step.kind == Step::Cancelled)
            return cancelled();
        if (step.kind == Step::Refused)
            return refuse(step.text);
    }

    if (host.cancelRequested())
        return cancelled();
    QString error;
    OutputFile out =
        request.toStandardOutput ? OutputFile::standardOutput() : OutputFile(request.path);
    out.setCancelCheck([&] { return host.cancelRequested(); });
    if (!out.open(&error) || !out.write(content, &error) || !out.commit(&error)) {
        out.cancel();
        if (out.wasCancelled())
            return cancelled();
        const QString where = request.toStandardOutput
                                  ? QStringLiteral("standard output")
                                  : QStringLiteral("the file \"%1\"").arg(nativePath(request.path));
        return refuse(QStringLiteral("The message was not encrypted: %1 could not be written "
                                     "(%2).")
                          .arg(where, error));
    }

    host.setBusy(false);
    host.showMessage(kFinished, kAppTitle, MessageIcon::None);
    host.setProgressValue(0);
    return EncryptResult::Finished;
}

void decryptFrom(QIODevice& device, const QByteArray& passwordCodes, MessageHost& host) {
    FieldReader reader(&device);
    const TagMeaning meaning = interpretTag(reader.readText());
    const QByteArray keyCodes = formKey(passwordCodes, meaning.pic);
    KeyStream key(keyCodes);
    // Every value is decrypted, however many the file holds; the reader keeps
    // nothing but the current field.
    while (!reader.atEnd()) {
        if (meaning.junk) {
            reader.skip();
            if (reader.atEnd())
                break; // a file that ends after a junk field gives no further character
        }
        const int value = reader.readNumber().value_or(0);
        const int c = value - key.next();
        if (c >= 0 && c <= 255)
            host.appendOutput(static_cast<quint8>(c));
    }
    wipe(keyCodes);
}

namespace {

// The values that a reader would take from a message file, counted up to one
// past the ceiling.
int countValues(const QByteArray& content) {
    FieldReader reader(content);
    const bool junk = interpretTag(reader.readText()).junk;
    int values = 0;
    while (values <= kMaxFileValues && !reader.atEnd()) {
        if (junk) {
            reader.skip();
            if (reader.atEnd())
                break;
        }
        reader.skip();
        ++values;
    }
    return values;
}

void refuse(MessageHost& host, const QString& text) {
    host.showMessage(text, kErrorTitle, MessageIcon::Stop);
}

// A sealed message opens whole or not at all: the output changes only once
// every byte has authenticated, so a wrong password leaves it as it was.
DecryptResult decryptSealed(const QByteArray& content, const QString& password,
                            MessageHost& host) {
    if (const auto problem = sealedPasswordProblem(password)) {
        refuse(host, QStringLiteral("The message was not decrypted: %1.").arg(*problem));
        return DecryptResult::Refused;
    }
    host.setBusy(true);
    QString text;
    sealed::Result result;
    host.runWork([&] { result = sealed::openMessage(content, password, &text); });
    if (!result.ok()) {
        host.setBusy(false);
        // A cut or changed text breaks the base64 as often as the chunks:
        // to the user it is the same fault, and it gets the same one message.
        const bool damaged = result.status == sealed::Status::BadEncoding;
        refuse(host, damaged ? sealed::kWrongPasswordOrDamaged : result.message);
        return DecryptResult::NotOpened;
    }
    host.clearOutput();
    host.appendText(text);
    host.finishOutput();
    host.setBusy(false);
    host.showMessage(kDecrypted, kAppTitle, MessageIcon::None);
    return DecryptResult::Decrypted;
}

// Why an opened file is refused before anything is decrypted, which leaves
// the text the user had; nothing when the classic reader may take it.
std::optional<std::pair<DecryptResult, QString>> classicRefusal(const DecryptRequest& request,
                                                                const QByteArray& content) {
    const QString file = nativePath(request.path);
    if (content.size() > kMaxMessageFileBytes) {
        return std::pair{DecryptResult::TooLarge,
                         QStringLiteral("The file \"%1\" was not decrypted: it is larger than "
                                        "1 MB, far larger than any message file.")
                             .arg(file)};
    }
    switch (sealed::recogniseMessage(content)) {
    case sealed::Recognition::Sealed:
        return std::nullopt;
    case sealed::Recognition::Damaged:
        return std::pair{DecryptResult::Damaged,
                         QStringLiteral("The file \"%1\" was not decrypted: it is a sealed "
                                        "message whose first line was changed.")
                             .arg(file)};
    case sealed::Recognition::Classic:
        break;
    }
    if (request.requireSealed) {
        return std::pair{DecryptResult::NotSealed,
                         QStringLiteral("The file \"%1\" was not decrypted: it is not a sealed "
                                        "message. %2")
                             .arg(file, request.notSealedHint)};
    }
    if (countValues(content) > kMaxFileValues) {
        return std::pair{DecryptResult::TooLarge,
                         QStringLiteral("The file \"%1\" was not decrypted: it holds more than "
                                        "%2 numbers, far more than any message file (a message "
                                        "has at most %3 characters).")
                             .arg(file)
                             .arg(kMaxFileValues)
                             .arg(kMaxMessageLength)};
    }
    if (request.requireMessage && !holdsMessage(content)) {
        return std::pair{DecryptResult::NotAMessage,
                         QStringLiteral("The file \"%1\" is not a message file: it holds "
                                        "neither a tag line nor a single number.")
                             .arg(file)};
    }
    return std::nullopt;
}

} // namespace

bool holdsMessage(const QByteArray& content) {
    if (QByteArrayView(content).trimmed().startsWith('"'))
        return true;
    const QByteArray first = FieldReader(content).readText();
    if (first.startsWith(kTagV2) || first == "Tessera v1.0")
        return true;
    FieldReader reader(content);
    for (int fields = 0; fields <= kMaxFileValues * 2 + 1 && !reader.atEnd(); ++fields) {
        if (reader.readNumber())
            return true;
    }
    return false;
}

DecryptResult DecryptMessage(const DecryptRequest& request, MessageHost& host) {
    // A file is refused before the output is emptied, so the text the user
    // had stays. It is read only up to the ceiling, which also bounds what a
    // device or pipe can make it read.
    const QString& path = request.path;
    QFile file(path);
    const bool opened =
        !path.isEmpty() && !QFileInfo(path).isDir() && file.open(QIODevice::ReadOnly);
    QByteArray content;
    if (opened) {
        content = file.read(kMaxMessageFileBytes + 1);
        file.close();
        if (const auto refusal = classicRefusal(request, content)) {
            refuse(host, refusal->second);
            return refusal->first;
        }
        if (sealed::recogniseMessage(content) == sealed::Recognition::Sealed)
            return decryptSealed(content, request.password, host);
    }

    host.clearOutput();
    if (const auto problem = passwordProblem(request.password)) {
        refuse(host, QStringLiteral("The message was not decrypted: %1.").arg(*problem));
        return DecryptResult::Refused;
    }

    if (!opened) {
        refuse(host, kFileNotFound);
        return DecryptResult::NotFound;
    }

    host.setBusy(true);
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray passwordCodes = codepage::encode(request.password);
    decryptFrom(buffer, passwordCodes, host);
    wipe(passwordCodes);
    host.finishOutput();
    host.setBusy(false);
    host.showMessage(kDecrypted, kAppTitle, MessageIcon::None);
    return DecryptResult::Decrypted;
}

} // namespace cipher
