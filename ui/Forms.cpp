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
    QWidget* start = registry.form(QStringLiteral("frmMain"));
    // Until the start-up show exists the main window opens at once.
    if (start && !registry.isRegistered(QStringLiteral("frmLoad")))
        registry.show(QStringLiteral("frmMain"));
}

} // namespace ui
