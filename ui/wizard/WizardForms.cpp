#include "ui/FormRegistry.h"

namespace ui {

void registerWizardForms(FormRegistry& registry) {
    Q_UNUSED(registry);
}

} // namespace ui
