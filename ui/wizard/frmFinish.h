#pragma once

// The wizard's last page: Finish carries out the command with the wizard's
// answers (WizardController); Back returns to the page before.

#include "ui/wizard/WizardPage.h"

#include <memory>

namespace Ui {
class frmFinish;
}

namespace ui {

class frmFinish : public WizardPage {
    Q_OBJECT
public:
    explicit frmFinish(FormRegistry& registry, QWidget* parent = nullptr);
    ~frmFinish() override;

public slots:
    void cmdBack_Click();
    void cmdNext_Click();

private:
    void encrypt();
    // Into the result window, then the print choice.
    void decrypt();

    std::unique_ptr<Ui::frmFinish> m_ui;
};

} // namespace ui
