#pragma once

// The wizard's print/view page: what to do with the decrypted text.

#include "ui/wizard/WizardPage.h"

#include <memory>

namespace Ui {
class frmPrintShow;
}

namespace ui {

class frmPrintShow : public WizardPage {
    Q_OBJECT
public:
    frmPrintShow(FormRegistry& registry, Wizard& wizard, QWidget* parent = nullptr);
    ~frmPrintShow() override;

public slots:
    void cmdBack_Click();
    void cmdNext_Click();

private:
    std::unique_ptr<Ui::frmPrintShow> m_ui;
};

} // namespace ui
