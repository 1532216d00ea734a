#pragma once

// The wizard's password page: the password, typed twice.

#include "ui/wizard/WizardPage.h"

#include <memory>

namespace Ui {
class frmPW;
}

namespace ui {

class frmPW : public WizardPage {
    Q_OBJECT
public:
    frmPW(FormRegistry& registry, Wizard& wizard, QWidget* parent = nullptr);
    ~frmPW() override;

public slots:
    void cmdBack_Click();
    void cmdNext_Click();
    void Picture1_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::frmPW> m_ui;
};

} // namespace ui
