#include "ui/wizard/Wizard.h"

#include "ui/FormRegistry.h"

#include <QPlainTextEdit>

namespace ui {

Wizard::Wizard(FormRegistry& registry) : m_registry(registry) {}

template <class T> void Wizard::write(T WizardState::*field, const T& value) {
    // The result window shows the answers from the first one on. Every answer
    // handed in is shown anew, also one equal to the last: its box may have
    // been edited since.
    if (m_registry.isRegistered<frmCompile>())
        m_registry.load<frmCompile>();
    m_state.*field = value;
    emit changed();
}

template <class Form> void Wizard::show() {
    m_registry.show<Form>();
}

template <class Form> void Wizard::hide() {
    m_registry.hide<Form>();
}

void Wizard::start() {
    show<frmEncDec>();
    hide<frmWizard1>();
}

void Wizard::operationChosen(WizardState::Operation operation) {
    hide<frmEncDec>();
    show<frmPW>();
    write(&WizardState::operation, operation);
}

void Wizard::passwordEntered(const base::Secret& password) {
    m_weakPasswordKept = false;
    hide<frmPW>();
    write(&WizardState::password, password);
    show<frmFile>();
}

void Wizard::fileEntered(const QString& file) {
    hide<frmFile>();
    write(&WizardState::file, file);
    showOperationPage();
}

void Wizard::textEntered(const QString& text) {
    hide<frmTextEnc>();
    write(&WizardState::text, text);
    show<frmWizardAdvanced>();
}

void Wizard::optionsChosen(const MessageOptions& options) {
    write(&WizardState::options, options);
    hide<frmWizardAdvanced>();
    show<frmFinish>();
}

void Wizard::reviewPassword(const MessageOptions& options) {
    // Written first: the password page rates the password while Sealed holds.
    write(&WizardState::options, options);
    hide<frmWizardAdvanced>();
    show<frmPW>();
}

void Wizard::outputChosen(WizardState::Outputs output) {
    if (output)
        write(&WizardState::output, output);
    hide<frmPrintShow>();
    show<frmFinish>();
}

// Where the two paths part: the text page for an encryption, the print/view
// page for a decryption; none before the operation is chosen.
void Wizard::showOperationPage() {
    switch (m_state.operation) {
    case WizardState::Operation::Encrypt:
        show<frmTextEnc>();
        break;
    case WizardState::Operation::Decrypt:
        show<frmPrintShow>();
        break;
    case WizardState::Operation::None:
        break;
    }
}

void Wizard::back(Page from) {
    switch (from) {
    case Page::Password:
        hide<frmPW>();
        show<frmEncDec>();
        break;
    case Page::File:
        hide<frmFile>();
        show<frmPW>();
        break;
    case Page::Text:
        show<frmFile>();
        hide<frmTextEnc>();
        break;
    case Page::Options: // the page before it on the way to encryption
        hide<frmWizardAdvanced>();
        show<frmTextEnc>();
        break;
    case Page::Output:
        show<frmFile>();
        hide<frmPrintShow>();
        break;
    case Page::Finish:
        // On the way to encryption Back skips the options page: they are
        // asked again on the way forward from the text.
        showOperationPage();
        hide<frmFinish>();
        break;
    case Page::Result:
        hide<frmCompile>();
        show<frmWizard1>();
        break;
    case Page::ModeChooser:
    case Page::Operation:
        break;
    }
}

void Wizard::leave(QWidget* page) {
    page->hide();
    show<frmWizard1>();
}

void Wizard::encrypted() {
    hide<frmFinish>();
    show<frmWizard1>();
}

// It opens empty: a file refused before decryption must not leave an earlier
// text there to be taken for this file's.
QPlainTextEdit* Wizard::openResult() {
    write(&WizardState::text, QString());
    // Made by the write, it has handed over its box; something else under
    // its name has none, and then nothing opens.
    if (!m_resultBox)
        return nullptr;
    show<frmCompile>();
    hide<frmFinish>();
    return m_resultBox;
}

void Wizard::setResultBox(QPlainTextEdit* box) {
    m_resultBox = box;
}

void Wizard::decrypted(const QString& text) {
    write(&WizardState::text, text);
}

} // namespace ui
