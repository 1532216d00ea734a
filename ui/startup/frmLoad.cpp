#include "ui/startup/frmLoad.h"

#include "ui/FormRegistry.h"
#include "ui/common/WindowLook.h"
#include "ui/common/ApplicationExit.h"
#include "ui/common/WindowTimer.h"
#include "ui_frmLoad.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QTimer>

namespace ui {

frmLoad::frmLoad(FormRegistry& registry, QWidget* parent)
    : QWidget(parent), m_registry(registry), m_ui(std::make_unique<Ui::frmLoad>()),
      m_tmdKewl(new QTimer(this)), m_tmrLook(new QTimer(this)) {
    m_ui->setupUi(this);
    setFont(classicFont());
    setFixedSize(size());
    // A small tool window: a title and a close box, no minimise or maximise,
    // and no place in the taskbar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    centreOnFirstShow(this);

    // Both timers run from the moment the window loads.
    setUpTimer(m_tmdKewl, QStringLiteral("tmdKewl"), kKewlInterval, this, &frmLoad::tmdKewl_Timer);
    setUpTimer(m_tmrLook, QStringLiteral("tmrLook"), kLookInterval, this, &frmLoad::tmrLook_Timer);
    m_tmdKewl->start();
    m_tmrLook->start();
}

frmLoad::~frmLoad() = default;

QProgressBar* frmLoad::pbKewl() const {
    return m_ui->pbKewl;
}

void frmLoad::tmdKewl_Timer() {
    // 1, 2, 3, 4, then empty again.
    m_ui->pbKewl->setValue(m_ui->pbKewl->value() + 1);
    if (m_ui->pbKewl->value() == 5)
        m_ui->pbKewl->setValue(0);
}

void frmLoad::tmrLook_Timer() {
    // The intro window unloads this one as it loads; the timer must never
    // fire again all the same, in case the splash window stays.
    m_registry.show<frmFlash>();
    m_tmrLook->stop();
}

void frmLoad::closeEvent(QCloseEvent* event) {
    // Closed through its frame before the intro came: the show is over and no
    // other window would appear, so the program ends.
    event->ignore();
    ApplicationExit(m_registry);
}

} // namespace ui
