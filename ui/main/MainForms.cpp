#include "ui/FormRegistry.h"
#include "ui/main/frmAdvanced.h"
#include "ui/main/frmMain.h"

namespace ui {

void registerMainForms(FormRegistry& registry) {
    registry.registerForm(QStringLiteral("frmMain"),
                          [](FormRegistry& r) -> QWidget* { return new frmMain(r); });
    registry.registerForm(QStringLiteral("frmAdvanced"),
                          [](FormRegistry& r) -> QWidget* { return new frmAdvanced(r); });
}

} // namespace ui
