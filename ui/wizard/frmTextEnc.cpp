#include "ui/wizard/frmTextEnc.h"

#include "platform/Dialogs.h"
#include "resources/Artwork.h"
#include "ui/FormRegistry.h"
#include "ui/wizard/WizardController.h"
#include "ui_frmTextEnc.h"

#include <QPlainTextEdit>

namespace ui {

frmTextEnc::frmTextEnc(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), m_ui(std::make_unique<Ui::frmTextEnc>()) {
    m_ui->setupUi(this);
    setFont(classicFont());
    finishSetup();

    m_ui->Image1->setPixmap(resources::textPicture(m_ui->Image1->size()));
    // No default button here: Enter makes a new line in the message.
    addBackArrow(m_ui->cmdBack, 1);
    addNextArrow(m_ui->cmdNext, 4);

    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmTextEnc::cmdBack_Click);
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmTextEnc::cmdNext_Click);
}

frmTextEnc::~frmTextEnc() = default;

void frmTextEnc::cmdBack_Click() {
    m_registry.show<frmFile>();
    hide();
}

void frmTextEnc::cmdNext_Click() {
    // Only the empty text is refused; blanks and line breaks alone pass.
    const QString text = m_ui->txtInput->toPlainText();
    if (text.isEmpty()) {
        platform::messageBox(this, QStringLiteral("You must have at least one character"));
        return;
    }
    hide();
    WizardController::of(m_registry).setText(text);
    m_registry.show<frmWizardAdvanced>();
}

} // namespace ui
