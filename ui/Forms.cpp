#include "ui/FormRegistry.h"

namespace ui {

void registerMainForms(FormRegistry& registry);
void registerFileCipherForms(FormRegistry& registry);
void registerWizardForms(FormRegistry& registry);
void registerStartupForms(FormRegistry& registry);
void registerAccessoryForms(FormRegistry& registry);
void registerBrowserForms(FormRegistry& registry);

void registerAllForms(FormRegistry& registry) {
    registerMainForms(registry);
    registerFileCipherForms(registry);
    registerWizardForms(registry);
    registerStartupForms(registry);
    registerAccessoryForms(registry);
    registerBrowserForms(registry);
}

void startProgram(FormRegistry& registry) {
    // The main window is the start window, but it is never shown at start: its
    // load hands over to the splash window and hides the main window again.
    registry.form(QStringLiteral("frmMain"));
    registry.show(QStringLiteral("frmLoad"));
    registry.hide(QStringLiteral("frmMain"));
}

} // namespace ui
