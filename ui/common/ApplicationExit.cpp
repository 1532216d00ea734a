#include "ui/common/ApplicationExit.h"

#include "ui/FormRegistry.h"

namespace ui {

void ApplicationExit(FormRegistry& registry) {
    for (const char* name : kExitUnloadOrder)
        registry.unload(QString::fromLatin1(name)); // a window not loaded is passed over
    registry.unloadAll();
    registry.quit();
}

} // namespace ui
