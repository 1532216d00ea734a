#include "ui/wizard/frmPrintShow.h"

#include "ui/FormRegistry.h"
#include "ui/wizard/WizardController.h"
#include "ui_frmPrintShow.h"

namespace ui {

frmPrintShow::frmPrintShow(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), m_ui(std::make_unique<Ui::frmPrintShow>()) {
    m_ui->setupUi(this);
    setFont(classicFont());
    finishSetup();

    // The decrypted text is shown unless the user asks otherwise; printing is
    // chosen deliberately.
    m_ui->chkView->setChecked(true);
    m_ui->chkPrint->setChecked(false);
    setDefaultButton(m_ui->cmdNext);
    addBackArrow(m_ui->cmdBack, 1);
    addNextArrow(m_ui->cmdNext, 4);

    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmPrintShow::cmdBack_Click);
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmPrintShow::cmdNext_Click);
}

frmPrintShow::~frmPrintShow() = default;

void frmPrintShow::cmdBack_Click() {
    m_registry.show<frmFile>();
    hide();
}

void frmPrintShow::cmdNext_Click() {
    // With neither box checked the earlier choice stays.
    WizardState::Outputs output;
    output.setFlag(WizardState::Output::View, m_ui->chkView->isChecked());
    output.setFlag(WizardState::Output::Print, m_ui->chkPrint->isChecked());
    if (output)
        WizardController::of(m_registry).setOutput(output);
    hide();
    m_registry.show<frmFinish>();
}

} // namespace ui
