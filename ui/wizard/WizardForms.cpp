#include "ui/FormRegistry.h"
#include "ui/wizard/frmCompile.h"
#include "ui/wizard/frmEncDec.h"
#include "ui/wizard/frmFile.h"
#include "ui/wizard/frmFinish.h"
#include "ui/wizard/frmPW.h"
#include "ui/wizard/frmPrintShow.h"
#include "ui/wizard/frmTextEnc.h"
#include "ui/wizard/frmWizard1.h"
#include "ui/wizard/frmWizardAdvanced.h"

namespace ui {

namespace {
template <class Form> void add(FormRegistry& registry, const char* name) {
    registry.registerForm(QString::fromLatin1(name),
                          [](FormRegistry& r) -> QWidget* { return new Form(r); });
}
} // namespace

void registerWizardForms(FormRegistry& registry) {
    add<frmWizard1>(registry, "frmWizard1");
    add<frmCompile>(registry, "frmCompile");
    add<frmEncDec>(registry, "frmEncDec");
    add<frmPW>(registry, "frmPW");
    add<frmFile>(registry, "frmFile");
    add<frmTextEnc>(registry, "frmTextEnc");
    add<frmWizardAdvanced>(registry, "frmWizardAdvanced");
    add<frmPrintShow>(registry, "frmPrintShow");
    add<frmFinish>(registry, "frmFinish");
}

} // namespace ui
