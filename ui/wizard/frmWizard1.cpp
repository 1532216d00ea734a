#include "ui/wizard/frmWizard1.h"

#include "resources/Artwork.h"
#include "ui/FormRegistry.h"
#include "ui/main/ApplicationExit.h"
#include "ui_frmWizard1.h"

namespace ui {

frmWizard1::frmWizard1(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), ui(std::make_unique<Ui::frmWizard1>()) {
    ui->setupUi(this);
    setFont(wizardFont());
    finishSetup();

    ui->lblTessera->setFont(resources::decorativeFont(26.25));
    setColours(ui->lblTessera, QColor(255, 0, 0), QColor(0, 0, 255));
    ui->Image1->setPixmap(resources::versionBanner(ui->Image1->size()));
    setColours(ui->lblWhich, palette().color(QPalette::HighlightedText), Qt::black);

    // The wizard's button: bold black text on a yellow face.
    QPalette yellow = ui->cmdWizard->palette();
    yellow.setColor(QPalette::Button, QColor(255, 255, 0));
    yellow.setColor(QPalette::ButtonText, Qt::black);
    ui->cmdWizard->setPalette(yellow);
    resources::applyPictureButton(ui->cmdAdvance, QStringLiteral("Advanced"));

    connect(ui->cmdWizard, &QPushButton::clicked, this, &frmWizard1::cmdWizard_Click);
    connect(ui->cmdAdvance, &QPushButton::clicked, this, &frmWizard1::cmdAdvance_Click);
    // Queued: the exit unloads this window, which must not happen while its
    // button is still handling the click.
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmWizard1::cmdExit_Click,
            Qt::QueuedConnection);
}

frmWizard1::~frmWizard1() = default;

void frmWizard1::cmdWizard_Click() {
    m_registry.show(QStringLiteral("frmEncDec"));
    hide();
}

void frmWizard1::cmdAdvance_Click() {
    m_registry.show(QStringLiteral("frmMain"));
    hide();
}

void frmWizard1::cmdExit_Click() {
    ApplicationExit(m_registry);
}

void frmWizard1::closedThroughFrame() {
    // Closing the mode chooser leaves nothing to work with: end the program,
    // after the close itself has finished.
    QMetaObject::invokeMethod(this, &frmWizard1::cmdExit_Click, Qt::QueuedConnection);
}

} // namespace ui
