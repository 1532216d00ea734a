#include "ui/wizard/frmCompile.h"

#include "ui/FormRegistry.h"
#include "ui/common/ApplicationExit.h"
#include "ui_frmCompile.h"

#include <QApplication>

namespace ui {

frmCompile::frmCompile(FormRegistry& registry, Wizard& wizard, QWidget* parent)
    : WizardPage(registry, wizard, parent), m_ui(std::make_unique<Ui::frmCompile>()) {
    build(*m_ui);

    // The captions above the boxes: green, in the usual text colour.
    for (QLabel* caption : {m_ui->lblPW, m_ui->lblOutput, m_ui->lblFilename})
        setColours(caption, QApplication::palette().color(QPalette::WindowText), QColor(0, 192, 0));
    setCancelButton(m_ui->cmdExit);
    m_wizard.setResultBox(m_ui->txtIn);
    showAnswers();

    connect(&m_wizard, &Wizard::changed, this, &frmCompile::showAnswers);
    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmCompile::cmdBack_Click);
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &frmCompile::cmdExit_Click);
}

frmCompile::~frmCompile() = default;

void frmCompile::showAnswers() {
    const WizardState& state = m_wizard.state();
    // The box gets a copy of its own: the wizard's secret is wiped when it goes.
    if (m_ui->txtPW->text() != state.password.text())
        m_ui->txtPW->setText(state.password.textCopy());
    if (m_ui->txtFile->text() != state.file)
        m_ui->txtFile->setText(state.file);
    if (m_ui->txtIn->toPlainText() != state.text)
        m_ui->txtIn->setPlainText(state.text);
}

void frmCompile::cmdBack_Click() {
    m_wizard.back(Wizard::Page::Result);
}

void frmCompile::cmdExit_Click() {
    ApplicationExit(m_registry);
}

void frmCompile::closedThroughFrame() {
    // Closing the result window ends the program like its Exit button.
    cmdExit_Click();
}

} // namespace ui
