#pragma once

// The wizard's text page: the message to encrypt.

#include "ui/wizard/WizardPage.h"

#include <memory>

namespace Ui {
class frmTextEnc;
}

namespace ui {

class frmTextEnc : public WizardPage {
    Q_OBJECT
public:
    frmTextEnc(FormRegistry& registry, Wizard& wizard, QWidget* parent = nullptr);
    ~frmTextEnc() override;

public slots:
    void cmdBack_Click();
    void cmdNext_Click();

private:
    std::unique_ptr<Ui::frmTextEnc> m_ui;
};

} // namespace ui
