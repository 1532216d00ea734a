#include "ui/FormRegistry.h"

namespace ui {

void registerMainForms(FormRegistry& registry) {
    Q_UNUSED(registry);
}

} // namespace ui
