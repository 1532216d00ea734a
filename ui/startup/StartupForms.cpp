#include "ui/FormRegistry.h"
#include "ui/startup/frmFlash.h"
#include "ui/startup/frmLoad.h"

namespace ui {

void registerStartupForms(FormRegistry& registry) {
    registry.registerForm(QStringLiteral("frmLoad"),
                          [](FormRegistry& r) -> QWidget* { return new frmLoad(r); });
    registry.registerForm(QStringLiteral("frmFlash"),
                          [](FormRegistry& r) -> QWidget* { return new frmFlash(r); });
}

} // namespace ui
