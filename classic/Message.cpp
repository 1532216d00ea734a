#include "classic/Message.h"

#include "base/Limits.h"
#include "base/Wipe.h"
#include "classic/FieldReader.h"
#include "classic/MessageFormat.h"
#include "io/ScratchFile.h"

#include <QDir>
#include <vector>

namespace classic {
namespace {

using Status = Written::Status;

Written refused(base::Fault fault, const QString& path, const base::Failure& reason = {}) {
    return {Status::Refused, {}, base::within(fault, QDir::toNativeSeparators(path), reason)};
}

// Opens the scratch file's folder and takes its lock, waiting for another
// encryption as long as the request allows.
Written takeScratch(io::ScratchFile& scratch, const WriteRequest& request,
                    base::Progress& progress) {
    base::Failure problem;
    if (!scratch.openFolder(&problem)) {
        return refused(base::Fault::ScratchFolderUnusable, {}, problem);
    }
    io::ScratchFile::LockWait wait;
    wait.timeoutMs = request.scratchWaitMs;
    wait.waiting = [&] {
        progress.waiting();
    };
    wait.cancel = progress.cancelToken();
    switch (scratch.lock(wait, &problem)) {
    case io::ScratchFile::Lock::Taken:
        return {};
    case io::ScratchFile::Lock::Cancelled:
        return {Status::Cancelled, {}, {}};
    case io::ScratchFile::Lock::Busy:
        return refused(base::Fault::ScratchFileBusy, request.scratchPath);
    case io::ScratchFile::Lock::Failed:
        break;
    }
    return refused(base::Fault::ScratchFileUnusable, request.scratchPath, problem);
}

// Writes the codes as number lines into the fresh scratch file, then reads
// them back from it: the second pass encrypts what the file holds.
bool passThroughScratch(io::ScratchFile& scratch, const QByteArray& codes,
                        base::Progress& progress, std::vector<int>& readBack, base::Failure* error) {
    if (!scratch.create(error))
        return false;
    QIODevice& file = scratch.device();
    QByteArray lines;
    lines.reserve(codes.size() * 5);
    const int n = static_cast<int>(codes.size());
    for (int i = 0; i < n; ++i) {
        progress.setPosition(i + 1);
        appendNumberLine(lines, static_cast<quint8>(codes[i]));
    }
    if (file.write(lines) != lines.size() || !file.seek(0)) {
        *error = base::failure(base::Fault::SystemError, file.errorString());
        return false;
    }
    FieldReader reader(&file);
    readBack.clear();
    readBack.reserve(n);
    while (static_cast<int>(readBack.size()) < n && !reader.atEnd())
        readBack.push_back(reader.readNumber().value_or(0));
    if (static_cast<int>(readBack.size()) < n) {
        *error = base::failure(base::Fault::ScratchFileShort);
        return false;
    }
    return true;
}

} // namespace

Written writeMessage(const WriteRequest& request, base::Progress& progress) {
    io::ScratchFile scratch(request.scratchPath);
    if (Written taken = takeScratch(scratch, request, progress); taken.status != Status::Done)
        return taken;

    const int n = static_cast<int>(request.codes.size());
    progress.setRange(n);
    base::Failure error;
    std::vector<int> scratchCodes;
    if (!passThroughScratch(scratch, request.codes, progress, scratchCodes, &error))
        return refused(base::Fault::ScratchFileUnusable, request.scratchPath, error);
    progress.setPosition(0);

    const QByteArray keyCodes = formKey(request.password, request.pic);
    KeyStream key(keyCodes);
    JunkRegister junk(static_cast<quint8>(request.password[0]));
    Written written;
    written.content.reserve(16 + n * (request.junkBitz ? 10 : 5));
    appendTextLine(written.content, formatTag(request.pic, request.junkBitz));
    for (int i = 0; i < n; ++i) {
        progress.setPosition(i + 1);
        const int junkValue = junk.next();
        if (request.junkBitz)
            appendNumberLine(written.content, junkValue);
        appendNumberLine(written.content, scratchCodes[i] + key.next());
    }
    base::wipe(keyCodes);
    return written;
}

void readMessage(QIODevice& device, const QByteArray& password, QByteArray* codes) {
    FieldReader reader(&device);
    const TagMeaning meaning = interpretTag(reader.readText());
    const QByteArray keyCodes = formKey(password, meaning.pic);
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
            codes->append(static_cast<char>(c));
    }
    base::wipe(keyCodes);
}

int countValues(const QByteArray& content) {
    FieldReader reader(content);
    const bool junk = interpretTag(reader.readText()).junk;
    int values = 0;
    while (values <= base::kMaxFileValues && !reader.atEnd()) {
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

bool holdsMessage(const QByteArray& content) {
    if (QByteArrayView(content).trimmed().startsWith('"'))
        return true;
    const QByteArray first = FieldReader(content).readText();
    if (first.startsWith(kTagV2) || first == "Tessera v1.0")
        return true;
    return FieldReader(content).readNumber().has_value();
}

} // namespace classic
