#include "ui/wizard/frmPW.h"

#include "platform/Dialogs.h"
#include "resources/Artwork.h"
#include "ui/FormRegistry.h"
#include "ui/common/PasswordBox.h"
#include "ui/common/PasswordMeter.h"
#include "ui/wizard/Wizard.h"
#include "ui_frmPW.h"

#include <QEvent>

namespace ui {

frmPW::frmPW(FormRegistry& registry, Wizard& wizard, QWidget* parent)
    : WizardPage(registry, wizard, parent), m_ui(std::make_unique<Ui::frmPW>()) {
    build(*m_ui);
    makePasswordBox(m_ui->txtPW);
    makePasswordBox(m_ui->txtPWconfirm);

    const int frame = m_ui->Picture1->frameWidth();
    m_ui->Picture1->setPixmap(
        resources::passwordPicture(m_ui->Picture1->size() - QSize(2 * frame, 2 * frame)));
    m_ui->Picture1->installEventFilter(this);
    addNavigation(m_ui->cmdBack, m_ui->cmdNext, true);

    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmPW::cmdBack_Click);
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmPW::cmdNext_Click);
    // The strength of the password, while the wizard's options say Sealed.
    m_ui->meterPW->watch(m_ui->txtPW);
    const auto follow = [this] { m_ui->meterPW->setSealed(m_wizard.state().options.sealed()); };
    connect(&m_wizard, &Wizard::changed, this, follow);
    follow();
}

frmPW::~frmPW() = default;

void frmPW::cmdBack_Click() {
    m_wizard.back(Wizard::Page::Password);
}

void frmPW::cmdNext_Click() {
    // Compared exactly: case matters and nothing is trimmed.
    if (m_ui->txtPW->text() != m_ui->txtPWconfirm->text()) {
        platform::messageBox(this, tr("Passwords do not match!"));
        m_ui->txtPW->clear();
        m_ui->txtPWconfirm->clear();
        // Both are typed again, from the first.
        m_ui->txtPW->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_wizard.passwordEntered(passwordOf(m_ui->txtPW));
}

void frmPW::Picture1_DblClick() {
    platform::messageBox(this, tr("This program was created by OrBiT"));
}

bool frmPW::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->Picture1 && event->type() == QEvent::MouseButtonDblClick) {
        Picture1_DblClick();
        return true;
    }
    return WizardPage::eventFilter(watched, event);
}

} // namespace ui
