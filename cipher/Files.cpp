#include "cipher/Files.h"

#include "base/Wipe.h"
#include "classic/CodePage.h"
#include "classic/Password.h"
#include "io/DescriptorInput.h"
#include "io/OutputFile.h"
#include "sealed/Key.h"
#include "sealed/Recipients.h"
#include "sealed/Recognition.h"
#include "sealed/Stream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace cipher {
namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString verbOf(Direction direction) {
    return direction == Direction::Encipher ? QStringLiteral("encrypt") : QStringLiteral("decrypt");
}

// What is wrong with the input, seen without opening it.
std::optional<QString> inputRefusal(const PassRequest& request) {
    const QString verb = verbOf(request.direction);
    if (request.input.isEmpty())
        return QStringLiteral("Enter the name of the file to %1.").arg(verb);
    const QFileInfo input(request.input);
    if (!input.exists())
        return QStringLiteral("The file \"%1\" could not be found.").arg(shown(request.input));
    if (input.isDir())
        return QStringLiteral("\"%1\" is a folder, not a file.").arg(shown(request.input));
    // A device or a pipe has no length to set the progress range from, and
    // reading one could go on for ever.
    if (!input.isFile())
        return QStringLiteral("\"%1\" is not an ordinary file.").arg(shown(request.input));
    if (!input.isReadable())
        return QStringLiteral("You may not read the file \"%1\".").arg(shown(request.input));
    return std::nullopt;
}

// A sealed file opens by itself: its first bytes say what it is, and the
// reader never has to. One that is almost sealed was damaged, and is refused
// rather than deciphered as classic; so is a classic one when Sealed was asked.
std::optional<std::pair<SealedRefusal, QString>> recognitionRefusal(const PassRequest& request,
                                                                    QFile& input, bool* sealed) {
    switch (sealed::recogniseFile(input.peek(sealed::kRecognitionWindow))) {
    case sealed::Recognition::Sealed:
        *sealed = true;
        return std::nullopt;
    case sealed::Recognition::Damaged:
        return std::pair{SealedRefusal::Damaged,
                         QStringLiteral("The file \"%1\" was not decrypted: it is a sealed file "
                                        "whose first bytes were changed or that was cut short.")
                             .arg(shown(request.input))};
    case sealed::Recognition::Classic:
        break;
    }
    if (*sealed) {
        return std::pair{SealedRefusal::NotSealed,
                         QStringLiteral("The file \"%1\" was not decrypted: it is not a sealed "
                                        "file. %2")
                             .arg(shown(request.input), request.notSealedHint)};
    }
    return std::nullopt;
}

// Whether the pass goes by keys rather than by the password: to recipients,
// or from a file sealed to people with identities and no password.
bool byKeys(const PassRequest& request) {
    return request.direction == Direction::Encipher
               ? !request.recipients.isEmpty()
               : !request.identities.isEmpty() && request.password.isEmpty();
}

// Every other reason to refuse a pass, seen before anything is written. A
// sealed pass takes an empty input (a sealed empty file is valid) and any
// character in the password; the classic cipher takes neither.
std::optional<QString> refusal(const PassRequest& request, qint64 inputSize, bool isSealed) {
    if (!isSealed && inputSize < 0) {
        return QStringLiteral("The classic file cipher needs the length of its input, and \"%1\" "
                              "is a stream that has none: give a file instead.")
            .arg(shown(request.input));
    }
    if (!isSealed && inputSize <= 0) {
        return QStringLiteral("The file \"%1\" is empty: there is nothing to %2.")
            .arg(shown(request.input), verbOf(request.direction));
    }
    if (request.password.isEmpty() && !byKeys(request))
        return QStringLiteral("Enter a password first.");
    if (auto problem = byKeys(request) ? std::nullopt
                       : isSealed      ? sealed::passwordProblem(request.password)
                                       : classic::passwordProblem(request.password)) {
        problem->replace(0, 1, problem->at(0).toUpper());
        return *problem + QLatin1Char('.');
    }
    if (request.outputDescriptor >= 0)
        return std::nullopt;
    if (request.output.isEmpty())
        return QStringLiteral("Enter the name of the copy to create.");
    if (const auto problem = io::checkOutput(request.output)) {
        using Kind = io::OutputProblem::Kind;
        if (problem->kind == Kind::Folder)
            return QStringLiteral("\"%1\" is a folder, not a file.").arg(shown(request.output));
        if (problem->kind == Kind::MissingFolder)
            return QStringLiteral("The folder \"%1\" does not exist.").arg(problem->folder);
        return QStringLiteral("The file \"%1\" cannot be written: %2.")
            .arg(shown(request.output), problem->text);
    }
    return std::nullopt;
}

PassResult cancelledPass(const PassRequest& request) {
    return {PassStatus::Cancelled,
            QStringLiteral("Cancelled: no copy was written to \"%1\".").arg(shown(request.output))};
}

// One pass with its files open.
class Pass {
public:
    Pass(const PassRequest& request, QFile& input, base::Progress& progress)
        : m_request(request), m_input(input), m_output(outputOf(request)), m_progress(progress),
          m_outputName(shown(request.output)) {
        m_output.setCancel(progress.cancelToken());
    }

    PassResult run(bool isSealed, qint64 size) {
        QString error;
        if (!m_output.open(&error)) {
            if (m_output.wasCancelled())
                return cancelled();
            return {PassStatus::Failed,
                    QStringLiteral("The file \"%1\" could not be created (%2).").arg(m_outputName, error)};
        }
        PassResult result = isSealed ? sealedPass(size) : classicPass(size);
        // Closed first, so that the copy may take the input's own name on
        // systems that do not rename over an open file.
        m_input.close();
        if (result.status == PassStatus::Done && !m_output.commit(&error))
            result = m_output.wasCancelled() ? cancelled() : writeFailed(error);
        if (result.status != PassStatus::Done)
            m_output.cancel();
        m_progress.setPosition(0);
        return disowned(result);
    }

private:
    PassResult sealedPass(qint64 size) {
        io::DeviceSource source(m_input);
        m_progress.setRange(0);
        RangeOnFirstMove ranged(m_progress, std::max<qint64>(size, 0));
        const sealed::Result result = runSealed(source, m_output, ranged);
        switch (result.status) {
        case sealed::Status::Ok:
            return {PassStatus::Done, kDone};
        case sealed::Status::Cancelled:
            return cancelled();
        case sealed::Status::ReadFailed:
            return m_progress.cancelled() ? cancelled() : readFailed(result.message);
        case sealed::Status::WriteFailed:
            return m_output.wasCancelled() ? cancelled() : writeFailed(result.message);
        case sealed::Status::WrongPasswordOrDamaged:
            return {PassStatus::Failed, result.message, SealedRefusal::NotOpened};
        case sealed::Status::NotForThisIdentity:
        case sealed::Status::NeedsIdentity:
        case sealed::Status::NeedsPassword:
            return keysRefusal(result.status);
        case sealed::Status::Cut:
        case sealed::Status::Unsupported:
        case sealed::Status::LimitsExceeded:
            return {PassStatus::Failed, result.message, SealedRefusal::Damaged};
        default:
            return {PassStatus::Failed, result.message};
        }
    }

    // Sealed with the password's key, or to people: by the recipients, or
    // opened by either kind's opener.
    sealed::Result runSealed(io::Source& source, io::Sink& sink, base::Progress& ranged) {
        const bool byPassword = !byKeys(m_request);
        const sealed::KeySource key =
            byPassword ? sealed::passwordKey(m_request.password, m_progress.cancelToken(),
                                             m_request.confirmCost)
                       : sealed::KeySource();
        if (m_request.direction == Direction::Encipher) {
            return byPassword ? sealed::seal(source, sink, key, sealed::Params{}, ranged)
                              : sealed::sealToRecipients(source, sink, m_request.recipients,
                                                         sealed::Params{}, ranged);
        }
        sealed::Opener opener{std::nullopt, m_request.identities};
        if (byPassword)
            opener.password = key;
        return sealed::openEither(source, sink, opener, sealed::Limits{}, ranged);
    }

    PassResult keysRefusal(sealed::Status status) const {
        const QString file = shown(m_request.input);
        if (status == sealed::Status::NotForThisIdentity) {
            return {PassStatus::Failed,
                    QStringLiteral("The file \"%1\" was not decrypted: it is not sealed to %2.")
                        .arg(file, m_request.identities.size() == 1
                                       ? QStringLiteral("this identity")
                                       : QStringLiteral("any of these identities")),
                    SealedRefusal::NotForThisIdentity};
        }
        if (status == sealed::Status::NeedsIdentity) {
            return {PassStatus::Refused,
                    QStringLiteral("The file \"%1\" was not decrypted: it is sealed to people, "
                                   "and opens with an identity, not a password.")
                        .arg(file),
                    SealedRefusal::NeedsIdentity};
        }
        return {PassStatus::Refused,
                QStringLiteral("The file \"%1\" was not decrypted: it is sealed with a "
                               "password, not to people.")
                    .arg(file)};
    }

    PassResult classicPass(qint64 size) {
        classic::FilePass pass;
        pass.size = size;
        pass.password = classic::codepage::encode(m_request.password);
        pass.encipher = m_request.direction == Direction::Encipher;
        io::DeviceSource input(m_input);
        pass.input = &input;
        pass.output = &m_output;
        m_progress.setRange(size);
        const classic::FilePassResult result = classic::runFilePass(pass, m_progress);
        base::wipe(pass.password);
        using Status = io::ChunkPipeline::Status;
        switch (result.run.status) {
        case Status::Done:
            return {PassStatus::Done, kDone};
        case Status::Cancelled:
            return cancelled();
        case Status::ReadFailed:
            if (result.inputShrank) {
                return {PassStatus::Failed, QStringLiteral("The file \"%1\" became shorter while "
                                                           "it was read.")
                                                .arg(shown(m_request.input))};
            }
            return readFailed(io::describeFileError(m_input));
        case Status::WriteFailed:
            return m_output.wasCancelled() ? cancelled() : writeFailed(result.run.error);
        case Status::Refused:
        case Status::Failed:
            break;
        }
        return {PassStatus::Failed, result.run.error};
    }

    // The sealed pass's display is busy while the key is derived; the range
    // comes with the first bytes written.
    class RangeOnFirstMove final : public base::Progress {
    public:
        RangeOnFirstMove(base::Progress& display, qint64 size)
            : base::Progress(display.cancelToken()), m_display(display), m_size(size) {}
        void setPosition(qint64 done) override {
            if (!m_ranged) {
                m_ranged = true;
                m_display.setRange(m_size);
            }
            m_display.setPosition(done);
        }

    private:
        base::Progress& m_display;
        qint64 m_size;
        bool m_ranged = false;
    };

    static io::OutputFile outputOf(const PassRequest& request) {
        return request.outputDescriptor >= 0 ? io::OutputFile::descriptor(request.outputDescriptor)
                                             : io::OutputFile(request.output);
    }

    PassResult cancelled() const { return cancelledPass(m_request); }
    PassResult readFailed(const QString& cause) const {
        return {PassStatus::Failed, QStringLiteral("The file \"%1\" could not be read (%2).")
                                        .arg(shown(m_request.input), cause)};
    }
    PassResult writeFailed(const QString& cause) const {
        return {PassStatus::Failed,
                QStringLiteral("The file \"%1\" could not be written (%2).").arg(m_outputName, cause)};
    }

    // A pipe or a device takes the data as it comes: what it already received
    // when a pass fails or is cancelled cannot be taken back, only disowned.
    PassResult disowned(PassResult result) const {
        if (result.status == PassStatus::Done || !m_output.isStream() ||
            m_output.bytesWritten() == 0)
            return result;
        const QString partial =
            QStringLiteral("\"%1\" already received part of the data, which must be discarded.")
                .arg(m_outputName);
        result.message = result.status == PassStatus::Cancelled
                             ? QStringLiteral("Cancelled: ") + partial
                             : result.message + QLatin1Char(' ') + partial;
        return result;
    }

    const PassRequest& m_request;
    QFile& m_input;
    io::OutputFile m_output;
    base::Progress& m_progress;
    const QString m_outputName;
};

} // namespace

PassResult FileCipherPass(const PassRequest& request, base::Progress& display) {
    const bool stream = request.inputDescriptor >= 0;
    if (const auto text = stream ? std::nullopt : inputRefusal(request))
        return {PassStatus::Refused, *text};
    const std::unique_ptr<QFile> input =
        stream ? std::make_unique<io::DescriptorInput>(request.inputDescriptor, display.cancelToken())
               : std::make_unique<QFile>(request.input);
    if (!stream && !input->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return {PassStatus::Failed, QStringLiteral("The file \"%1\" could not be read (%2).")
                                        .arg(shown(request.input), io::describeFileError(*input))};
    }
    // The length of the open file, taken once: what is added later is not
    // read. A stream has none.
    const qint64 size = stream ? -1 : input->size();
    bool isSealed = request.format == Format::Sealed || !request.recipients.isEmpty();
    if (request.direction == Direction::Decipher) {
        const auto text = recognitionRefusal(request, *input, &isSealed);
        if (display.cancelled())
            return cancelledPass(request);
        if (text)
            return {PassStatus::Refused, text->second, text->first};
    }
    if (const auto text = refusal(request, size, isSealed))
        return {PassStatus::Refused, *text};
    base::ThrottledProgress progress(display, kProgressInterval);
    return Pass(request, *input, progress).run(isSealed, size);
}

std::optional<sealed::Cost> sealedFileCost(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return sealed::fileCost(file.read(sealed::kHeaderSize));
}

} // namespace cipher
