#include "ui/wizard/frmFile.h"

#include "ui/FormRegistry.h"
#include "ui/common/FileNames.h"
#include "ui/wizard/WizardController.h"
#include "ui_frmFile.h"

#include <QLabel>
#include <QLineEdit>

namespace ui {

frmFile::frmFile(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), m_ui(std::make_unique<Ui::frmFile>()) {
    m_ui->setupUi(this);
    setFont(classicFont());
    finishSetup();
    m_ui->txtFile->setText(defaultFilePath(QStringLiteral("File.txt")));

    setDefaultButton(m_ui->cmdNext);
    addBackArrow(m_ui->cmdBack, 1);
    addNextArrow(m_ui->cmdNext, 4);

    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmFile::cmdBack_Click);
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &frmFile::cmdBrowse_Click);
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmFile::cmdNext_Click);
}

frmFile::~frmFile() = default;

void frmFile::cmdBack_Click() {
    hide();
    m_registry.show<frmPW>();
}

void frmFile::cmdBrowse_Click() {
    // One dialog for a file to read and a file to create. A cancel gives back
    // the name chosen last time, if any.
    m_cdbOpen.title = QStringLiteral("Tessera File");
    m_cdbOpen.filter = everyFileFilter();
    m_cdbOpen.run(this);
    if (!m_cdbOpen.fileName().isEmpty())
        m_ui->txtFile->setText(m_cdbOpen.fileName());
}

void frmFile::cmdNext_Click() {
    hide();
    // Not checked here: a wrong name shows when the finish page uses it.
    WizardController::of(m_registry).setFile(m_ui->txtFile->text());
    showOperationPage();
}

} // namespace ui
