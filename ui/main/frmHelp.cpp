#include "ui/main/frmHelp.h"

#include "io/ScratchFile.h"
#include "platform/Dialogs.h"
#include "resources/Artwork.h"
#include "ui/common/WindowLook.h"
#include "ui_frmHelp.h"

#include <QApplication>

namespace ui {

frmHelp::frmHelp(FormRegistry& registry, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::frmHelp>()) {
    Q_UNUSED(registry); // this window reaches no other window
    m_ui->setupUi(this);
    setFont(classicFont(8));
    setColours(this, Qt::black, QColor(64, 64, 64));

    // The headings on yellow; the texts in the system's label colours.
    const QPalette system = QApplication::palette();
    for (QLabel* heading : {m_ui->lblEnc, m_ui->Label1}) {
        heading->setFont(classicFont(9.75, true));
        setColours(heading, Qt::black, QColor(255, 255, 0));
    }
    for (QLabel* text : {m_ui->lblHelp, m_ui->lblHelpDec, m_ui->lblKiller})
        setColours(text, system.color(QPalette::WindowText), system.color(QPalette::Window));
    for (QFrame* line : {m_ui->Line1, m_ui->Line2})
        setColours(line, Qt::black, QColor(255, 0, 0));
    // Buttons keep the system's look on the dark window.
    for (QPushButton* button : {m_ui->cmdKillEnc, m_ui->cmdClose}) {
        button->setPalette(system);
        // Enter presses the button that has the focus.
        button->setAutoDefault(true);
    }
    resources::applyPictureButton(m_ui->cmdClose, QStringLiteral("Close"));

    centreOnFirstShow(this);

    connect(m_ui->cmdKillEnc, &QPushButton::clicked, this, &frmHelp::cmdKillEnc_Click);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmHelp::cmdClose_Click);
    m_ui->cmdKillEnc->setFocus();
}

frmHelp::~frmHelp() = default;

void frmHelp::cmdKillEnc_Click() {
    // The scratch file of the message cipher; an encryption that was cut short
    // leaves it behind and the next one would read its old codes first.
    // Only a regular file of the user's own goes; a link, or anything in a
    // folder that others could have planted it in, stays.
    const QString leftover = io::ScratchFile::defaultPath();
    if (!leftover.isEmpty() && io::ScratchFile::removeLeftover(leftover))
        platform::messageBox(this, QStringLiteral("Problemz Fixed!"));
    else
        platform::messageBox(
            this, QStringLiteral("It is believed that TesseraFix could not fix the problem"));
}

void frmHelp::cmdClose_Click() {
    hide();
}

} // namespace ui
