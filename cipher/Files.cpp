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

base::Failure aboutFile(base::Fault fault, const QString& path, const QString& cause = {}) {
    return base::about(fault, shown(path), cause);
}

// What is wrong with the input, seen without opening it.
std::optional<base::Failure> inputRefusal(const PassRequest& request) {
    using base::Fault;
    if (request.input.isEmpty())
        return base::failure(Fault::NoInputName);
    const QFileInfo input(request.input);
    if (!input.exists())
        return aboutFile(Fault::InputMissing, request.input);
    if (input.isDir())
        return aboutFile(Fault::InputIsFolder, request.input);
    // A device or a pipe has no length to set the progress range from, and
    // reading one could go on for ever.
    if (!input.isFile())
        return aboutFile(Fault::InputNotFile, request.input);
    if (!input.isReadable())
        return aboutFile(Fault::InputNotReadable, request.input);
    return std::nullopt;
}

// A sealed file opens by itself: its first bytes say what it is, and the
// reader never has to. One that is almost sealed was damaged, and is refused
// rather than deciphered as classic; so is a classic one when Sealed was asked.
std::optional<std::pair<SealedRefusal, base::Failure>>
recognitionRefusal(const PassRequest& request, QFile& input, bool* sealed) {
    switch (sealed::recogniseFile(input.peek(sealed::kRecognitionWindow))) {
    case sealed::Recognition::Sealed:
        *sealed = true;
        return std::nullopt;
    case sealed::Recognition::Damaged:
        return std::pair{SealedRefusal::Damaged,
                         aboutFile(base::Fault::SealedFileDamaged, request.input)};
    case sealed::Recognition::Classic:
        break;
    }
    if (*sealed)
        return std::pair{SealedRefusal::NotSealed, aboutFile(base::Fault::NotSealedFile, request.input)};
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
std::optional<base::Failure> refusal(const PassRequest& request, qint64 inputSize, bool isSealed) {
    using base::Fault;
    if (!isSealed && inputSize < 0)
        return aboutFile(Fault::InputIsStream, request.input);
    if (!isSealed && inputSize <= 0)
        return aboutFile(Fault::InputEmpty, request.input);
    if (request.password.isEmpty() && !byKeys(request))
        return base::failure(Fault::NoPassword);
    if (auto problem = byKeys(request) ? std::nullopt
                       : isSealed      ? sealed::passwordProblem(request.password.text())
                                       : classic::passwordProblem(request.password.text()))
        return problem;
    if (request.outputDescriptor >= 0)
        return std::nullopt;
    if (request.output.isEmpty())
        return base::failure(Fault::NoOutputName);
    if (const auto problem = io::checkOutput(request.output)) {
        using Kind = io::OutputProblem::Kind;
        if (problem->kind == Kind::Folder)
            return aboutFile(Fault::OutputIsFolder, request.output);
        if (problem->kind == Kind::MissingFolder)
            return base::about(Fault::OutputFolderMissing, problem->folder);
        return base::within(Fault::OutputUnwritable, shown(request.output), problem->reason);
    }
    return std::nullopt;
}

PassResult cancelledPass(const PassRequest& request) {
    return {PassStatus::Cancelled, aboutFile(base::Fault::Cancelled, request.output)};
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
        base::Failure error;
        if (!m_output.open(&error)) {
            if (m_output.wasCancelled())
                return cancelled();
            return {PassStatus::Failed,
                    base::within(base::Fault::CreateFailed, m_outputName, error)};
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
            return {PassStatus::Done, {}};
        case sealed::Status::Cancelled:
            return cancelled();
        case sealed::Status::ReadFailed:
            return m_progress.cancelled() ? cancelled() : readFailed(result.failure.cause);
        case sealed::Status::WriteFailed:
            return m_output.wasCancelled() ? cancelled() : writeFailed(result.failure);
        case sealed::Status::WrongPasswordOrDamaged:
            return {PassStatus::Failed, result.failure, SealedRefusal::NotOpened};
        case sealed::Status::NotForThisIdentity:
        case sealed::Status::NeedsIdentity:
        case sealed::Status::NeedsPassword:
            return keysRefusal(result);
        case sealed::Status::Cut:
        case sealed::Status::Unsupported:
        case sealed::Status::LimitsExceeded:
            return {PassStatus::Failed, result.failure, SealedRefusal::Damaged};
        default:
            return {PassStatus::Failed, result.failure};
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

    // Refusals about the file and the keys given name the file.
    PassResult keysRefusal(sealed::Result result) const {
        result.failure.subject = shown(m_request.input);
        if (result.status == sealed::Status::NotForThisIdentity)
            return {PassStatus::Failed, result.failure, SealedRefusal::NotForThisIdentity};
        if (result.status == sealed::Status::NeedsIdentity)
            return {PassStatus::Refused, result.failure, SealedRefusal::NeedsIdentity};
        return {PassStatus::Refused, result.failure};
    }

    PassResult classicPass(qint64 size) {
        classic::FilePass pass;
        pass.size = size;
        pass.password = classic::codepage::encode(m_request.password.text());
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
            return {PassStatus::Done, {}};
        case Status::Cancelled:
            return cancelled();
        case Status::ReadFailed:
            if (result.inputShrank)
                return {PassStatus::Failed, aboutFile(base::Fault::InputShrank, m_request.input)};
            return readFailed(io::describeFileError(m_input));
        case Status::WriteFailed:
            return m_output.wasCancelled() ? cancelled() : writeFailed(result.run.failure);
        case Status::Refused:
        case Status::Failed:
            break;
        }
        return {PassStatus::Failed, result.run.failure};
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
        return {PassStatus::Failed, aboutFile(base::Fault::ReadFailed, m_request.input, cause)};
    }
    PassResult writeFailed(const base::Failure& reason) const {
        return {PassStatus::Failed, base::within(base::Fault::WriteFailed, m_outputName, reason)};
    }

    // A pipe or a device takes the data as it comes: what it already received
    // when a pass fails or is cancelled cannot be taken back, only disowned.
    PassResult disowned(PassResult result) const {
        if (result.status == PassStatus::Done || !m_output.isStream() ||
            m_output.bytesWritten() == 0)
            return result;
        result.partlyWritten = m_outputName;
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
    if (auto refused = stream ? std::nullopt : inputRefusal(request))
        return {PassStatus::Refused, *refused};
    const std::unique_ptr<QFile> input =
        stream ? std::make_unique<io::DescriptorInput>(request.inputDescriptor, display.cancelToken())
               : std::make_unique<QFile>(request.input);
    if (!stream && !input->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return {PassStatus::Failed,
                aboutFile(base::Fault::ReadFailed, request.input, io::describeFileError(*input))};
    }
    // The length of the open file, taken once: what is added later is not
    // read. A stream has none.
    const qint64 size = stream ? -1 : input->size();
    bool isSealed = request.format == Format::Sealed || !request.recipients.isEmpty();
    if (request.direction == Direction::Decipher) {
        const auto refused = recognitionRefusal(request, *input, &isSealed);
        if (display.cancelled())
            return cancelledPass(request);
        if (refused)
            return {PassStatus::Refused, refused->second, refused->first};
    }
    if (const auto refused = refusal(request, size, isSealed))
        return {PassStatus::Refused, *refused};
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
