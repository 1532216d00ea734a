#pragma once

// The wizard's options page: PIC and JunkBitz, or None; or Sealed, real
// encryption to which PIC and JunkBitz do not apply. While Sealed is ticked,
// the password of the page before is rated below it, and a very weak one is
// questioned once before the way goes on.

#include "ui/wizard/WizardPage.h"

#include <memory>

class QLabel;

namespace Ui {
class frmWizardAdvanced;
}

namespace ui {

class SealTarget;

class frmWizardAdvanced : public WizardPage {
    Q_OBJECT
public:
    frmWizardAdvanced(FormRegistry& registry, Wizard& wizard, QWidget* parent = nullptr);
    ~frmWizardAdvanced() override;

public slots:
    void chkNone_Click();
    void chkSealed_Click();
    void cmdBack_Click();
    void cmdNext_Click();

private:
    void enableClassicOptions();
    // Sealed with a very weak password: true to go on with it. Asked once.
    bool keepsWeakPassword();

    std::unique_ptr<Ui::frmWizardAdvanced> m_ui;
    SealTarget* m_sealTarget = nullptr; // with the password, or to people
    QLabel* m_noPassword = nullptr;     // says the password is not used for people
    void showSealChoice();
};

} // namespace ui
