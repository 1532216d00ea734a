// Where every window of the program is registered, by subsystem: tests
// register a subsystem's windows alone where that is all they drive.

#include "ui/FormRegistry.h"
#include "ui/common/MainSettings.h"
#include "ui/filecipher/frmEncFile.h"
#include "ui/keys/frmKeys.h"
#include "ui/main/frmAdvanced.h"
#include "ui/main/frmBack.h"
#include "ui/main/frmHelp.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmSecret.h"
#include "ui/startup/frmAbout.h"
#include "ui/startup/frmBrowser.h"
#include "ui/startup/frmFlash.h"
#include "ui/startup/frmLoad.h"
#include "ui/wizard/frmCompile.h"
#include "ui/wizard/frmEncDec.h"
#include "ui/wizard/frmFile.h"
#include "ui/wizard/frmFinish.h"
#include "ui/wizard/frmPW.h"
#include "ui/wizard/frmPrintShow.h"
#include "ui/wizard/frmTextEnc.h"
#include "ui/wizard/frmWizard1.h"
#include "ui/wizard/frmWizardAdvanced.h"

#include <type_traits>

namespace ui {
namespace {

// The part a registry shares between windows, made when the first of them is
// registered.
template <class Part> Part& sharedPart(FormRegistry& registry) {
    if (Part* part = registry.part<Part>())
        return *part;
    if constexpr (std::is_constructible_v<Part, FormRegistry&>)
        return registry.addPart(new Part(registry));
    else
        return registry.addPart(new Part);
}

} // namespace

void registerMainForms(FormRegistry& registry) {
    MainSettings& settings = sharedPart<MainSettings>(registry);
    registry.registerForm<frmMain>(settings);
    registry.registerForm<frmAdvanced>(settings);
}

void registerFileCipherForms(FormRegistry& registry) {
    registry.registerForm<frmEncFile>();
}

void registerWizardForms(FormRegistry& registry) {
    Wizard& wizard = sharedPart<Wizard>(registry);
    registry.registerForm<frmWizard1>(wizard);
    registry.registerForm<frmCompile>(wizard);
    registry.registerForm<frmEncDec>(wizard);
    registry.registerForm<frmPW>(wizard);
    registry.registerForm<frmFile>(wizard);
    registry.registerForm<frmTextEnc>(wizard);
    registry.registerForm<frmWizardAdvanced>(wizard);
    registry.registerForm<frmPrintShow>(wizard);
    registry.registerForm<frmFinish>(wizard);
}

void registerStartupForms(FormRegistry& registry) {
    registry.registerForm<frmLoad>();
    registry.registerForm<frmFlash>();
}

// The background picture window, the help window, the hidden picture window,
// the about box and the Keys window.
void registerAccessoryForms(FormRegistry& registry) {
    registry.registerForm<frmBack>(sharedPart<MainSettings>(registry));
    registry.registerForm<frmHelp>();
    registry.registerForm<frmKeys>();
    registry.registerForm<frmSecret>();
    registry.registerForm<frmAbout>();
}

// The web page viewer exists once per opening: every createNew is a new,
// independent window.
void registerBrowserForms(FormRegistry& registry) {
    registry.registerMultiForm<frmBrowser>();
}

void registerAllForms(FormRegistry& registry) {
    registerMainForms(registry);
    registerFileCipherForms(registry);
    registerWizardForms(registry);
    registerStartupForms(registry);
    registerAccessoryForms(registry);
    registerBrowserForms(registry);
}

void startProgram(FormRegistry& registry) {
    // The main window is the start window, but it is never shown at start: its
    // load hands over to the splash window and hides the main window again.
    registry.form<frmMain>();
    registry.show<frmLoad>();
    registry.hide<frmMain>();
}

} // namespace ui
