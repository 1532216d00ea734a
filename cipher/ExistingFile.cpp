#include "cipher/ExistingFile.h"

#include "base/Limits.h"
#include "classic/MessageFormat.h"
#include "io/ReadFully.h"
#include "sealed/Recognition.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cipher {
namespace {

// As much as a decryption reads: a sealed message is recognised wherever it
// stands in what a decryption would open.
constexpr qint64 kLookedAt = base::kMaxMessageFileBytes;

// The first bytes of a regular file of `size` bytes; nothing when it cannot be
// read, or is no regular file any more by the time it is opened.
std::optional<QByteArray> firstBytes(const QString& path, qint64 size) {
    QByteArray bytes(std::min(size, kLookedAt), '\0');
#if defined(Q_OS_UNIX)
    // Without blocking: a FIFO put in the file's place must not hold the window.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    qint64 got = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        got = io::readFully(
            [fd](char* data, qint64 want) {
                ssize_t r;
                do
                    r = ::read(fd, data, static_cast<size_t>(want));
                while (r < 0 && errno == EINTR);
                return static_cast<qint64>(r);
            },
            bytes.data(), bytes.size());
    }
    ::close(fd);
#else
    QFile file(path);
    const qint64 got = file.open(QIODevice::ReadOnly) ? file.read(bytes.data(), bytes.size()) : -1;
#endif
    if (got < 0)
        return std::nullopt;
    bytes.truncate(got);
    return bytes;
}

// The first line that is not blank: a sealed message that begins the file
// has its tag line or its data's first line there.
QByteArray firstLine(const QByteArray& text) {
    for (const QByteArray& line : text.split('\n')) {
        if (!line.trimmed().isEmpty())
            return line;
    }
    return {};
}

} // namespace

bool beginsAsMessageFile(const QByteArray& firstBytes) {
    // A sealed message counts when it begins the file, not when a document
    // merely quotes one further down.
    return classic::beginsWithTagLine(firstBytes) ||
           sealed::recogniseFile(firstBytes.first(std::min(
               firstBytes.size(), sealed::kRecognitionWindow))) != sealed::Recognition::Classic ||
           sealed::recogniseMessage(firstLine(firstBytes)) != sealed::Recognition::Classic;
}

ExistingFile existingFile(const QString& path) {
    // Through a link to the file it names, which the writer writes through too.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() == 0)
        return ExistingFile::None;
    const std::optional<QByteArray> start = firstBytes(path, info.size());
    if (!start)
        return ExistingFile::Other;
    if (start->isEmpty())
        return ExistingFile::None;
    return beginsAsMessageFile(*start) ? ExistingFile::MessageFile : ExistingFile::Other;
}

} // namespace cipher
