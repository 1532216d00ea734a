#pragma once

// The one routine behind every Exit button of the program (the main window,
// the mode chooser, the wizard's result window and the intro window).

#include "ui/FormNames.h"

namespace ui {

class FormRegistry;

// The windows unloaded by the exit, in their order.
using ExitUnloadOrder =
    FormList<frmAbout, frmBack, frmBrowser, frmCompile, frmEncDec, frmFile, frmFinish, frmPrintShow,
             frmPW, frmTextEnc, frmHelp, frmWizard1, frmMain>;

// Unloads the listed windows in order, passing over those not loaded; then
// closes every other window (the options windows, the file encryption window,
// which cancels a running pass, the intro, the hidden picture window and every
// web page viewer) and ends the program at once. Nothing is asked or saved.
void ApplicationExit(FormRegistry& registry);

} // namespace ui
