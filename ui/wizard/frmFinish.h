#pragma once

// The wizard's last page: Finish carries out the command with the answers
// kept in WizardState; Back returns to the page before.

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
    std::unique_ptr<Ui::frmFinish> m_ui;
};

} // namespace ui
