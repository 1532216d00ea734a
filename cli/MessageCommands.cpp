// encrypt and decrypt: the message cipher from the command line.

#include "base/Limits.h"
#include "base/Utf8.h"
#include "cipher/Messages.h"
#include "classic/CodePage.h"
#include "cli/Commands.h"
#include "cli/Input.h"
#include "cli/Password.h"
#include "cli/Signals.h"
#include "cli/TerminalProgress.h"
#include "io/OutputFile.h"

#include <QDir>
#include <optional>

namespace cli {
namespace {

// Messages go to standard error, except the closing "Finished" and "Decrypted",
// which a script does not need: the exit status tells.
class CliHost final : public cipher::MessageHost {
public:
    void showMessage(const QString& text, const QString&, cipher::MessageIcon icon) override {
        if (icon == cipher::MessageIcon::Stop)
            reportError(text);
    }
    void appendOutput(quint8 code) override { codes.append(static_cast<char>(code)); }
    void appendText(const QString& text) override { sealedText = text; }
    QByteArray codes;
    std::optional<QString> sealedText; // a sealed message's text, which may hold any character
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

} // namespace

int encryptCommand(const Options& options) {
    if (options.output.isEmpty()) {
        reportError(QStringLiteral("encrypt: --output MESSAGEFILE is required"));
        return kUsage;
    }
    if (options.positional.size() > 1) {
        reportError(QStringLiteral("encrypt: give at most one TEXTFILE"));
        return kUsage;
    }
    if (options.sealed && (options.pic || options.junkBitz)) {
        reportError(QStringLiteral("encrypt: --pic and --junkbitz are for the classic format; a "
                                   "sealed message needs neither"));
        return kUsage;
    }
    const QString source = options.positional.value(0);
    const Input input = readBounded(source, kTextLimit);
    switch (input.status) {
    case Input::Status::Ok:
        break;
    case Input::Status::TooLong:
        reportError(QStringLiteral("the message is longer than %1 characters; nothing was written")
                        .arg(base::kMaxMessageLength));
        return kFailed;
    case Input::Status::Interrupted:
        reportInterrupted();
        return kFailed;
    case Input::Status::Failed:
        reportError(QStringLiteral("cannot read %1: %2")
                        .arg(source.isEmpty() || isStandardStream(source)
                                 ? QStringLiteral("standard input")
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
            reportError(QStringLiteral("the message is not valid UTF-8 (use --raw for "
                                       "single-byte text)"));
            return kFailed;
        }
        text = std::move(*decoded);
    }
    const auto password = obtainPassword(options.passwordFile);
    if (!password)
        return kFailed;
    if (options.sealed)
        warnOfWeakPassword(*password);

    cipher::EncryptRequest request;
    request.text = text;
    request.password = password->text();
    request.path = options.output;
    request.pic = options.pic;
    request.junkBitz = options.junkBitz;
    request.toStandardOutput = isStandardStream(options.output);
    request.format = options.sealed ? cipher::Format::Sealed : cipher::Format::Classic;
    CliHost host;
    TerminalProgress progress(false);
    switch (cipher::EncryptMessage(request, host, progress)) {
    case cipher::EncryptResult::Finished:
        return kOk;
    case cipher::EncryptResult::Empty:
        reportError(QStringLiteral("the message is empty; no file was written"));
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
        reportError(QStringLiteral("decrypt: give exactly one MESSAGEFILE"));
        return kUsage;
    }
    const auto password = obtainPassword(options.passwordFile);
    if (!password)
        return kFailed;

    cipher::DecryptRequest request{options.positional.constFirst(), password->text(), options.sealed};
    CliHost host;
    TerminalProgress progress(false);
    request.notSealedHint = QStringLiteral("Leave out --sealed to open a classic one.");
    request.requireMessage = true;
    if (cipher::DecryptMessage(request, host, progress) != cipher::DecryptResult::Decrypted)
        return kFailed;
    if (StopSignals::received()) {
        reportInterrupted();
        return kFailed;
    }

    QByteArray text;
    if (!host.sealedText) {
        text = options.raw ? host.codes : classic::codepage::decode(host.codes).toUtf8();
    } else if (!options.raw) {
        text = host.sealedText->toUtf8();
    } else if (const auto bad = classic::codepage::firstUnmappable(*host.sealedText)) {
        reportError(QStringLiteral("the text holds the character %1, which has no single-byte "
                                   "code; leave out --raw")
                        .arg(classic::codepage::describe(*bad)));
        return kFailed;
    } else {
        text = classic::codepage::encode(*host.sealedText);
    }
    const bool toStandardOutput = options.output.isEmpty() || isStandardStream(options.output);
    io::OutputFile out =
        toStandardOutput ? io::OutputFile::standardOutput() : io::OutputFile(options.output);
    out.setCancel(&StopSignals::token());
    QString error;
    if (!out.open(&error) || !out.write(text, &error) || !out.commit(&error)) {
        out.cancel();
        if (out.wasCancelled()) {
            reportInterrupted();
            return kFailed;
        }
        reportError(QStringLiteral("cannot write %1: %2")
                        .arg(toStandardOutput ? QStringLiteral("the text to standard output")
                                              : shown(options.output),
                             error));
        return kFailed;
    }
    return kOk;
}

} // namespace cli
