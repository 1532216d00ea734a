#include "ui/main/frmBack.h"

#include "ui/FormRegistry.h"
#include "ui/common/FileNames.h"
#include "ui/common/MainSettings.h"
#include "ui/common/WindowLook.h"
#include "ui_frmBack.h"

#include <QImageReader>
#include <QPixmap>

namespace ui {

frmBack::frmBack(FormRegistry& registry, MainSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings), m_ui(std::make_unique<Ui::frmBack>()) {
    // This window reaches no other window: it sets the main window's picture.
    Q_UNUSED(registry);
    m_ui->setupUi(this);
    setFont(classicFont());
    setFixedSize(199, 148);
    m_ui->txtFile->setText(defaultFilePath(QStringLiteral("Picture.bmp")));
    centreOnFirstShow(this);

    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &frmBack::cmdBrowse_Click);
    connect(m_ui->cmdLoad, &QPushButton::clicked, this, &frmBack::cmdLoad_Click);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &frmBack::cmdCancel_Click);
    m_ui->cmdBrowse->setFocus();
}

frmBack::~frmBack() = default;

void frmBack::cmdBrowse_Click() {
    m_cdbOpen.title = tr("Tessera Background");
    m_cdbOpen.filter = tr("Bitmaps (*.bmp)");
    // The dialog answers with the name it last returned when cancelled, so an
    // earlier choice comes back into the box.
    const QString chosen = m_cdbOpen.run(this);
    if (!chosen.isEmpty())
        m_ui->txtFile->setText(chosen);
}

void frmBack::cmdLoad_Click() {
    const QString name = m_ui->txtFile->text();
    if (name.isEmpty()) {
        // No name: the main window goes back to its plain background colour.
        m_settings.setPicture(QPixmap());
        return;
    }
    // Any format the image reader knows, whatever the name's extension says.
    QImageReader reader(name);
    const QImage image = reader.read();
    if (image.isNull()) {
        platform::messageBox(this, tr("The file you selected could not be found!"), tr("Error"),
                             platform::Icon::Stop);
        return;
    }
    m_settings.setPicture(QPixmap::fromImage(image));
}

void frmBack::cmdCancel_Click() {
    hide();
}

} // namespace ui
