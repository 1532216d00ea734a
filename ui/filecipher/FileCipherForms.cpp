#include "ui/FormRegistry.h"

namespace ui {

void registerFileCipherForms(FormRegistry& registry) {
    Q_UNUSED(registry);
}

} // namespace ui
