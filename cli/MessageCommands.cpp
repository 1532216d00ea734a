// encrypt and decrypt: the message cipher from the command line.

#include "base/Limits.h"
#include "base/Utf8.h"
#include "cipher/Messages.h"
#include "classic/CodePage.h"
#include "cli/Commands.h"
#include "cli/Input.h"
#include "cli/Keys.h"
#include "cli/Password.h"
#include "cli/Signals.h"
#include "cli/TerminalProgress.h"
#include "io/OutputFile.h"
#include "words/Describe.h"
#include "words/Present.h"

#include <QCoreApplication>
#include <QDir>
#include <optional>
#include <utility>

namespace cli {
namespace {

// Messages go to standard error, except the closing "Finished" and "Decrypted",
// which a script does not need: the exit status tells.
class CliHost final : public words::MessageHost {
public:
    void showMessage(const QString& text, Tone tone) override {
        // The refusal a stop signal brings (a key whose derivation it ended)
        // is said as every interruption is.
        if (tone == Tone::Error && StopSignals::received())
            reportInterrupted();
        else if (tone == Tone::Error)
            reportError(text);
    }
    void showText(const QString& shown) override { text = shown; }
    QString notSealedHint() const override {
        return QCoreApplication::translate("cli", "Leave out --sealed to open a classic one.");
    }
    QString text; // the decrypted text, which a sealed message lets hold any character
};

// The longest message text worth reading: a message has at most
// kMaxMessageLength UTF-16 units, and none takes more than three bytes.
constexpr qsizetype kTextLimit = qsizetype(base::kMaxMessageLength) * 3;

bool isStandardStream(const QString& path) {
    return path == QLatin1String("-");
}

QString shown(const QString& path) {
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
}

// The message file, read here rather than by the cipher so that standard
// input and a FIFO can hold it and a stop signal ends the wait for them. The
// exit status when the command ends here; nothing to go on (a file that
// cannot be read is left to the cipher, which says why as the windows do).
std::optional<int> readMessageFile(const QString& path, cipher::DecryptRequest* request) {
    Input input = readBounded(path, base::kMaxMessageFileBytes);
    switch (input.status) {
    case Input::Status::Ok:
        request->content = std::exchange(input.bytes, QByteArray());
        break;
    case Input::Status::TooLong:
        reportError(QCoreApplication::translate(
                        "cli", "The file %1 was not decrypted: it is larger than 1 MB, far "
                               "larger than any message file.")
                        .arg(shown(path)));
        return kFailed;
    case Input::Status::Interrupted:
        reportInterrupted();
        return kFailed;
    case Input::Status::Failed:
        break;
    }
    return std::nullopt;
}

} // namespace

int encryptCommand(const Options& options) {
    if (options.output.isEmpty()) {
        reportError(
            QCoreApplication::translate("cli", "encrypt: --output MESSAGEFILE is required"));
        return kUsage;
    }
    if (options.positional.size() > 1) {
        reportError(QCoreApplication::translate("cli", "encrypt: give at most one TEXTFILE"));
        return kUsage;
    }
    if (options.sealed && (options.pic || options.junkBitz)) {
        reportError(QCoreApplication::translate(
            "cli", "encrypt: --pic and --junkbitz are for the classic format; a "
                   "sealed message needs neither"));
        return kUsage;
    }
    if (const auto problem = keysUsageProblem(QStringLiteral("encrypt"), options)) {
        reportError(*problem);
        return kUsage;
    }
    const QString source = options.positional.value(0);
    const Input input = readBounded(source, kTextLimit);
    switch (input.status) {
    case Input::Status::Ok:
        break;
    case Input::Status::TooLong:
        reportError(QCoreApplication::translate(
                        "cli", "the message is longer than %1 characters; nothing was written")
                        .arg(base::kMaxMessageLength));
        return kFailed;
    case Input::Status::Interrupted:
        reportInterrupted();
        return kFailed;
    case Input::Status::Failed:
        reportError(QCoreApplication::translate("cli", "cannot read %1: %2")
                        .arg(source.isEmpty() || isStandardStream(source)
                                 ? QCoreApplication::translate("cli", "standard input")
                                 : shown(source),
                             input.error));
        return kFailed;
    }
    QString text;
    if (options.raw) {
        text = classic::codepage::decode(input.bytes);
    } else {
        std::optional<QString> decoded = base::decodeUtf8(input.bytes);
        if (!decoded) {
            reportError(QCoreApplication::translate("cli",
                                                    "the message is not valid UTF-8 (use --raw for "
                                                    "single-byte text)"));
            return kFailed;
        }
        text = std::move(*decoded);
    }
    Credentials keys;
    if (const int status =
            obtainCredentials(QStringLiteral("encrypt"), options, true, source, &keys);
        status != kOk)
        return status;

    cipher::EncryptRequest request;
    request.text = text;
    request.password = keys.passwordSecret();
    request.recipients = keys.recipients;
    request.path = options.output;
    request.pic = options.pic;
    request.junkBitz = options.junkBitz;
    request.outputDescriptor = heldDescriptor(options.output, 1).value_or(-1);
    request.format = options.sealed ? cipher::Format::Sealed : cipher::Format::Classic;
    CliHost host;
    TerminalProgress progress(false);
    switch (words::EncryptMessage(request, host, progress)) {
    case cipher::EncryptResult::Finished:
        return kOk;
    case cipher::EncryptResult::Empty:
        reportError(
            QCoreApplication::translate("cli", "the message is empty; no file was written"));
        return kFailed;
    case cipher::EncryptResult::Cancelled:
        reportInterrupted();
        return kFailed;
    case cipher::EncryptResult::Failed:
        return kFailed;
    }
    return kFailed;
}

int decryptCommand(const Options& options) {
    if (options.positional.size() != 1 || options.positional.constFirst().isEmpty()) {
        reportError(QCoreApplication::translate("cli", "decrypt: give exactly one MESSAGEFILE"));
        return kUsage;
    }
    const QString& source = options.positional.constFirst();
    if (const auto in = heldDescriptor(source, 0); in && heldDescriptor(options.passwordFile, 0) == in) {
        reportError(QCoreApplication::translate(
            "cli", "decrypt: the password and MESSAGEFILE cannot both come from "
                   "standard input"));
        return kUsage;
    }
    Credentials keys;
    if (const int status =
            obtainCredentials(QStringLiteral("decrypt"), options, false, source, &keys);
        status != kOk)
        return status;

    cipher::DecryptRequest request{source, keys.passwordSecret(), options.sealed};
    request.identities = keys.identities;
    if (const auto ended = readMessageFile(source, &request))
        return *ended;
    if (request.content && isStandardStream(source))
        request.path =
            QCoreApplication::translate("cli", "standard input"); // as the messages name it
    request.confirmCost = announceCost;
    CliHost host;
    TerminalProgress progress(false);
    request.requireMessage = true;
    switch (words::DecryptMessage(request, host, progress)) {
    case cipher::DecryptResult::Decrypted:
        break;
    case cipher::DecryptResult::NotOpened:
        return kNotOpened;
    case cipher::DecryptResult::Damaged:
        return kDamaged;
    case cipher::DecryptResult::NotSealed:
        return kNotSealed;
    default:
        return kFailed;
    }
    if (StopSignals::received()) {
        reportInterrupted();
        return kFailed;
    }

    // Raw: the code page's single bytes, which give a classic message's codes
    // back as they were.
    QByteArray text;
    if (!options.raw) {
        text = host.text.toUtf8();
    } else if (const auto bad = classic::codepage::firstUnmappable(host.text)) {
        reportError(QCoreApplication::translate(
                        "cli", "the text holds the character %1, which has no single-byte "
                               "code; leave out --raw")
                        .arg(classic::codepage::describe(*bad)));
        return kFailed;
    } else {
        text = classic::codepage::encode(host.text);
    }
    const bool toStandardOutput = options.output.isEmpty() || isStandardStream(options.output);
    const std::optional<int> held = options.output.isEmpty() ? 1 : heldDescriptor(options.output, 1);
    io::OutputFile out = held ? io::OutputFile::descriptor(*held) : io::OutputFile(options.output);
    out.setCancel(&StopSignals::token());
    base::Failure error;
    if (!out.open(&error) || !out.write(text, &error) || !out.commit(&error)) {
        out.cancel();
        if (out.wasCancelled()) {
            reportInterrupted();
            return kFailed;
        }
        reportError(QCoreApplication::translate("cli", "cannot write %1: %2")
                        .arg(toStandardOutput
                                 ? QCoreApplication::translate("cli", "the text to standard output")
                                 : shown(options.output),
                             words::reason(error)));
        return kFailed;
    }
    return kOk;
}

} // namespace cli
