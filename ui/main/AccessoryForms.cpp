#include "ui/FormRegistry.h"

namespace ui {

void registerAccessoryForms(FormRegistry& registry) {
    Q_UNUSED(registry);
}

} // namespace ui
