#include "ui/wizard/WizardController.h"

#include "ui/FormRegistry.h"
#include "ui/wizard/frmCompile.h"

namespace ui {

WizardController& WizardController::of(FormRegistry& registry) {
    auto* wizard = registry.findChild<WizardController*>(QString(), Qt::FindDirectChildrenOnly);
    return wizard ? *wizard : *new WizardController(registry);
}

WizardController::WizardController(FormRegistry& registry)
    : QObject(&registry), m_registry(registry) {}

template <class T> void WizardController::write(T WizardState::*field, const T& value) {
    // The result window shows the answers from the first one on. Every answer
    // handed in is shown anew, also one equal to the last: its box may have
    // been edited since.
    if (m_registry.isRegistered<frmCompile>())
        m_registry.form<frmCompile>();
    m_state.*field = value;
    emit changed();
}

void WizardController::setOperation(WizardState::Operation operation) {
    write(&WizardState::operation, operation);
}

void WizardController::setPassword(const QString& password) {
    write(&WizardState::password, password);
}

void WizardController::setFile(const QString& file) {
    write(&WizardState::file, file);
}

void WizardController::setText(const QString& text) {
    write(&WizardState::text, text);
}

void WizardController::setOptions(const MessageOptions& options) {
    write(&WizardState::options, options);
}

void WizardController::setOutput(WizardState::Outputs output) {
    write(&WizardState::output, output);
}

} // namespace ui
