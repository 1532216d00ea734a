#include "ui/wizard/frmFile.h"

#include "ui/FormRegistry.h"
#include "ui/common/FileDrops.h"
#include "ui/common/FileNames.h"
#include "ui_frmFile.h"

#include <QLabel>
#include <QLineEdit>

namespace ui {

frmFile::frmFile(FormRegistry& registry, Wizard& wizard, QWidget* parent)
    : WizardPage(registry, wizard, parent), m_ui(std::make_unique<Ui::frmFile>()) {
    build(*m_ui);
    m_ui->txtFile->setText(defaultFilePath(QStringLiteral("File.txt")));

    addNavigation(m_ui->cmdBack, m_ui->cmdNext, true, &frmFile::cmdBack_Click,
                  &frmFile::cmdNext_Click);
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &frmFile::cmdBrowse_Click);
    // A file dropped on the page fills the box, as Browse would.
    acceptFileDrops(this, [this](const QString& path) { m_ui->txtFile->setText(path); });
}

frmFile::~frmFile() = default;

void frmFile::cmdBack_Click() {
    m_wizard.back(Wizard::Page::File);
}

void frmFile::cmdBrowse_Click() {
    // One dialog for a file to read and a file to create. A cancel gives back
    // the name chosen last time, if any.
    m_cdbOpen.title = tr("Tessera File");
    m_cdbOpen.filter = everyFileFilter();
    m_cdbOpen.run(this);
    if (!m_cdbOpen.fileName().isEmpty())
        m_ui->txtFile->setText(m_cdbOpen.fileName());
}

void frmFile::cmdNext_Click() {
    // Not checked here: a wrong name shows when the finish page uses it.
    m_wizard.fileEntered(m_ui->txtFile->text());
}

} // namespace ui
