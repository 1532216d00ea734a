#pragma once

// The one way the program writes a file, so that a path never holds a partial
// result and nothing the user owns is lost.
//
// - A regular file, or a path where nothing exists yet, is written through
//   QSaveFile: into a new file beside it (unnamed where the system offers
//   that), put on the disk, and only then given the path's name. A failure, a
//   cancel or a killed process leaves any earlier file as it was.
// - A new file gets the usual permissions, 0666 less the umask. A replaced
//   file keeps its mode, and its owner and group where the process may set
//   them (the superuser may).
// - A file that the user could not open for writing is refused, although the
//   folder would allow the rename that replaces it.
// - A symbolic link is written through to the file it names, as an editor does.
// - A device or a FIFO is written in place and never replaced (renaming over a
//   device node would swap the node itself for a plain file). It is opened
//   without blocking, so that a cancel ends the wait for a FIFO's reader or for
//   a reader that stalls.
// - Standard output is written as it is.

#include <QFileDevice>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QSaveFile;

namespace cipher {

class OutputFile {
public:
    explicit OutputFile(QString path);
    // The process's standard output.
    static OutputFile standardOutput();

    ~OutputFile();
    OutputFile(OutputFile&&) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Polled while the output waits (for a FIFO's reader, for room in a pipe)
    // and once more after the data is on the disk, just before it takes the
    // path's name; true gives up, leaving the path as it was. May be called
    // from the thread that writes.
    void setCancelCheck(std::function<bool()> cancelled) { m_cancelled = std::move(cancelled); }

    // Prepares the output; on failure, error receives the cause, such as
    // "it is write-protected" or "Permission denied".
    bool open(QString* error);

    bool write(const char* data, qint64 size, QString* error);
    bool write(const QByteArray& data, QString* error) {
        return write(data.constData(), data.size(), error);
    }

    // Makes the output the file at the path. False with the cause when that
    // failed, or when a cancel came first (then wasCancelled() is true); the
    // path then keeps what it held.
    bool commit(QString* error);

    // Throws the output away; the path keeps what it held.
    void cancel();

    bool wasCancelled() const { return m_wasCancelled; }

private:
    class Direct;
    OutputFile() = default;
    bool cancelRequested() const { return m_cancelled && m_cancelled(); }
    bool openDirect(const QString& target, QString* error);

    QString m_path;
    bool m_standardOutput = false;
    bool m_finished = false;
    bool m_wasCancelled = false;
    std::function<bool()> m_cancelled;
    std::unique_ptr<QSaveFile> m_save;
    qint64 m_written = 0; // bytes written to the new file so far
    qint64 m_flushed = 0; // of which the system was asked to put on the disk
    static constexpr qint64 kWritebackStep = qint64(8) << 20;
    static constexpr qint64 kWriteSize = 64 * 1024;
    std::unique_ptr<Direct> m_direct;
};

// Why a file could not be written at this path, found without opening
// anything: an empty name, a folder, a missing folder, a write-protected file.
// Nothing when none of these holds. Callers refuse early with it; open()
// applies the same rule.
std::optional<QString> outputProblem(const QString& path);

// The path with every symbolic link along its final name followed, also when
// the file a link names does not exist yet.
QString resolveOutputPath(const QString& path);

// A short description of a file error for messages, such as "No space left on device".
QString describeFileError(const QFileDevice& file);

} // namespace cipher
