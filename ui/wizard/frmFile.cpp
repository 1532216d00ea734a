#include "ui/wizard/frmFile.h"

#include "ui/FormRegistry.h"
#include "ui/common/FileNames.h"
#include "ui/wizard/frmCompile.h"
#include "ui_frmFile.h"

#include <QLabel>
#include <QLineEdit>

namespace ui {

frmFile::frmFile(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), ui(std::make_unique<Ui::frmFile>()) {
    ui->setupUi(this);
    setFont(wizardFont());
    finishSetup();
    ui->txtFile->setText(defaultFilePath(QStringLiteral("File.txt")));

    setDefaultButton(ui->cmdNext);
    addBackArrow(ui->cmdBack, 1);
    addNextArrow(ui->cmdNext, 4);

    connect(ui->cmdBack, &QPushButton::clicked, this, &frmFile::cmdBack_Click);
    connect(ui->cmdBrowse, &QPushButton::clicked, this, &frmFile::cmdBrowse_Click);
    connect(ui->cmdNext, &QPushButton::clicked, this, &frmFile::cmdNext_Click);
}

frmFile::~frmFile() = default;

void frmFile::cmdBack_Click() {
    hide();
    m_registry.show(QStringLiteral("frmPW"));
}

void frmFile::cmdBrowse_Click() {
    // One dialog for a file to read and a file to create. A cancel gives back
    // the name chosen last time, if any.
    cdbOpen.title = QStringLiteral("Tessera File");
    cdbOpen.filter = everyFileFilter();
    cdbOpen.run(this);
    if (!cdbOpen.fileName().isEmpty())
        ui->txtFile->setText(cdbOpen.fileName());
}

void frmFile::cmdNext_Click() {
    hide();
    // Not checked here: a wrong name shows when the finish page uses it.
    frmCompile& state = wizardState(m_registry);
    state.txtFile()->setText(ui->txtFile->text());
    if (state.lblType()->text() == QLatin1String("EN"))
        m_registry.show(QStringLiteral("frmTextEnc"));
    if (state.lblType()->text() == QLatin1String("DE"))
        m_registry.show(QStringLiteral("frmPrintShow"));
}

} // namespace ui
