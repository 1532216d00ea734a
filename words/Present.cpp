#include "words/Present.h"

#include "words/Describe.h"

namespace words {

QString MessageHost::notSealedHint() const {
    return messageNotSealedHint();
}

void present(const cipher::EncryptOutcome& outcome, MessageHost& host) {
    switch (outcome.result) {
    case cipher::EncryptResult::Finished:
        host.showMessage(finished(), MessageHost::Tone::Closing);
        break;
    case cipher::EncryptResult::Failed:
        host.showMessage(notEncrypted(outcome.failure), MessageHost::Tone::Error);
        break;
    case cipher::EncryptResult::Empty:
    case cipher::EncryptResult::Cancelled:
        break;
    }
}

void present(const cipher::DecryptOutcome& outcome, MessageHost& host) {
    presentText(outcome, host);
    presentNotice(outcome, host);
}

void presentText(const cipher::DecryptOutcome& outcome, MessageHost& host) {
    if (!outcome.clearsOutput)
        return;
    host.clearOutput();
    if (!outcome.text.isEmpty())
        host.showText(outcome.text);
}

void presentNotice(const cipher::DecryptOutcome& outcome, MessageHost& host) {
    if (outcome.result == cipher::DecryptResult::Decrypted)
        host.showMessage(decrypted(), MessageHost::Tone::Closing);
    else
        host.showMessage(notDecrypted(outcome.failure, host.notSealedHint()), MessageHost::Tone::Error);
}

cipher::EncryptResult EncryptMessage(const cipher::EncryptRequest& request, MessageHost& host,
                                     base::Progress& progress) {
    const cipher::EncryptOutcome outcome = cipher::encryptMessage(request, progress);
    present(outcome, host);
    return outcome.result;
}

cipher::DecryptResult DecryptMessage(const cipher::DecryptRequest& request, MessageHost& host,
                                     base::Progress& progress) {
    const cipher::DecryptOutcome outcome = cipher::decryptMessage(request, progress);
    present(outcome, host);
    return outcome.result;
}

} // namespace words
