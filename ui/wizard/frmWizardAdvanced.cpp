#include "ui/wizard/frmWizardAdvanced.h"

#include "ui/FormRegistry.h"
#include "ui/wizard/frmCompile.h"
#include "ui_frmWizardAdvanced.h"

#include <QLabel>

namespace ui {

namespace {
const QColor kDarkBlue(0, 0, 128);
} // namespace

frmWizardAdvanced::frmWizardAdvanced(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), ui(std::make_unique<Ui::frmWizardAdvanced>()) {
    ui->setupUi(this);
    setFont(wizardFont());
    finishSetup();

    setColours(ui->lblTitle, QColor(255, 0, 0), kDarkBlue);
    setColours(ui->lblWhat, QColor(255, 0, 0), kDarkBlue);
    const QColor highlighted = palette().color(QPalette::HighlightedText);
    setColours(ui->lblPIC, highlighted);
    setColours(ui->lblJB, highlighted);
    // Neither button is the default one.
    addBackArrow(ui->cmdBack, 1);
    addNextArrow(ui->cmdNext, 4);

    // Clicked, not toggled: only the user's click on None guards the others.
    connect(ui->chkNone, &QCheckBox::clicked, this, &frmWizardAdvanced::chkNone_Click);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmWizardAdvanced::cmdBack_Click);
    connect(ui->cmdNext, &QPushButton::clicked, this, &frmWizardAdvanced::cmdNext_Click);
}

frmWizardAdvanced::~frmWizardAdvanced() = default;

void frmWizardAdvanced::chkNone_Click() {
    if (ui->chkNone->isChecked()) {
        ui->chkPIC->setChecked(false);
        ui->chkJB->setChecked(false);
        ui->chkPIC->setEnabled(false);
        ui->chkJB->setEnabled(false);
    } else {
        ui->chkPIC->setEnabled(true);
        ui->chkJB->setEnabled(true);
    }
}

void frmWizardAdvanced::cmdBack_Click() {
    // Back to the page before this one on the way to encryption.
    hide();
    m_registry.show(QStringLiteral("frmTextEnc"));
}

void frmWizardAdvanced::cmdNext_Click() {
    frmCompile& state = wizardState(m_registry);
    if (ui->chkPIC->isChecked())
        state.lblPIC()->setText(QStringLiteral("Y"));
    if (ui->chkJB->isChecked())
        state.lblJB()->setText(QStringLiteral("Y"));
    if (!ui->chkPIC->isChecked())
        state.lblPIC()->clear();
    if (!ui->chkJB->isChecked())
        state.lblJB()->clear();
    hide();
    m_registry.show(QStringLiteral("frmFinish"));
}

} // namespace ui
