#include "ui/wizard/frmCompile.h"

#include "ui/FormRegistry.h"
#include "ui/WindowCipherHost.h"
#include "ui/main/ApplicationExit.h"
#include "ui_frmCompile.h"

#include <QApplication>

namespace ui {

frmCompile::frmCompile(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), ui(std::make_unique<Ui::frmCompile>()) {
    ui->setupUi(this);
    setFont(wizardFont());
    finishSetup();

    // The captions above the boxes: green, in the usual text colour.
    for (QLabel* caption : {ui->lblPW, ui->lblOutput, ui->lblFilename})
        setColours(caption, QApplication::palette().color(QPalette::WindowText), QColor(0, 192, 0));
    setCancelButton(ui->cmdExit);
    // A wizard decryption fills txtIn one character at a time.
    prepareOutputBox(ui->txtIn);

    connect(ui->cmdBack, &QPushButton::clicked, this, &frmCompile::cmdBack_Click);
    // Queued: the exit unloads this window, which must not happen while its
    // button is still handling the click.
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmCompile::cmdExit_Click,
            Qt::QueuedConnection);
}

frmCompile::~frmCompile() = default;

QLabel* frmCompile::lblType() const {
    return ui->lblType;
}
QLineEdit* frmCompile::txtPW() const {
    return ui->txtPW;
}
QLineEdit* frmCompile::txtFile() const {
    return ui->txtFile;
}
QPlainTextEdit* frmCompile::txtIn() const {
    return ui->txtIn;
}
QLabel* frmCompile::lblPIC() const {
    return ui->lblPIC;
}
QLabel* frmCompile::lblJB() const {
    return ui->lblJB;
}
QLabel* frmCompile::lblPS() const {
    return ui->lblPS;
}

void frmCompile::cmdBack_Click() {
    hide();
    m_registry.show(QStringLiteral("frmWizard1"));
}

void frmCompile::cmdExit_Click() {
    ApplicationExit(m_registry);
}

void frmCompile::closedThroughFrame() {
    // Closing the result window ends the program like its Exit button; later,
    // so that the window is not destroyed inside its own close.
    QMetaObject::invokeMethod(this, &frmCompile::cmdExit_Click, Qt::QueuedConnection);
}

frmCompile& wizardState(FormRegistry& registry) {
    return *registry.form<frmCompile>(QStringLiteral("frmCompile"));
}

} // namespace ui
