#include "ui/startup/frmFlash.h"

#include "resources/Artwork.h"
#include "ui/FormRegistry.h"
#include "ui/common/WindowLook.h"
#include "ui/common/ApplicationExit.h"
#include "ui/common/WindowTimer.h"
#include "ui_frmFlash.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace ui {

frmFlash::frmFlash(FormRegistry& registry, QWidget* parent)
    : QWidget(parent), m_registry(registry), m_ui(std::make_unique<Ui::frmFlash>()),
      m_timer1(new QTimer(this)), m_timer2(new QTimer(this)), m_timer3(new QTimer(this)) {
    m_ui->setupUi(this);
    setFixedSize(size());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // Placed where the window system puts new windows, not centred.

    QPalette look = palette();
    look.setBrush(QPalette::Window, resources::introBackground(size()));
    setPalette(look);
    setAutoFillBackground(true);

    m_lblKewl = {m_ui->lblKewl_0, m_ui->lblKewl_1, m_ui->lblKewl_2, m_ui->lblKewl_3,
                 m_ui->lblKewl_4, m_ui->lblKewl_5, m_ui->lblKewl_6};
    // Each letter keeps its left edge. The places were measured for a wider
    // face than ours, so a letter narrower than the room up to the next one is
    // centred in that room rather than leaving a hole after it.
    const QFont letters = resources::decorativeFont(kLetterPointSize);
    for (int i = 0; i < m_lblKewl.size(); ++i) {
        QLabel* letter = m_lblKewl[i];
        letter->setFont(letters);
        letter->adjustSize();
        const int room = i + 1 < m_lblKewl.size() ? m_lblKewl[i + 1]->x() - letter->x() : 0;
        if (room > letter->width()) {
            letter->resize(room, letter->height());
            letter->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
    }
    setLetterColour(QColor(255, 0, 0));

    resources::applyPictureButton(m_ui->cmdStart, tr("Start"));
    resources::applyPictureButton(m_ui->cmdExit, tr("Exit"));
    connect(m_ui->cmdStart, &QPushButton::clicked, this, &frmFlash::cmdStart_Click);
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &frmFlash::cmdExit_Click);

    setUpTimer(m_timer1, QStringLiteral("Timer1"), kTimer1Interval, this, &frmFlash::Timer1_Timer);
    setUpTimer(m_timer2, QStringLiteral("Timer2"), kTimer2Interval, this, &frmFlash::Timer2_Timer);
    setUpTimer(m_timer3, QStringLiteral("Timer3"), kTimer3Interval, this, &frmFlash::Timer3_Timer);
    // Timer1 and Timer3 run from load; Timer2 waits for Timer1.
    m_timer1->start();
    m_timer3->start();

    Form_Load();
}

frmFlash::~frmFlash() = default;

void frmFlash::Form_Load() {
    // The splash window is done with once the intro is here.
    m_registry.hide<frmLoad>();
    m_registry.unload<frmLoad>();
}

void frmFlash::setLetterColour(const QColor& colour) {
    for (QLabel* letter : std::as_const(m_lblKewl))
        setColours(letter, colour);
}

void frmFlash::Timer1_Timer() {
    setLetterColour(QColor(255, 0, 0));
    m_timer2->start();
}

void frmFlash::Timer3_Timer() {
    setLetterColour(QColor(0, 0, 255));
}

void frmFlash::Timer2_Timer() {
    // The gap moves one letter to the right and wraps from the last to the first;
    // the letter it leaves is shown again.
    if (m_counter == kLetterCount)
        m_counter = 0;
    m_lblKewl[m_counter]->setVisible(false);
    m_lblKewl[m_counter == 0 ? kLetterCount - 1 : m_counter - 1]->setVisible(true);
    ++m_counter;
}

void frmFlash::cmdStart_Click() {
    m_registry.unload<frmFlash>();
    m_registry.show<frmWizard1>();
}

void frmFlash::cmdExit_Click() {
    ApplicationExit(m_registry);
}

void frmFlash::closeEvent(QCloseEvent* event) {
    // Closing the intro ends the program like its Exit button.
    event->ignore();
    cmdExit_Click();
}

} // namespace ui
