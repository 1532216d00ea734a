#pragma once

// The one routine behind every Exit button of the program (the main window,
// the mode chooser, the wizard's result window and the intro window).

#include "ui/FormNames.h"

namespace ui {

class FormRegistry;

// The windows unloaded by the exit, in their order.
inline constexpr const char* kExitUnloadOrder[] = {
    FormName<frmAbout>::value,   FormName<frmBack>::value,      FormName<frmBrowser>::value,
    FormName<frmCompile>::value, FormName<frmEncDec>::value,    FormName<frmFile>::value,
    FormName<frmFinish>::value,  FormName<frmPrintShow>::value, FormName<frmPW>::value,
    FormName<frmTextEnc>::value, FormName<frmHelp>::value,      FormName<frmWizard1>::value,
    FormName<frmMain>::value,
};

// Unloads the listed windows in order, passing over those not loaded; then
// closes every other window (the options windows, the file encryption window,
// which cancels a running pass, the intro, the hidden picture window and every
// web page viewer) and ends the program at once. Nothing is asked or saved.
void ApplicationExit(FormRegistry& registry);

} // namespace ui
