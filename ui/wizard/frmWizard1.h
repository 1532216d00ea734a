#pragma once

// The mode chooser: the wizard for newcomers, or the advanced mode (the main
// window). Every way back to the start of the wizard leads here.

#include "ui/wizard/WizardPage.h"

#include <memory>

namespace Ui {
class frmWizard1;
}

namespace ui {

class frmWizard1 : public WizardPage {
    Q_OBJECT
public:
    frmWizard1(FormRegistry& registry, Wizard& wizard, QWidget* parent = nullptr);
    ~frmWizard1() override;

public slots:
    void cmdWizard_Click();
    void cmdAdvance_Click();
    void cmdExit_Click();

protected:
    void closedThroughFrame() override;

private:
    std::unique_ptr<Ui::frmWizard1> m_ui;
};

} // namespace ui
