#include "ui/wizard/frmEncDec.h"

#include "resources/Artwork.h"
#include "ui/FormRegistry.h"
#include "ui_frmEncDec.h"

#include <QLabel>

namespace ui {

frmEncDec::frmEncDec(FormRegistry& registry, Wizard& wizard, QWidget* parent)
    : WizardPage(registry, wizard, parent), m_ui(std::make_unique<Ui::frmEncDec>()) {
    build(*m_ui);

    setColours(m_ui->lblWhat, QColor(255, 0, 0));
    resources::applyPictureButton(m_ui->cmdChoseEnc, tr("Encrypt"));
    resources::applyPictureButton(m_ui->cmdChoseDec, tr("Decrypt"));
    // The line that parts the two columns.
    addLine(QStringLiteral("Line1"), QLine(2760, 480, 2760, 2040), Qt::white);

    connect(m_ui->cmdChoseEnc, &QPushButton::clicked, this, &frmEncDec::cmdChoseEnc_Click);
    connect(m_ui->cmdChoseDec, &QPushButton::clicked, this, &frmEncDec::cmdChoseDec_Click);
}

frmEncDec::~frmEncDec() = default;

void frmEncDec::cmdChoseEnc_Click() {
    m_wizard.operationChosen(WizardState::Operation::Encrypt);
}

void frmEncDec::cmdChoseDec_Click() {
    m_wizard.operationChosen(WizardState::Operation::Decrypt);
}

} // namespace ui
