#include "ui/wizard/frmCompile.h"

#include "ui/FormRegistry.h"
#include "ui/common/WindowCipherHost.h"
#include "ui/main/ApplicationExit.h"
#include "ui_frmCompile.h"

#include <QApplication>

namespace ui {

frmCompile::frmCompile(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), m_ui(std::make_unique<Ui::frmCompile>()) {
    m_ui->setupUi(this);
    setFont(classicFont());
    finishSetup();

    // The captions above the boxes: green, in the usual text colour.
    for (QLabel* caption : {m_ui->lblPW, m_ui->lblOutput, m_ui->lblFilename})
        setColours(caption, QApplication::palette().color(QPalette::WindowText), QColor(0, 192, 0));
    setCancelButton(m_ui->cmdExit);
    // A wizard decryption fills txtIn one character at a time.
    prepareOutputBox(m_ui->txtIn);

    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmCompile::cmdBack_Click);
    // Queued: the exit unloads this window, which must not happen while its
    // button is still handling the click.
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &frmCompile::cmdExit_Click,
            Qt::QueuedConnection);
}

frmCompile::~frmCompile() = default;

QLabel* frmCompile::lblType() const {
    return m_ui->lblType;
}
QLineEdit* frmCompile::txtPW() const {
    return m_ui->txtPW;
}
QLineEdit* frmCompile::txtFile() const {
    return m_ui->txtFile;
}
QPlainTextEdit* frmCompile::txtIn() const {
    return m_ui->txtIn;
}
QLabel* frmCompile::lblPIC() const {
    return m_ui->lblPIC;
}
QLabel* frmCompile::lblJB() const {
    return m_ui->lblJB;
}
QLabel* frmCompile::lblPS() const {
    return m_ui->lblPS;
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
