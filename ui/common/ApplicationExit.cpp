#include "ui/common/ApplicationExit.h"

#include "ui/FormRegistry.h"

namespace ui {

void ApplicationExit(FormRegistry& registry) {
    // A window not loaded is passed over.
    ExitUnloadOrder::forEach([&registry]<class Form> { registry.unload<Form>(); });
    registry.unloadAll();
    registry.quit();
}

} // namespace ui
