#include "ui/wizard/frmFinish.h"

#include "cipher/MessageCipher.h"
#include "cipher/MessageFormat.h"
#include "platform/Printer.h"
#include "ui/FormRegistry.h"
#include "ui/common/WindowCipherHost.h"
#include "ui/main/ApplicationExit.h"
#include "ui/wizard/WizardController.h"
#include "ui/wizard/frmCompile.h"
#include "ui_frmFinish.h"

#include <QPlainTextEdit>

namespace ui {

frmFinish::frmFinish(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), m_ui(std::make_unique<Ui::frmFinish>()) {
    m_ui->setupUi(this);
    setFont(classicFont());
    finishSetup();

    setDefaultButton(m_ui->cmdNext);
    // The small red arrow left of Back.
    addLine(QStringLiteral("Line1"), QLine(720, 1680, 360, 1680), kArrowRed);
    addLine(QStringLiteral("Line2"), QLine(360, 1680, 480, 1560), kArrowRed);
    addLine(QStringLiteral("Line3"), QLine(360, 1680, 480, 1800), kArrowRed);

    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmFinish::cmdBack_Click);
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmFinish::cmdNext_Click);
}

frmFinish::~frmFinish() = default;

void frmFinish::cmdBack_Click() {
    // On the way to encryption Back skips the options page: they are asked
    // again on the way forward from the text.
    showOperationPage();
    hide();
}

void frmFinish::cmdNext_Click() {
    switch (WizardController::of(m_registry).state().operation) {
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
    const WizardState& state = WizardController::of(m_registry).state();
    if (state.text.isEmpty())
        return;
    cipher::EncryptRequest request;
    request.text = cipher::toMessageLineEnds(state.text);
    request.password = state.password;
    request.path = state.file;
    state.options.applyTo(request);
    WindowCipherHost host(this); // the busy pointer here; no progress bar
    // A refused or failed encryption has told the user why; the page stays so
    // that Back can lead to the answer that needs mending.
    if (cipher::EncryptMessage(request, host) != cipher::EncryptResult::Finished)
        return;
    hide();
    m_registry.show<frmWizard1>();
}

void frmFinish::decrypt() {
    WizardController& wizard = WizardController::of(m_registry);
    // The result window opens first and receives the text as it comes. It
    // opens empty: a file refused before decryption must not leave an earlier
    // text there to be taken for this file's.
    wizard.setText(QString());
    frmCompile* result = m_registry.form<frmCompile>();
    if (!result)
        return;
    m_registry.show<frmCompile>();
    hide();
    QPlainTextEdit* output = result->txtIn();
    cipher::DecryptResult decrypted;
    {
        WindowCipherHost host(result, nullptr, output);
        cipher::DecryptRequest request;
        request.path = wizard.state().file;
        request.password = wizard.state().password;
        // Sealed chosen on the options page: only a sealed message is opened.
        request.requireSealed = wizard.state().options.sealed();
        decrypted = cipher::DecryptMessage(request, host);
    }
    wizard.setText(output->toPlainText());
    if (decrypted != cipher::DecryptResult::Decrypted)
        return; // nothing to print

    const WizardState::Outputs choice = wizard.state().output;
    if (!choice.testFlag(WizardState::Output::Print))
        return;
    platform::printWithReport(result, wizard.state().text);
    // Printed only: the program's work is done, printed or not.
    if (!choice.testFlag(WizardState::Output::View))
        ApplicationExit(m_registry);
}

} // namespace ui
