#include "ui/FormRegistry.h"
#include "ui/main/frmBack.h"
#include "ui/main/frmHelp.h"
#include "ui/main/frmSecret.h"
#include "ui/startup/frmAbout.h"

namespace ui {

// The background picture window, the help window, the hidden picture window
// and the about box.
void registerAccessoryForms(FormRegistry& registry) {
    registry.registerForm(QStringLiteral("frmBack"),
                          [](FormRegistry& r) -> QWidget* { return new frmBack(r); });
    registry.registerForm(QStringLiteral("frmHelp"),
                          [](FormRegistry& r) -> QWidget* { return new frmHelp(r); });
    registry.registerForm(QStringLiteral("frmSecret"),
                          [](FormRegistry& r) -> QWidget* { return new frmSecret(r); });
    registry.registerForm(QStringLiteral("frmAbout"),
                          [](FormRegistry& r) -> QWidget* { return new frmAbout(r); });
}

} // namespace ui
