#include "ui/main/frmSecret.h"

#include "resources/Artwork.h"
#include "ui/common/WindowLook.h"
#include "ui_frmSecret.h"

namespace ui {

frmSecret::frmSecret(FormRegistry& registry, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::frmSecret>()) {
    Q_UNUSED(registry); // this window reaches no other window
    m_ui->setupUi(this);
    setFixedSize(size());
    m_ui->picSecret->setPixmap(resources::secretPicture(m_ui->picSecret->size()));
    resources::applyPictureButton(m_ui->cmdExit, tr("Exit"));
    centreOnFirstShow(this);
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &frmSecret::cmdExit_Click);
    m_ui->cmdExit->setFocus();
}

frmSecret::~frmSecret() = default;

// Only this window goes; the rest of the program runs on.
void frmSecret::cmdExit_Click() {
    hide();
}

} // namespace ui
