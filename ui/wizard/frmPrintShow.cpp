#include "ui/wizard/frmPrintShow.h"

#include "ui/FormRegistry.h"
#include "ui/wizard/frmCompile.h"
#include "ui_frmPrintShow.h"

#include <QLabel>

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
    m_registry.show(QStringLiteral("frmFile"));
    hide();
}

void frmPrintShow::cmdNext_Click() {
    // Each step overwrites the one before; with neither box checked the earlier
    // choice stays.
    QLabel* choice = wizardState(m_registry).lblPS();
    if (m_ui->chkView->isChecked())
        choice->setText(QStringLiteral("S"));
    if (m_ui->chkPrint->isChecked())
        choice->setText(QStringLiteral("P"));
    if (m_ui->chkView->isChecked() && m_ui->chkPrint->isChecked())
        choice->setText(QStringLiteral("PS"));
    hide();
    m_registry.show(QStringLiteral("frmFinish"));
}

} // namespace ui
