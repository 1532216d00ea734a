#include "ui/wizard/frmTextEnc.h"

#include "platform/Dialogs.h"
#include "resources/Artwork.h"
#include "ui/FormRegistry.h"
#include "ui_frmTextEnc.h"

#include <QPlainTextEdit>

namespace ui {

frmTextEnc::frmTextEnc(FormRegistry& registry, Wizard& wizard, QWidget* parent)
    : WizardPage(registry, wizard, parent), m_ui(std::make_unique<Ui::frmTextEnc>()) {
    build(*m_ui);

    m_ui->Image1->setPixmap(resources::textPicture(m_ui->Image1->size()));
    // No default button here: Enter makes a new line in the message.
    addNavigation(m_ui->cmdBack, m_ui->cmdNext, false, &frmTextEnc::cmdBack_Click,
                  &frmTextEnc::cmdNext_Click);
}

frmTextEnc::~frmTextEnc() = default;

void frmTextEnc::cmdBack_Click() {
    m_wizard.back(Wizard::Page::Text);
}

void frmTextEnc::cmdNext_Click() {
    // Only the empty text is refused; blanks and line breaks alone pass.
    const QString text = m_ui->txtInput->toPlainText();
    if (text.isEmpty()) {
        platform::messageBox(this, tr("You must have at least one character"));
        return;
    }
    m_wizard.textEntered(text);
}

} // namespace ui
