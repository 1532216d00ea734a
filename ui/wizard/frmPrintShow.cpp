#include "ui/wizard/frmPrintShow.h"

#include "ui/FormRegistry.h"
#include "ui_frmPrintShow.h"

namespace ui {

frmPrintShow::frmPrintShow(FormRegistry& registry, Wizard& wizard, QWidget* parent)
    : WizardPage(registry, wizard, parent), m_ui(std::make_unique<Ui::frmPrintShow>()) {
    build(*m_ui);

    // The decrypted text is shown unless the user asks otherwise; printing is
    // chosen deliberately.
    m_ui->chkView->setChecked(true);
    m_ui->chkPrint->setChecked(false);
    addNavigation(m_ui->cmdBack, m_ui->cmdNext, true, &frmPrintShow::cmdBack_Click,
                  &frmPrintShow::cmdNext_Click);
}

frmPrintShow::~frmPrintShow() = default;

void frmPrintShow::cmdBack_Click() {
    m_wizard.back(Wizard::Page::Output);
}

void frmPrintShow::cmdNext_Click() {
    // With neither box checked the earlier choice stays.
    WizardState::Outputs output;
    output.setFlag(WizardState::Output::View, m_ui->chkView->isChecked());
    output.setFlag(WizardState::Output::Print, m_ui->chkPrint->isChecked());
    m_wizard.outputChosen(output);
}

} // namespace ui
