#include "ui/wizard/frmFinish.h"

#include "cipher/Messages.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "ui/FormRegistry.h"
#include "ui/common/ApplicationExit.h"
#include "ui/common/CostQuestion.h"
#include "ui/common/IdentityQuestion.h"
#include "ui/common/MessageCommand.h"
#include "ui/common/ReplaceQuestion.h"
#include "ui/common/SealTarget.h"
#include "ui_frmFinish.h"

#include <QPlainTextEdit>

namespace ui {

frmFinish::frmFinish(FormRegistry& registry, Wizard& wizard, QWidget* parent)
    : WizardPage(registry, wizard, parent), m_ui(std::make_unique<Ui::frmFinish>()) {
    build(*m_ui);

    setDefaultButton(m_ui->cmdNext);
    // The small red arrow left of Back.
    addLine(QStringLiteral("Line1"), QLine(720, 1680, 360, 1680), kArrowRed);
    addLine(QStringLiteral("Line2"), QLine(360, 1680, 480, 1560), kArrowRed);
    addLine(QStringLiteral("Line3"), QLine(360, 1680, 480, 1800), kArrowRed);
    m_command = new MessageCommand(this);

    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmFinish::cmdBack_Click);
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmFinish::cmdNext_Click);
}

frmFinish::~frmFinish() = default;

bool frmFinish::working() const {
    return m_command->running();
}

void frmFinish::cmdBack_Click() {
    m_wizard.back(Wizard::Page::Finish);
}

void frmFinish::cmdNext_Click() {
    switch (m_wizard.state().operation) {
    case WizardState::Operation::Encrypt:
        encrypt();
        break;
    case WizardState::Operation::Decrypt:
        decrypt();
        break;
    case WizardState::Operation::None:
        break;
    }
}

void frmFinish::encrypt() {
    const WizardState& state = m_wizard.state();
    if (state.text.isEmpty())
        return;
    cipher::EncryptRequest request;
    request.text = cipher::toMessageLineEnds(state.text);
    request.password = state.password;
    request.path = state.file;
    state.options.applyTo(request);
    // Sealed to people: the password page's answer is not used.
    if (state.options.toPeople()) {
        request.recipients = recipientsOf(state.options.sealTo, m_registry);
        request.password.clear();
        if (request.recipients.isEmpty()) {
            platform::messageBox(this, noRecipientsText(), tr("Error"), platform::Icon::Stop);
            return;
        }
    }
    // A file of the user's that is not a message file is replaced only when
    // asked; No leaves the page as it was.
    if (m_command->running() || !mayReplace(this, request.path))
        return;
    // A refused or failed encryption has told the user why; the page stays so
    // that Back can lead to the answer that needs mending.
    m_command->encrypt(request, [this](cipher::EncryptResult result) {
        if (result == cipher::EncryptResult::Finished)
            m_wizard.encrypted();
    });
}

void frmFinish::decrypt() {
    decrypt(true);
}

// A message sealed to people opens with the Keys window's identities; with
// none open one is asked for first, and when none fits, once more after the
// refusal.
void frmFinish::decrypt(bool mayAskIdentity) {
    // A sealed message whose key costs more than usual is opened only when
    // asked; No leaves the page as it was.
    const QString& file = m_wizard.state().file;
    if (m_command->running())
        return;
    const bool toPeople = sealedToPeople(file, true);
    QList<cipher::Identity> identities = openIdentities(m_registry);
    if (toPeople && identities.isEmpty()) {
        if (!askIdentityFile(this, m_registry))
            return;
        mayAskIdentity = false;
        identities = openIdentities(m_registry);
    }
    if (!maySpend(this, file, cipher::sealedMessageCost(file)))
        return;
    // The result window opens first and receives the text as it comes.
    QPlainTextEdit* output = m_wizard.openResult();
    if (!output)
        return;
    cipher::DecryptRequest request;
    request.path = m_wizard.state().file;
    request.password = m_wizard.state().password;
    // The decryption path has no options page: whatever an earlier
    // encryption chose, the file is recognised by itself, sealed or classic.
    request.requireSealed = false;
    request.identities = identities;
    m_command->decrypt(request, output, [this, output, toPeople, mayAskIdentity](
                                            cipher::DecryptResult result) {
        m_wizard.decrypted(output->toPlainText());
        if (result == cipher::DecryptResult::Decrypted)
            printIfAsked(output->window());
        else if (toPeople && mayAskIdentity && result == cipher::DecryptResult::NotOpened &&
                 askIdentityFile(this, m_registry))
            decrypt(false);
    });
}

void frmFinish::printIfAsked(QWidget* resultWindow) {
    const WizardState::Outputs choice = m_wizard.state().output;
    if (!choice.testFlag(WizardState::Output::Print))
        return;
    platform::printWithReport(resultWindow, m_wizard.state().text);
    // Printed only: the program's work is done, printed or not.
    if (!choice.testFlag(WizardState::Output::View))
        ApplicationExit(m_registry);
}

} // namespace ui
