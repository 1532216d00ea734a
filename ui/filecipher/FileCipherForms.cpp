#include "ui/FormRegistry.h"
#include "ui/filecipher/frmEncFile.h"

namespace ui {

void registerFileCipherForms(FormRegistry& registry) {
    registry.registerForm(QStringLiteral("frmEncFile"),
                          [](FormRegistry& forms) { return new frmEncFile(forms); });
}

} // namespace ui
