#include "filecipher/SealedPass.h"

#include "cipher/OutputFile.h"
#include "cipher/SealedStream.h"

#include <QDir>

namespace filecipher {
namespace {

class OutputSink final : public cipher::sealed::Sink {
public:
    explicit OutputSink(cipher::OutputFile& output) : m_output(output) {}
    bool write(const char* data, qint64 size, QString* error) override {
        return m_output.write(data, size, error);
    }

private:
    cipher::OutputFile& m_output;
};

// The pass's host as the engine's control: the bar is busy while the key is
// derived and moves with the bytes read from then on.
class HostControl final : public cipher::sealed::Control {
public:
    HostControl(PassHost& host, qint64 size, const std::function<void(qint64)>& moved)
        : m_host(host), m_size(size), m_moved(moved) {
        m_host.setRange(0);
    }
    void position(qint64 done) override {
        if (!m_ranged) {
            m_ranged = true;
            m_host.setRange(m_size);
        }
        m_moved(done);
    }
    bool cancelled() const override { return m_host.cancelRequested(); }

private:
    PassHost& m_host;
    qint64 m_size;
    const std::function<void(qint64)>& m_moved;
    bool m_ranged = false;
};

QString shown(const QFileDevice& file) {
    return QDir::toNativeSeparators(file.fileName());
}

} // namespace

PassResult sealedPass(Direction direction, QFile& input, qint64 size, cipher::OutputFile& output,
                      const QString& outputName, const QString& password, PassHost& host,
                      const std::function<void(qint64)>& moved) {
    using cipher::sealed::Status;
    cipher::sealed::DeviceSource source(input);
    OutputSink sink(output);
    HostControl control(host, size, moved);
    const cipher::sealed::Result result =
        direction == Direction::Encipher
            ? cipher::sealed::seal(source, sink, password, cipher::sealed::Params{}, control)
            : cipher::sealed::open(source, sink, password, cipher::sealed::Limits{}, control);
    switch (result.status) {
    case Status::Ok:
        return {PassStatus::Done, kDone};
    case Status::Cancelled:
        return {PassStatus::Cancelled, result.message};
    case Status::ReadFailed:
        return {PassStatus::Failed, QStringLiteral("The file \"%1\" could not be read (%2).")
                                        .arg(shown(input), result.message)};
    case Status::WriteFailed:
        if (output.wasCancelled())
            return {PassStatus::Cancelled, result.message};
        return {PassStatus::Failed, QStringLiteral("The file \"%1\" could not be written (%2).")
                                        .arg(QDir::toNativeSeparators(outputName), result.message)};
    default:
        return {PassStatus::Failed, result.message};
    }
}

} // namespace filecipher
