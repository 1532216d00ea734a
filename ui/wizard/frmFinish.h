#pragma once

// The wizard's last page: Finish carries out the command with the wizard's
// answers (the Wizard keeps them); Back returns to the page before.

#include "ui/wizard/WizardPage.h"

#include <memory>

namespace Ui {
class frmFinish;
}

namespace ui {

class MessageCommand;

class frmFinish : public WizardPage {
    Q_OBJECT
public:
    frmFinish(FormRegistry& registry, Wizard& wizard, QWidget* parent = nullptr);
    ~frmFinish() override;

public slots:
    void cmdBack_Click();
    void cmdNext_Click();

    // True while the encryption or decryption of Finish works.
    bool working() const;

private:
    void encrypt();
    // Into the result window, then the print choice.
    void decrypt();
    void decrypt(bool mayAskIdentity);
    void printIfAsked(QWidget* resultWindow);

    MessageCommand* m_command = nullptr;
    std::unique_ptr<Ui::frmFinish> m_ui;
};

} // namespace ui
