#pragma once

// The one way the program writes a file, so that a path never holds a partial
// result, nothing the user owns is lost, and nothing reaches another user.
//
// - A regular file, or a path where nothing exists yet, is written into a new
//   file beside it, readable by the user alone (0600) until it is complete:
//   unnamed where the system offers that (O_TMPFILE), else named
//   ".NAME.tessera-XXXXXX". Only once the data is on the disk does it get its
//   final mode and the path's name, so a failure, a cancel or a killed process
//   leaves any earlier file as it was.
// - A new file gets the usual permissions, 0666 less the umask. A replaced
//   file keeps its permission bits only when it is the user's own (or when the
//   superuser gives it back to its owner) and has no other name: anyone may
//   have linked a file that is open to all. Setuid, setgid and sticky bits are
//   never carried over. Its owner and group are kept where the process may set
//   them.
// - A file that the user could not open for writing is refused, although the
//   folder would allow the rename that replaces it.
// - In a folder that others may write and that has the sticky bit (/tmp), a
//   link, FIFO or regular file at the name that belongs to neither the user
//   nor the folder's owner is refused: someone else planted it. So is a
//   regular file there with more than one name, the user's own included: the
//   other name may be anybody's. A link of that kind is refused wherever it
//   stands in the path, as a folder on the way too ("/tmp/reports" leading
//   into another user's folder). This is the rule the kernel applies there
//   when its protections are on, applied whatever the system's settings.
// - Elsewhere a symbolic link is followed, to the file it names as an editor
//   does, or as a folder on the way.
// - A socket is never an output: it is refused at once.
// - A device or a FIFO is written in place and never replaced (renaming over a
//   device node would swap the node itself for a plain file). It is opened
//   without blocking, so that a cancel ends the wait for a FIFO's reader or for
//   a reader that stalls. Such a stream receives data as it comes: a failure
//   part way leaves what it already received with its reader.
// - Standard output, or another descriptor the process holds open, is written
//   where it stands. A regular file behind it (a shell's > or >>) takes the
//   data at its end and is cut back to its earlier length when the output is
//   thrown away, so that it keeps nothing partial.

#include "base/Progress.h"
#include "base/Failure.h"
#include "io/Stream.h"

#include <QFileDevice>
#include <QString>
#include <memory>
#include <optional>

namespace io {

class OutputFile final : public Sink {
public:
    explicit OutputFile(QString path);
    // The process's standard output.
    static OutputFile standardOutput();
    // A descriptor the process holds open for writing (standard output, or
    // one a shell handed over as /dev/fd/N); it stays open.
    static OutputFile descriptor(int fd);

    ~OutputFile();
    OutputFile(OutputFile&&) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Ends every wait of the output (for a FIFO's reader, for room in a pipe)
    // at once, and is asked once more after the data is on the disk, just
    // before it takes the path's name: a cancel then gives up, leaving the
    // path as it was.
    void setCancel(const base::CancelToken* cancel) { m_cancel = cancel; }

    // How the output comes to stand at its path.
    enum class Creation {
        Replace,    // a new file, or one that replaces what is there (the rules above)
        NewPrivate, // a new file only, for a secret (an identity): readable and writable
                    // by the user alone (0600) whatever the umask. Anything at the path
                    // (a file, a link, even one that leads nowhere) is refused as
                    // "it already exists", and so is one that appears there before
                    // the output takes the name. Never a descriptor or a stream.
    };
    // Set before open().
    void setCreation(Creation creation) { m_creation = creation; }

    // Prepares the output; on failure, error receives the cause, such as
    // "it is write-protected" or "Permission denied".
    bool open(base::Failure* error);

    bool write(const char* data, qint64 size, base::Failure* error) override;
    bool write(const QByteArray& data, base::Failure* error) {
        return write(data.constData(), data.size(), error);
    }

    // Makes the output the file at the path. False with the cause when that
    // failed, or when a cancel came first (then wasCancelled() is true); the
    // path then keeps what it held.
    bool commit(base::Failure* error);

    // Throws the output away; the path keeps what it held.
    void cancel();

    bool wasCancelled() const { return m_wasCancelled; }

    // A FIFO, a device, or a descriptor held open that is no regular file
    // written at its end: what was written has gone to its reader and cannot
    // be taken back.
    bool isStream() const { return m_isStream; }
    qint64 bytesWritten() const { return m_written; }

private:
    class Stream;
    class Replacement;
    OutputFile() = default;
    bool cancelRequested() const { return m_cancel && m_cancel->cancelled(); }
    bool openHeld(base::Failure* error);

    QString m_path;
    bool m_standardOutput = false; // a descriptor the process holds: m_descriptor
    int m_descriptor = -1;
    bool m_finished = false;
    bool m_wasCancelled = false;
    bool m_isStream = false;
    qint64 m_written = 0;
    const base::CancelToken* m_cancel = nullptr;
    Creation m_creation = Creation::Replace;
    std::unique_ptr<Replacement> m_replacement;
    std::unique_ptr<Stream> m_stream;
};

// Why a file could not be written at this path, found without writing
// anything. Callers refuse early with it; open() applies the same rules.
struct OutputProblem {
    enum class Kind {
        NoName,        // no file name was given
        Folder,        // the path names a folder
        MissingFolder, // the folder it would go in does not exist (folder names it)
        WriteProtected,
        Planted,       // someone else's link, FIFO or file in a shared folder, a
                       // second name of a file there, or someone else's link on the way
        Other,         // a socket, or the folder cannot be used; reason says why
    };
    Kind kind = Kind::Other;
    base::Failure reason; // why, such as WriteProtected
    QString folder;       // for MissingFolder: the folder, as the user would write it
};
std::optional<OutputProblem> checkOutput(const QString& path);

// The reason of checkOutput(), or nothing when the path can be written.
std::optional<base::Failure> outputProblem(const QString& path);

// A short description of a file error for messages, such as "No space left on device".
QString describeFileError(const QFileDevice& file);

} // namespace io
