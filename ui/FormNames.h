#pragma once

// Every window of the program by class, with the one name it is registered,
// created and found under (also its object name, by which tests find it). A
// window reaches another through the registry by class, such as
// registry.show<frmWizard1>(), which needs no more than the declarations here:
// it includes another window's header only where it calls into that window.

namespace ui {

// The registered name of a window class. A class that has none is no window
// of the registry's, and naming it there does not compile.
template <class Form> struct FormName;

// The name is the class's own name, spelled once by the compiler.
#define TESSERA_FORM(Form)                                                                         \
    class Form;                                                                                    \
    template <> struct FormName<Form> { static constexpr const char* value = #Form; };

// The main window and its companions.
TESSERA_FORM(frmMain)
TESSERA_FORM(frmAdvanced)
TESSERA_FORM(frmBack)
TESSERA_FORM(frmHelp)
TESSERA_FORM(frmSecret)
// The file encryption window.
TESSERA_FORM(frmEncFile)
// The wizard.
TESSERA_FORM(frmWizard1)
TESSERA_FORM(frmCompile)
TESSERA_FORM(frmEncDec)
TESSERA_FORM(frmPW)
TESSERA_FORM(frmFile)
TESSERA_FORM(frmTextEnc)
TESSERA_FORM(frmWizardAdvanced)
TESSERA_FORM(frmPrintShow)
TESSERA_FORM(frmFinish)
// The start-up show and the accessories.
TESSERA_FORM(frmLoad)
TESSERA_FORM(frmFlash)
TESSERA_FORM(frmAbout)
TESSERA_FORM(frmBrowser)

#undef TESSERA_FORM

} // namespace ui
