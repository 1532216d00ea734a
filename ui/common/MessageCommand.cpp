#include "ui/common/MessageCommand.h"

#include "ui/common/WindowCipherHost.h"

#include <QPlainTextEdit>
#include <QProgressBar>

namespace ui {

MessageCommand::MessageCommand(QWidget* window, QProgressBar* bar)
    : Command(window, bar), m_window(window) {}

void MessageCommand::encrypt(const cipher::EncryptRequest& request,
                             std::function<void(cipher::EncryptResult)> done) {
    if (running())
        return;
    auto outcome = std::make_shared<cipher::EncryptOutcome>();
    Run run;
    run.present = [this, outcome, done = std::move(done)] {
        release();
        WindowCipherHost host(m_window);
        words::present(*outcome, host);
        if (done)
            done(outcome->result);
    };
    run.work = [request, outcome](base::Progress& progress) {
        *outcome = cipher::encryptMessage(request, progress);
    };
    run.perCharacter = true;
    start(std::move(run));
}

void MessageCommand::decrypt(const cipher::DecryptRequest& request, QPlainTextEdit* output,
                             std::function<void(cipher::DecryptResult)> done) {
    // The text goes into a box that may be another window's (the wizard's
    // result window): that window is the busy one, and the messages are its.
    QWidget* window = output ? output->window() : m_window.data();
    if (running())
        return;
    auto outcome = std::make_shared<cipher::DecryptOutcome>();
    Run run;
    run.present = [this, outcome, window = QPointer<QWidget>(window),
                   output = QPointer<QPlainTextEdit>(output), done = std::move(done)] {
        WindowCipherHost host(window, output);
        // The text arrives while the window is still busy (a change handler
        // of the box may speak up meanwhile); the closing message comes with
        // the normal pointer.
        words::presentText(*outcome, host);
        release();
        words::presentNotice(*outcome, host);
        if (done)
            done(outcome->result);
    };
    run.work = [request, outcome](base::Progress& progress) {
        *outcome = cipher::decryptMessage(request, progress);
    };
    run.window = window;
    run.perCharacter = true;
    start(std::move(run));
}

} // namespace ui
