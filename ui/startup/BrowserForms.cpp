#include "ui/FormRegistry.h"

namespace ui {

void registerBrowserForms(FormRegistry& registry) {
    Q_UNUSED(registry);
}

} // namespace ui
