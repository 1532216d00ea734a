#include "ui/wizard/frmWizard1.h"

#include "resources/Artwork.h"
#include "ui/FormRegistry.h"
#include "ui/common/ApplicationExit.h"
#include "ui_frmWizard1.h"

namespace ui {

frmWizard1::frmWizard1(FormRegistry& registry, Wizard& wizard, QWidget* parent)
    : WizardPage(registry, wizard, parent), m_ui(std::make_unique<Ui::frmWizard1>()) {
    build(*m_ui);

    m_ui->lblTessera->setFont(resources::decorativeFont(26.25));
    setColours(m_ui->lblTessera, QColor(255, 0, 0), QColor(0, 0, 255));
    m_ui->Image1->setPixmap(resources::versionBanner(m_ui->Image1->size()));
    setColours(m_ui->lblWhich, palette().color(QPalette::HighlightedText), Qt::black);

    // The wizard's button: bold black text on a yellow face.
    QPalette yellow = m_ui->cmdWizard->palette();
    yellow.setColor(QPalette::Button, QColor(255, 255, 0));
    yellow.setColor(QPalette::ButtonText, Qt::black);
    m_ui->cmdWizard->setPalette(yellow);
    resources::applyPictureButton(m_ui->cmdAdvance, tr("Advanced"));

    connect(m_ui->cmdWizard, &QPushButton::clicked, this, &frmWizard1::cmdWizard_Click);
    connect(m_ui->cmdAdvance, &QPushButton::clicked, this, &frmWizard1::cmdAdvance_Click);
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &frmWizard1::cmdExit_Click);
}

frmWizard1::~frmWizard1() = default;

void frmWizard1::cmdWizard_Click() {
    m_wizard.start();
}

void frmWizard1::cmdAdvance_Click() {
    m_registry.show<frmMain>();
    hide();
}

void frmWizard1::cmdExit_Click() {
    ApplicationExit(m_registry);
}

void frmWizard1::closedThroughFrame() {
    // Closing the mode chooser leaves nothing to work with: end the program.
    cmdExit_Click();
}

} // namespace ui
