#pragma once

// Every window of the program by class, with the one name it is registered,
// created and found under (also its object name, by which tests find it). A
// window reaches another through the registry by class, such as
// registry.show<frmWizard1>(), which needs no more than the declarations here:
// no window includes another window's header.

#include "resources/WindowIcon.h"

namespace ui {

// The registered name of a window class, and the icon it carries. A class
// that has none is no window of the registry's, and naming it there does not
// compile.
template <class Form> struct FormName;

// The name is the class's own name, spelled once by the compiler.
#define TESSERA_FORM(Form, Icon)                                                                   \
    class Form;                                                                                    \
    template <> struct FormName<Form> {                                                            \
        static constexpr const char* value = #Form;                                                \
        static constexpr resources::WindowIcon icon = resources::WindowIcon::Icon;                 \
    };

// The main window and its companions.
TESSERA_FORM(frmMain, Program)
TESSERA_FORM(frmAdvanced, Program)
TESSERA_FORM(frmBack, Program)
TESSERA_FORM(frmHelp, Program)
TESSERA_FORM(frmSecret, Program)
// The file encryption window.
TESSERA_FORM(frmEncFile, File)
// The wizard.
TESSERA_FORM(frmWizard1, Program)
TESSERA_FORM(frmCompile, Program)
TESSERA_FORM(frmEncDec, Program)
TESSERA_FORM(frmPW, Program)
TESSERA_FORM(frmFile, Program)
TESSERA_FORM(frmTextEnc, Program)
TESSERA_FORM(frmWizardAdvanced, Program)
TESSERA_FORM(frmPrintShow, Program)
TESSERA_FORM(frmFinish, Program)
// The keys for sealing to people.
TESSERA_FORM(frmKeys, Program)
// The start-up show and the accessories.
TESSERA_FORM(frmLoad, Program)
TESSERA_FORM(frmFlash, Program)
TESSERA_FORM(frmAbout, Program)
TESSERA_FORM(frmBrowser, Globe)

#undef TESSERA_FORM

// Window classes in an order, walked one by one:
// FormList<frmPW, frmFile>::forEach([&]<class Form> { registry.hide<Form>(); }).
template <class... Forms> struct FormList {
    static constexpr int size = int(sizeof...(Forms));
    template <class Step> static void forEach(Step&& step) {
        (step.template operator()<Forms>(), ...);
    }
};

// Every window class above, for what goes over them all (the tests that open
// every window, the screenshots).
using AllForms =
    FormList<frmMain, frmAdvanced, frmBack, frmHelp, frmSecret, frmEncFile, frmWizard1, frmCompile,
             frmEncDec, frmPW, frmFile, frmTextEnc, frmWizardAdvanced, frmPrintShow, frmFinish,
             frmKeys, frmLoad, frmFlash, frmAbout, frmBrowser>;

} // namespace ui
