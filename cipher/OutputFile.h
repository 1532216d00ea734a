#pragma once

// Writes a file so that its path never holds a partial result.
//
// An ordinary file (or a path where nothing exists yet) is written to a
// temporary file beside it, named after it with the suffix ".tessera-partial"
// and a random tail, and moved over it only once complete; a failure or a
// cancel removes the temporary file and leaves any earlier file untouched.
// Where the system offers unnamed temporary files (Linux), the file gets its
// name only at the end, so even a killed process leaves nothing behind.
// A path that names something other than a regular file (a device, a FIFO) is
// written in place and never replaced: renaming over a device node would swap
// the node itself for a plain file.

#include <QFile>
#include <QString>
#include <memory>

namespace cipher {

class OutputFile {
public:
    explicit OutputFile(QString path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Prepares the output; on failure, error receives the cause.
    bool open(QString* error);

    bool write(const char* data, qint64 size, QString* error);
    bool write(const QByteArray& data, QString* error) {
        return write(data.constData(), data.size(), error);
    }

    // Makes the output the file at the path.
    bool commit(QString* error);

    // Throws the output away; the path keeps what it held.
    void cancel();

    // True when the path is written in place (a device or FIFO).
    bool isDirect() const { return m_direct; }
    QString temporaryPath() const;

    // Whether commit waits until the data is on the disk (the default).
    void setSyncOnCommit(bool sync) { m_syncOnCommit = sync; }

    static inline const char kPartialSuffix[] = ".tessera-partial";

private:
    QString m_path;
    QString m_target;
    bool m_direct = false;
    bool m_finished = false;
    bool m_syncOnCommit = true;
    std::unique_ptr<QFile> m_file;
};

// A short description of a file error for messages, such as "No space left on device".
QString describeFileError(const QFileDevice& file);

} // namespace cipher
