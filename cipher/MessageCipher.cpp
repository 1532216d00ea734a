#include "cipher/MessageCipher.h"

#include "cipher/CodePage.h"
#include "cipher/FieldReader.h"
#include "cipher/MessageFormat.h"
#include "cipher/OutputFile.h"
#include "cipher/ScratchFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

namespace cipher {
namespace {

QString nativePath(const QString& path) { return QDir::toNativeSeparators(path); }

// Makes the folder of the scratch file (owner only) and writes the codes as
// number lines into a fresh file: lines left by an interrupted run are dropped.
bool writeScratch(const QString& path, const QByteArray& codes, MessageHost& host,
                  QString* error) {
    const QString dir = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("the folder could not be created");
        return false;
    }
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                   QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = describeFileError(file);
        return false;
    }
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                        QFile::WriteUser);
    QByteArray lines;
    lines.reserve(codes.size() * 5);
    const int n = static_cast<int>(codes.size());
    for (int i = 0; i < n; ++i) {
        host.setProgressValue(i + 1);
        appendNumberLine(lines, static_cast<quint8>(codes[i]));
    }
    if (file.write(lines) != lines.size() || !file.flush()) {
        *error = describeFileError(file);
        return false;
    }
    file.close();
    return true;
}

bool readScratch(const QString& path, int count, std::vector<int>& codes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = describeFileError(file);
        return false;
    }
    FieldReader reader(&file);
    codes.clear();
    codes.reserve(count);
    while (static_cast<int>(codes.size()) < count && !reader.atEnd())
        codes.push_back(reader.readNumber().value_or(0));
    if (static_cast<int>(codes.size()) < count) {
        *error = QStringLiteral("it holds fewer codes than the message has characters");
        return false;
    }
    return true;
}

} // namespace

QString checkPassword(const QString& password, const QString& operation) {
    if (const auto bad = codepage::firstUnmappable(password)) {
        return QStringLiteral("The message was not %1: the password holds the character %2, "
                              "which a message file cannot use.")
            .arg(operation, codepage::describe(*bad));
    }
    if (password.size() > kMaxPasswordLength) {
        return QStringLiteral("The message was not %1: the password is longer than %2 characters.")
            .arg(operation)
            .arg(kMaxPasswordLength);
    }
    return {};
}

EncryptResult EncryptMessage(const EncryptRequest& request, MessageHost& host) {
    if (request.text.isEmpty())
        return EncryptResult::Empty;

    const auto refuse = [&](const QString& text) {
        host.setBusy(false);
        host.setProgressValue(0);
        host.showMessage(text, kErrorTitle, MessageIcon::Stop);
        return EncryptResult::Failed;
    };

    // Every check comes before the first file is touched.
    if (request.password.isEmpty())
        return refuse(QStringLiteral("The message was not encrypted: enter a password first."));
    if (const QString problem = checkPassword(request.password, QStringLiteral("encrypted"));
        !problem.isEmpty())
        return refuse(problem);
    if (request.text.size() > kMaxMessageLength) {
        return refuse(QStringLiteral("The message was not encrypted: it has %1 characters "
                                     "(a line break counts as two), and a message may have at "
                                     "most %2.")
                          .arg(request.text.size())
                          .arg(kMaxMessageLength));
    }
    if (const auto bad = codepage::firstUnmappable(request.text)) {
        return refuse(QStringLiteral("The message was not encrypted: it holds the character %1, "
                                     "which a message file cannot hold.")
                          .arg(codepage::describe(*bad)));
    }
    if (request.path.isEmpty())
        return refuse(QStringLiteral("The message was not encrypted: enter the name of the file "
                                     "to create."));
    if (QFileInfo(request.path).isDir()) {
        return refuse(QStringLiteral("The message was not encrypted: \"%1\" is a folder, not a "
                                     "file.")
                          .arg(nativePath(request.path)));
    }

    const QString scratchPath =
        request.scratchPath.isEmpty() ? ScratchFile::defaultPath() : request.scratchPath;
    QDir().mkpath(QFileInfo(scratchPath).absolutePath());
    ScratchLock lock(scratchPath);
    if (!lock.tryLock()) {
        return refuse(QStringLiteral("The message was not encrypted: another encryption is "
                                     "running and is using the working file \"%1\". Try again "
                                     "when it has finished.")
                          .arg(nativePath(scratchPath)));
    }

    const QByteArray codes = codepage::encode(request.text);
    const int n = static_cast<int>(codes.size());
    host.setBusy(true);
    host.setProgressMaximum(n);

    // The scratch file goes on every path out of here.
    struct ScratchCleanup {
        QString path;
        ~ScratchCleanup() { QFile::remove(path); }
    } cleanup{scratchPath};

    QString error;
    std::vector<int> scratchCodes;
    if (!writeScratch(scratchPath, codes, host, &error) ||
        !readScratch(scratchPath, n, scratchCodes, &error)) {
        return refuse(QStringLiteral("The message was not encrypted: the working file \"%1\" "
                                     "could not be used (%2).")
                          .arg(nativePath(scratchPath), error));
    }
    host.setProgressValue(0);

    const QByteArray password = codepage::encode(request.password);
    KeyStream key(formKey(password, request.pic));
    JunkRegister junk(static_cast<quint8>(password[0]));

    QByteArray content;
    content.reserve(16 + n * (request.junkBitz ? 10 : 5));
    appendTextLine(content, formatTag(request.pic, request.junkBitz));
    for (int i = 0; i < n; ++i) {
        host.setProgressValue(i + 1);
        const int junkValue = junk.next();
        if (request.junkBitz)
            appendNumberLine(content, junkValue);
        appendNumberLine(content, scratchCodes[i] + key.next());
    }

    OutputFile out(request.path);
    if (!out.open(&error) || !out.write(content, &error) || !out.commit(&error)) {
        out.cancel();
        return refuse(QStringLiteral("The message was not encrypted: the file \"%1\" could not "
                                     "be written (%2).")
                          .arg(nativePath(request.path), error));
    }

    QFile::remove(scratchPath);
    host.setBusy(false);
    host.showMessage(kFinished, kAppTitle, MessageIcon::None);
    host.setProgressValue(0);
    return EncryptResult::Finished;
}

void decryptFrom(QIODevice& device, const QByteArray& passwordCodes, MessageHost& host) {
    FieldReader reader(&device);
    const TagMeaning meaning = interpretTag(reader.readText());
    KeyStream key(formKey(passwordCodes, meaning.pic));
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

} // namespace

DecryptResult DecryptMessage(const QString& path, const QString& password, MessageHost& host) {
    // A file far beyond any message is refused before the output is emptied,
    // so the text the user had stays. It is read only up to the ceiling, which
    // also bounds what a device or pipe can make it read.
    QFile file(path);
    const bool opened =
        !path.isEmpty() && !QFileInfo(path).isDir() && file.open(QIODevice::ReadOnly);
    QByteArray content;
    if (opened) {
        content = file.read(kMaxMessageFileBytes + 1);
        file.close();
        QString tooLarge;
        if (content.size() > kMaxMessageFileBytes) {
            tooLarge = QStringLiteral("The file \"%1\" was not decrypted: it is larger than "
                                      "1 MB, far larger than any message file.")
                           .arg(nativePath(path));
        } else if (countValues(content) > kMaxFileValues) {
            tooLarge = QStringLiteral("The file \"%1\" was not decrypted: it holds more than "
                                      "%2 numbers, far more than any message file (a message "
                                      "has at most %3 characters).")
                           .arg(nativePath(path))
                           .arg(kMaxFileValues)
                           .arg(kMaxMessageLength);
        }
        if (!tooLarge.isEmpty()) {
            host.showMessage(tooLarge, kErrorTitle, MessageIcon::Stop);
            return DecryptResult::TooLarge;
        }
    }

    host.clearOutput();
    if (const QString problem = checkPassword(password, QStringLiteral("decrypted"));
        !problem.isEmpty()) {
        host.showMessage(problem, kErrorTitle, MessageIcon::Stop);
        return DecryptResult::Refused;
    }

    if (!opened) {
        host.showMessage(kFileNotFound, kErrorTitle, MessageIcon::Stop);
        return DecryptResult::NotFound;
    }

    host.setBusy(true);
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    decryptFrom(buffer, codepage::encode(password), host);
    host.finishOutput();
    host.setBusy(false);
    host.showMessage(kDecrypted, kAppTitle, MessageIcon::None);
    return DecryptResult::Decrypted;
}

} // namespace cipher
