#include "ui/wizard/frmPW.h"

#include "platform/Dialogs.h"
#include "resources/Artwork.h"
#include "ui/FormRegistry.h"
#include "ui/common/PasswordBox.h"
#include "ui/wizard/frmCompile.h"
#include "ui_frmPW.h"

#include <QEvent>

namespace ui {

frmPW::frmPW(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), ui(std::make_unique<Ui::frmPW>()) {
    ui->setupUi(this);
    setFont(wizardFont());
    finishSetup();
    makePasswordBox(ui->txtPW);
    makePasswordBox(ui->txtPWconfirm);

    const int frame = ui->Picture1->frameWidth();
    ui->Picture1->setPixmap(
        resources::passwordPicture(ui->Picture1->size() - QSize(2 * frame, 2 * frame)));
    ui->Picture1->installEventFilter(this);
    setDefaultButton(ui->cmdNext);
    addBackArrow(ui->cmdBack, 1);
    addNextArrow(ui->cmdNext, 4);

    connect(ui->cmdBack, &QPushButton::clicked, this, &frmPW::cmdBack_Click);
    connect(ui->cmdNext, &QPushButton::clicked, this, &frmPW::cmdNext_Click);
}

frmPW::~frmPW() = default;

void frmPW::cmdBack_Click() {
    hide();
    m_registry.show(QStringLiteral("frmEncDec"));
}

void frmPW::cmdNext_Click() {
    // Compared exactly: case matters and nothing is trimmed.
    if (ui->txtPW->text() != ui->txtPWconfirm->text()) {
        platform::messageBox(this, QStringLiteral("Passwords do not match!"));
        ui->txtPW->clear();
        ui->txtPWconfirm->clear();
        // Both are typed again, from the first.
        ui->txtPW->setFocus(Qt::OtherFocusReason);
        return;
    }
    hide();
    wizardState(m_registry).txtPW()->setText(ui->txtPW->text());
    m_registry.show(QStringLiteral("frmFile"));
}

void frmPW::Picture1_DblClick() {
    platform::messageBox(this, QStringLiteral("This program was created by OrBiT"));
}

bool frmPW::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->Picture1 && event->type() == QEvent::MouseButtonDblClick) {
        Picture1_DblClick();
        return true;
    }
    return WizardPage::eventFilter(watched, event);
}

} // namespace ui
