#pragma once

// The wizard's first page: encrypt or decrypt.

#include "ui/wizard/WizardPage.h"

#include <memory>

namespace Ui {
class frmEncDec;
}

namespace ui {

class frmEncDec : public WizardPage {
    Q_OBJECT
public:
    frmEncDec(FormRegistry& registry, Wizard& wizard, QWidget* parent = nullptr);
    ~frmEncDec() override;

public slots:
    void cmdChoseEnc_Click();
    void cmdChoseDec_Click();

private:
    std::unique_ptr<Ui::frmEncDec> m_ui;
};

} // namespace ui
