// encrypt-file and decrypt-file: the binary file cipher from the command line.

#include "cli/Commands.h"
#include "cli/Password.h"
#include "cli/Signals.h"
#include "filecipher/FileCipher.h"

#include <QElapsedTimer>
#include <cstdio>
#include <string>

namespace cli {
namespace {

// A bar on standard error when it is a terminal; nothing otherwise.
class ProgressHost final : public filecipher::PassHost {
public:
    explicit ProgressHost(bool show) : m_show(show) {}
    void setRange(qint64 n) override {
        m_range = n;
        m_clock.start();
    }
    void setPosition(qint64 done) override {
        if (!m_show || m_range <= 0)
            return;
        // The pass starts at 0 and comes back to 0 when it ends: then the bar goes.
        if (done == 0 && m_started) {
            if (m_drawn)
                std::fputs("\r\033[K", stderr);
            std::fflush(stderr);
            m_drawn = false;
            m_range = 0;
            return;
        }
        m_started = true;
        if (m_drawn && m_clock.elapsed() < 100)
            return;
        m_clock.restart();
        const int width = 40;
        const int filled = static_cast<int>(done * width / m_range);
        std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                     std::string(width - filled, ' ').c_str(),
                     static_cast<int>(done * 100 / m_range));
        std::fflush(stderr);
        m_drawn = true;
    }
    bool cancelRequested() const override { return StopSignals::received() != 0; }

private:
    bool m_show;
    bool m_started = false;
    bool m_drawn = false;
    qint64 m_range = 0;
    QElapsedTimer m_clock;
};

int fileCommand(const QString& name, const Options& options, filecipher::Direction direction) {
    if (options.positional.size() != 2 || options.positional.contains(QString())) {
        reportError(QStringLiteral("%1: give INPUT and OUTPUT").arg(name));
        return kUsage;
    }
    const auto password = obtainPassword(options.passwordFile);
    if (!password)
        return kFailed;
    ProgressHost host(stderrIsTerminal());
    filecipher::PassRequest request;
    request.input = options.positional.at(0);
    request.output = options.positional.at(1);
    request.password = password->text();
    request.direction = direction;
    request.format = options.sealed ? cipher::Format::Sealed : cipher::Format::Classic;
    request.notSealedHint = QStringLiteral("Leave out --sealed to decrypt a classic one.");
    const filecipher::PassResult result = filecipher::FileCipherPass(request, host);
    if (result.status != filecipher::PassStatus::Done)
        reportError(result.message);
    return result.status == filecipher::PassStatus::Done ? kOk : kFailed;
}

} // namespace

int encryptFileCommand(const Options& options) {
    return fileCommand(QStringLiteral("encrypt-file"), options, filecipher::Direction::Encipher);
}

int decryptFileCommand(const Options& options) {
    return fileCommand(QStringLiteral("decrypt-file"), options, filecipher::Direction::Decipher);
}

} // namespace cli
