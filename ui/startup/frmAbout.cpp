#include "ui/startup/frmAbout.h"

#include "base/AppInfo.h"
#include "platform/Dialogs.h"
#include "platform/ProgramLauncher.h"
#include "platform/WindowFlash.h"
#include "resources/Artwork.h"
#include "ui/FormRegistry.h"
#include "ui/common/WindowLook.h"
#include "ui/common/WindowTimer.h"
#include "ui_frmAbout.h"

#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <array>

namespace ui {
namespace {

// The keys are only read: asking for write rights as well would make the
// system refuse a standard user, and System Info would never find the tool.
constexpr std::uint32_t kKeyAccess = platform::kKeyRead;
constexpr std::uint32_t kValueBufferSize = 1024;

// The tool's file in the folder that the folder key names, joined with this
// system's path separator.
#ifdef Q_OS_WIN
const QString kSysInfoFile = QStringLiteral("\\MSINFO32.EXE");
#else
const QString kSysInfoFile = QStringLiteral("/MSINFO32.EXE");
#endif

} // namespace

frmAbout::frmAbout(FormRegistry& registry, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_registry(registry), m_ui(std::make_unique<Ui::frmAbout>()) {
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose); // OK unloads the box; the next About builds it anew
    setFixedSize(382, 237);
    setSizeGripEnabled(false);

    setFont(classicFont());
    m_ui->lblTitle->setFont(classicFont(12, true));
    m_ui->picIcon->setPixmap(resources::appIcon().pixmap(QSize(32, 32)));

    // The etched separator: a grey line with a white one right below it. Both
    // halves carry the one name of the pair.
    setColours(m_ui->Line1_0, QColor(), QColor(128, 128, 128));
    setColours(m_ui->Line1_1, QColor(), QColor(255, 255, 255));
    m_ui->Line1_0->setObjectName(QStringLiteral("Line1"));
    m_ui->Line1_1->setObjectName(QStringLiteral("Line1"));

    m_timer1 = new QTimer(this);
    setUpTimer(m_timer1, QStringLiteral("Timer1"), 10, this, &frmAbout::Timer1_Timer);

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(m_ui->cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load() {
    setWindowTitle(tr("About %1").arg(base::kAppTitle));
    m_ui->lblTitle->setText(base::kAppTitle);
    m_timer1->start();
}

void frmAbout::Timer1_Timer() {
    platform::flashWindow(this, true);
    // Where one flash lasts until the user turns to the window, ticking on
    // would only wake the program for nothing: wait for the window to show or
    // to lose the focus, when a new flash means something again.
    if (platform::windowFlasher().holdsUntilActivated())
        m_timer1->stop();
}

void frmAbout::resumeFlashing() {
    if (!m_timer1->isActive())
        m_timer1->start();
}

void frmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    resumeFlashing();
}

void frmAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        resumeFlashing();
}

void frmAbout::cmdOK_Click() {
    done(QDialog::Accepted);
}

void frmAbout::reject() {
    cmdOK_Click();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    QString path;
    QString value;
    if (GetKeyValue(platform::kHKeyLocalMachine, QString::fromLatin1(platform::kSysInfoPathKey),
                    QString::fromLatin1(platform::kSysInfoPathValue), value)) {
        // The full path of the tool, started as it stands.
        path = value;
    } else if (GetKeyValue(platform::kHKeyLocalMachine,
                           QString::fromLatin1(platform::kSysInfoFolderKey),
                           QString::fromLatin1(platform::kSysInfoFolderValue), value)) {
        const QString candidate = value + kSysInfoFile;
        if (QFileInfo(candidate).isFile())
            path = candidate;
    }
    if (!path.isEmpty() && platform::launchProgram(path))
        return;
    platform::messageBox(this, tr("System Information Is Unavailable At This Time"));
}

bool frmAbout::GetKeyValue(platform::RegKey KeyRoot, const QString& KeyName,
                           const QString& SubKeyRef, QString& KeyVal) {
    platform::Registry& reg = platform::registry();
    platform::RegKey hKey = 0;
    std::array<unsigned char, kValueBufferSize> tmpVal{};
    std::uint32_t KeyValSize = kValueBufferSize;
    std::uint32_t KeyValType = 0;

    auto fail = [&] {
        KeyVal.clear();
        reg.closeKey(hKey); // there may be none; closing nothing is harmless
        return false;
    };

    if (reg.openKey(KeyRoot, KeyName.toLocal8Bit(), 0, kKeyAccess, &hKey) !=
        platform::kErrorSuccess)
        return fail();
    if (reg.queryValue(hKey, SubKeyRef.toLocal8Bit(), &KeyValType, tmpVal.data(), &KeyValSize) !=
        platform::kErrorSuccess)
        return fail();

    // The bytes written, without the terminating zero of a string stored with one.
    QByteArray taken(reinterpret_cast<const char*>(tmpVal.data()),
                     qsizetype(qMin(KeyValSize, kValueBufferSize)));
    if (!taken.isEmpty() && taken.back() == '\0')
        taken.chop(1);

    switch (KeyValType) {
    case platform::kRegSz:
        KeyVal = QString::fromLocal8Bit(taken);
        break;
    case platform::kRegDword: {
        QString digits;
        for (qsizetype i = taken.size() - 1; i >= 0; --i)
            digits += QString::number(quint8(taken.at(i)), 16).toUpper();
        // The value stays in its "&h" hexadecimal notation; nobody reads it as a number.
        KeyVal = QStringLiteral("&h") + digits;
        break;
    }
    default:
        break;
    }
    reg.closeKey(hKey);
    return true;
}

} // namespace ui
