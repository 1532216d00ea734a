#include "ui/main/frmAdvanced.h"

#include "resources/Artwork.h"
#include "ui/FormRegistry.h"
#include "ui/common/MainSettings.h"
#include "ui/common/SealTarget.h"
#include "ui/common/WindowLook.h"
#include "ui_frmAdvanced.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>

namespace ui {
namespace {

const QColor kRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 128);

void paint(QWidget* widget, const QColor& text, const QColor& ground, const QFont& font) {
    setColours(widget, text, ground);
    widget->setFont(font);
}

} // namespace

frmAdvanced::frmAdvanced(FormRegistry& registry, MainSettings& settings, QWidget* parent)
    : QWidget(parent), m_registry(registry), m_settings(settings),
      m_ui(std::make_unique<Ui::frmAdvanced>()) {
    m_ui->setupUi(this);
    // A sizable border without a maximise button; the controls keep their places.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    // Black ground, the window-text colour.
    const QFont font = classicFont();
    paint(this, Qt::white, palette().color(QPalette::WindowText), font);

    const QColor black(Qt::black);
    paint(m_ui->lblTitle, kRed, kDarkBlue, classicFont(18));
    paint(m_ui->lblWhat, kRed, kDarkBlue, classicFont(18));
    paint(m_ui->lblPIC, Qt::white, black, classicFont(13.5));
    paint(m_ui->lblJB, Qt::white, black, classicFont(13.5));
    paint(m_ui->lblPICabout, Qt::white, black, font);
    paint(m_ui->lblJBabout, Qt::white, black, font);
    paint(m_ui->chkPIC, Qt::white, black, classicFont(18));
    paint(m_ui->chkJB, Qt::white, black, classicFont(18));
    paint(m_ui->chkSealed, Qt::white, black, classicFont(18));
    for (QLabel* label : {m_ui->lblTitle, m_ui->lblWhat, m_ui->lblPIC, m_ui->lblJB,
                          m_ui->lblPICabout, m_ui->lblJBabout})
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The places are the design's; where this system's face needs more room
    // than the classic one had, a control grows to the right or downwards so
    // that its whole text shows (the long labels and the JunkBitz box).
    for (QLabel* label : {m_ui->lblPICabout, m_ui->lblJBabout})
        fitText(label, Fit::Grow);
    for (QCheckBox* box : {m_ui->chkPIC, m_ui->chkJB, m_ui->chkSealed}) {
        // A tick box in proportion to the large caption.
        box->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 18px; height: 18px; }"));
        fitText(box, Fit::Grow);
    }

    resources::applyPictureButton(m_ui->cmdClose, tr("Close"));
    m_ui->cmdClose->setFlat(true);
    m_ui->cmdClose->setAutoDefault(true);

    // Whom Sealed seals to, in the free row below Close, under the Sealed box.
    m_sealTarget = new SealTarget(registry, this);
    m_sealTarget->setGeometry(m_ui->chkSealed->x(), m_ui->cmdClose->geometry().bottom() + 11,
                              m_ui->chkSealed->width(), 25);
    chkSealed_Click();

    connect(m_ui->chkSealed, &QCheckBox::toggled, this, &frmAdvanced::chkSealed_Click);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmAdvanced::cmdClose_Click);
    m_ui->cmdClose->setFocus();
    centreOnFirstShow(this);
}

frmAdvanced::~frmAdvanced() = default;

void frmAdvanced::cmdClose_Click() {
    // Both options are written on every Close, from the boxes as they are now.
    MessageOptions options;
    options.pic = m_ui->chkPIC->isChecked();
    options.junkBitz = m_ui->chkJB->isChecked();
    options.format = m_ui->chkSealed->isChecked() ? cipher::Format::Sealed : cipher::Format::Classic;
    options.sealTo = m_sealTarget->choice();
    m_settings.setOptions(options);
    hide();
    m_registry.show<frmMain>();
}

// PIC and JunkBitz belong to the classic format: while Sealed is chosen they
// do not apply, and say so by being disabled (their ticks stay for later).
void frmAdvanced::chkSealed_Click() {
    const bool classic = !m_ui->chkSealed->isChecked();
    m_ui->chkPIC->setEnabled(classic);
    m_ui->chkJB->setEnabled(classic);
    m_sealTarget->setEnabled(!classic);
}

// The frame's close control does what Close does; the window stays loaded.
void frmAdvanced::closeEvent(QCloseEvent* event) {
    event->accept();
    cmdClose_Click();
}

} // namespace ui
