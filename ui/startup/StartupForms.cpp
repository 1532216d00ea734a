#include "ui/FormRegistry.h"

namespace ui {

void registerStartupForms(FormRegistry& registry) {
    Q_UNUSED(registry);
}

} // namespace ui
