// encrypt and decrypt: the message cipher from the command line.

#include "cipher/CodePage.h"
#include "cipher/MessageCipher.h"
#include "cli/Commands.h"
#include "cli/Password.h"

#include <QFile>
#include <QStringDecoder>
#include <cstdio>

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
    QByteArray codes;
};

std::optional<QByteArray> readInput(const QString& path) {
    QFile file;
    bool opened = false;
    if (path.isEmpty() || path == QLatin1String("-"))
        opened = file.open(stdin, QIODevice::ReadOnly);
    else {
        file.setFileName(path);
        opened = file.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        reportError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace

int encryptCommand(const QStringList& args) {
    const auto options =
        parseOptions(QStringLiteral("encrypt"), args,
                     {"password-file", "output", "pic", "junkbitz", "raw"});
    if (!options)
        return kUsage;
    if (options->output.isEmpty()) {
        reportError(QStringLiteral("encrypt: --output MESSAGEFILE is required"));
        return kUsage;
    }
    if (options->positional.size() > 1) {
        reportError(QStringLiteral("encrypt: give at most one TEXTFILE"));
        return kUsage;
    }
    const auto bytes = readInput(options->positional.value(0));
    if (!bytes)
        return kFailed;
    QString text;
    if (options->raw) {
        text = cipher::codepage::decode(*bytes);
    } else {
        QStringDecoder decoder(QStringDecoder::Utf8);
        text = decoder.decode(*bytes);
        if (decoder.hasError()) {
            reportError(QStringLiteral("the message is not valid UTF-8 (use --raw for "
                                       "single-byte text)"));
            return kFailed;
        }
    }
    const auto password = obtainPassword(options->passwordFile);
    if (!password)
        return kFailed;

    CliHost host;
    cipher::EncryptRequest request;
    request.text = text;
    request.password = *password;
    request.path = options->output;
    request.pic = options->pic;
    request.junkBitz = options->junkBitz;
    switch (cipher::EncryptMessage(request, host)) {
    case cipher::EncryptResult::Finished:
        return kOk;
    case cipher::EncryptResult::Empty:
        reportError(QStringLiteral("the message is empty; no file was written"));
        return kFailed;
    case cipher::EncryptResult::Failed:
        return kFailed;
    }
    return kFailed;
}

int decryptCommand(const QStringList& args) {
    const auto options =
        parseOptions(QStringLiteral("decrypt"), args, {"password-file", "output", "raw"});
    if (!options)
        return kUsage;
    if (options->positional.size() != 1) {
        reportError(QStringLiteral("decrypt: give exactly one MESSAGEFILE"));
        return kUsage;
    }
    const auto password = obtainPassword(options->passwordFile);
    if (!password)
        return kFailed;

    CliHost host;
    if (cipher::DecryptMessage(options->positional.constFirst(), *password, host) !=
        cipher::DecryptResult::Decrypted)
        return kFailed;

    const QByteArray out =
        options->raw ? host.codes : cipher::codepage::decode(host.codes).toUtf8();
    QFile file;
    bool opened = false;
    if (options->output.isEmpty() || options->output == QLatin1String("-")) {
        opened = file.open(stdout, QIODevice::WriteOnly);
    } else {
        file.setFileName(options->output);
        opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    if (!opened || file.write(out) != out.size() || !file.flush()) {
        reportError(QStringLiteral("cannot write %1: %2")
                        .arg(options->output.isEmpty() ? QStringLiteral("the text")
                                                       : options->output,
                             file.errorString()));
        return kFailed;
    }
    return kOk;
}

} // namespace cli
