#include "ui/wizard/frmWizardAdvanced.h"

#include "ui/FormRegistry.h"
#include "ui_frmWizardAdvanced.h"

#include <QLabel>

namespace ui {

namespace {
const QColor kDarkBlue(0, 0, 128);
} // namespace

frmWizardAdvanced::frmWizardAdvanced(FormRegistry& registry, Wizard& wizard, QWidget* parent)
    : WizardPage(registry, wizard, parent), m_ui(std::make_unique<Ui::frmWizardAdvanced>()) {
    build(*m_ui);

    setColours(m_ui->lblTitle, QColor(255, 0, 0), kDarkBlue);
    setColours(m_ui->lblWhat, QColor(255, 0, 0), kDarkBlue);
    const QColor highlighted = palette().color(QPalette::HighlightedText);
    setColours(m_ui->lblPIC, highlighted);
    setColours(m_ui->lblJB, highlighted);
    // Neither button is the default one.
    addNavigation(m_ui->cmdBack, m_ui->cmdNext, false);

    fitText(m_ui->chkSealed, Fit::Grow);

    // Clicked, not toggled: only the user's click on None guards the others.
    // Sealed greys them however it comes to be ticked.
    connect(m_ui->chkNone, &QCheckBox::clicked, this, &frmWizardAdvanced::chkNone_Click);
    connect(m_ui->chkSealed, &QCheckBox::toggled, this, &frmWizardAdvanced::chkSealed_Click);
    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmWizardAdvanced::cmdBack_Click);
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmWizardAdvanced::cmdNext_Click);
}

frmWizardAdvanced::~frmWizardAdvanced() = default;

void frmWizardAdvanced::chkNone_Click() {
    if (m_ui->chkNone->isChecked()) {
        m_ui->chkPIC->setChecked(false);
        m_ui->chkJB->setChecked(false);
    }
    enableClassicOptions();
}

void frmWizardAdvanced::chkSealed_Click() {
    enableClassicOptions();
}

// PIC and JunkBitz can be chosen unless None is. None of the three applies to
// Sealed: while it holds, all are greyed and keep their ticks for later.
void frmWizardAdvanced::enableClassicOptions() {
    const bool classic = !m_ui->chkSealed->isChecked();
    const bool open = classic && !m_ui->chkNone->isChecked();
    m_ui->chkNone->setEnabled(classic);
    m_ui->chkPIC->setEnabled(open);
    m_ui->chkJB->setEnabled(open);
}

void frmWizardAdvanced::cmdBack_Click() {
    m_wizard.back(Wizard::Page::Options);
}

void frmWizardAdvanced::cmdNext_Click() {
    // Both options are written, from the boxes as they are now.
    MessageOptions options;
    options.pic = m_ui->chkPIC->isChecked();
    options.junkBitz = m_ui->chkJB->isChecked();
    options.format = m_ui->chkSealed->isChecked() ? cipher::Format::Sealed : cipher::Format::Classic;
    m_wizard.optionsChosen(options);
}

} // namespace ui
