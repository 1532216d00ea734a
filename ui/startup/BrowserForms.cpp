#include "ui/FormRegistry.h"
#include "ui/startup/frmBrowser.h"

namespace ui {

// The web page viewer exists once per opening: every createNew is a new,
// independent window.
void registerBrowserForms(FormRegistry& registry) {
    registry.registerMultiForm(QStringLiteral("frmBrowser"),
                               [](FormRegistry& r) -> QWidget* { return new frmBrowser(r); });
}

} // namespace ui
