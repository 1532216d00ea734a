#include "ui/wizard/frmPrintShow.h"

#include "ui/FormRegistry.h"
#include "ui/wizard/frmCompile.h"
#include "ui_frmPrintShow.h"

#include <QLabel>

namespace ui {

frmPrintShow::frmPrintShow(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), ui(std::make_unique<Ui::frmPrintShow>()) {
    ui->setupUi(this);
    setFont(wizardFont());
    finishSetup();

    // The decrypted text is shown unless the user asks otherwise; printing is
    // chosen deliberately.
    ui->chkView->setChecked(true);
    ui->chkPrint->setChecked(false);
    setDefaultButton(ui->cmdNext);
    addBackArrow(ui->cmdBack, 1);
    addNextArrow(ui->cmdNext, 4);

    connect(ui->cmdBack, &QPushButton::clicked, this, &frmPrintShow::cmdBack_Click);
    connect(ui->cmdNext, &QPushButton::clicked, this, &frmPrintShow::cmdNext_Click);
}

frmPrintShow::~frmPrintShow() = default;

void frmPrintShow::cmdBack_Click() {
    m_registry.show(QStringLiteral("frmFile"));
    hide();
}

void frmPrintShow::cmdNext_Click() {
    // Each step overwrites the one before; with neither box checked the earlier
    // choice stays.
    QLabel* choice = wizardState(m_registry).lblPS();
    if (ui->chkView->isChecked())
        choice->setText(QStringLiteral("S"));
    if (ui->chkPrint->isChecked())
        choice->setText(QStringLiteral("P"));
    if (ui->chkView->isChecked() && ui->chkPrint->isChecked())
        choice->setText(QStringLiteral("PS"));
    hide();
    m_registry.show(QStringLiteral("frmFinish"));
}

} // namespace ui
