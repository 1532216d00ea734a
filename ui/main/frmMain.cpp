#include "ui/main/frmMain.h"

#include "base/Limits.h"
#include "cipher/Messages.h"
#include "platform/Printer.h"
#include "resources/Artwork.h"
#include "ui/AppInfo.h"
#include "ui/FormRegistry.h"
#include "ui/common/ApplicationExit.h"
#include "ui/common/CostQuestion.h"
#include "ui/common/FileDrops.h"
#include "ui/common/FileNames.h"
#include "ui/common/FormatCaption.h"
#include "ui/common/IdentityQuestion.h"
#include "ui/common/MainSettings.h"
#include "ui/common/MessageCommand.h"
#include "ui/common/PasswordBox.h"
#include "ui/common/ReplaceQuestion.h"
#include "ui/common/SealTarget.h"
#include "ui/common/WindowLook.h"
#include "ui/keys/frmKeys.h"
#include "ui/startup/WebPage.h"
#include "ui_frmMain.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <QTextDocument>
#include <initializer_list>

namespace ui {
namespace {

const QString kDefaultFile = QStringLiteral("File.txt");

// How the invisible labels show an option.
QString flagText(bool on) {
    return on ? QStringLiteral("Y") : QString();
}

} // namespace

frmMain::frmMain(FormRegistry& registry, MainSettings& settings, QWidget* parent)
    : QMainWindow(parent), m_registry(registry), m_settings(settings),
      m_ui(std::make_unique<Ui::frmMain>()) {
    m_ui->setupUi(this);
    setFont(classicFont());
    m_ui->menubar->setFont(QFont());

    // A fixed border with a minimise button and no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    centralWidget()->setFixedSize(kClientWidth, kClientHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The background picture is painted under every control of the client area.
    centralWidget()->setAttribute(Qt::WA_OpaquePaintEvent);
    centralWidget()->installEventFilter(this);
    connect(&m_settings, &MainSettings::pictureChanged, centralWidget(),
            qOverload<>(&QWidget::update));
    connect(&m_settings, &MainSettings::optionsChanged, this, &frmMain::showOptions);
    // Sealed to people counts the own keys of the Keys window, made on first use.
    connect(&m_registry, &FormRegistry::formLoaded, this, [this] {
        if (frmKeys* keys = m_registry.loaded<frmKeys>())
            connect(keys, &frmKeys::changed, this, &frmMain::showKeysChange,
                    Qt::UniqueConnection);
    });

    const struct {
        QPushButton* button;
        const char* word;
    } faces[] = {
        {m_ui->CmdEnc, QT_TR_NOOP("Encrypt")},
        {m_ui->cmdDecrypt, QT_TR_NOOP("Decrypt")},
        {m_ui->cmdClear, QT_TR_NOOP("Clear")},
        {m_ui->cmdWeb, QT_TR_NOOP("Web Page")},
        {m_ui->cmdBack, QT_TR_NOOP("Background")},
        {m_ui->cmdPrint, QT_TR_NOOP("Print")},
        {m_ui->cmdAdvanced, QT_TR_NOOP("Advanced")},
        {m_ui->cmdFileEnc, QT_TR_NOOP("File Encryption")},
        {m_ui->cmdExit, QT_TR_NOOP("Exit")},
        {m_ui->cmdBrowse, QT_TR_NOOP("Browse")},
    };
    for (const auto& face : faces) {
        resources::applyPictureButton(face.button, tr(face.word));
        face.button->setFlat(true);
        // A focused button answers Enter itself, as push buttons do on a form.
        if (face.button != m_ui->CmdEnc)
            face.button->setAutoDefault(true);
    }
    m_ui->CmdEnc->setDefault(true);

    for (QWidget* label : std::initializer_list<QWidget*>{m_ui->lblPW, m_ui->lblText, m_ui->lblCreate,
                                                          m_ui->lblFormat, m_ui->meterPW})
        setColours(label, Qt::white, Qt::black);
    makePasswordBox(m_ui->txtPW);
    // What Encrypt will write, and while it is Sealed, the password's strength.
    m_ui->meterPW->watch(m_ui->txtPW);
    showFormatChoice(options());
    // A file dropped anywhere on the window names the message file.
    acceptFileDrops(this, [this](const QString& path) { m_ui->txtFile->setText(path); });
    m_ui->txtFile->setText(defaultFilePath(kDefaultFile));
    // The Commandz frame stands behind the button column on the window's grey.
    m_ui->frame->setAutoFillBackground(true);

    // The separator of the File menu, by its name.
    for (QAction* action : m_ui->mnuFile->actions()) {
        if (action->isSeparator())
            action->setObjectName(QStringLiteral("mnuFileSep"));
    }
    // The captionless menu: present at the end of the menu bar but blank.
    m_ui->mnusecret->setTitle(QStringLiteral("   "));
    m_ui->mnusecret->menuAction()->setObjectName(QStringLiteral("mnusecret"));
    m_ui->Secret->setText(QStringLiteral(" "));

    m_command = new MessageCommand(this, m_ui->pbarEnc);
    m_ui->txtIn->installEventFilter(this);
    m_ui->cmdBrowse->installEventFilter(this);
    connectHandlers();
    m_ui->txtPW->setFocus();
    centreOnFirstShow(this);
}

frmMain::~frmMain() = default;

void frmMain::connectHandlers() {
    Ui::frmMain& f = *m_ui;
    connect(f.CmdEnc, &QPushButton::clicked, this, &frmMain::CmdEnc_Click);
    connect(f.cmdDecrypt, &QPushButton::clicked, this, &frmMain::cmdDecrypt_Click);
    connect(f.cmdBrowse, &QPushButton::clicked, this, &frmMain::cmdBrowse_Click);
    connect(f.cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    connect(f.cmdPrint, &QPushButton::clicked, this, &frmMain::cmdPrint_Click);
    connect(f.cmdWeb, &QPushButton::clicked, this, &frmMain::cmdWeb_Click);
    connect(f.cmdAdvanced, &QPushButton::clicked, this, &frmMain::cmdAdvanced_Click);
    connect(f.cmdFileEnc, &QPushButton::clicked, this, &frmMain::cmdFileEnc_Click);
    connect(f.cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(f.cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(f.txtIn, &QPlainTextEdit::textChanged, this, &frmMain::txtIn_Change);

    connect(f.mnuFileOpen, &QAction::triggered, this, &frmMain::cmdBrowse_Click);
    connect(f.mnuFileClear, &QAction::triggered, this, &frmMain::cmdClear_Click);
    connect(f.mnuFilePrint, &QAction::triggered, this, &frmMain::cmdPrint_Click);
    connect(f.mnuFileExit, &QAction::triggered, this, &frmMain::cmdExit_Click);
    connect(f.mnuTesseraEnc, &QAction::triggered, this, &frmMain::CmdEnc_Click);
    connect(f.mnuTesseraDecrypt, &QAction::triggered, this, &frmMain::cmdDecrypt_Click);
    connect(f.mnuTesseraKeys, &QAction::triggered, this, &frmMain::showForm<frmKeys>);
    connect(f.mnuViewVisit, &QAction::triggered, this, &frmMain::mnuViewVisit_Click);
    connect(f.mnuViewBack, &QAction::triggered, this, &frmMain::cmdBack_Click);
    connect(f.mnuViewGoTo, &QAction::triggered, this, &frmMain::mnuViewGoTo_Click);
    connect(f.mnuViewAbout, &QAction::triggered, this, &frmMain::mnuViewAbout_Click);
    connect(f.mnuHelpHow, &QAction::triggered, this, &frmMain::mnuHelpHow_Click);
    connect(f.Secret, &QAction::triggered, this, &frmMain::Secret_Click);
}

QPixmap frmMain::picture() const {
    return m_settings.picture();
}

void frmMain::setPicture(const QPixmap& picture) {
    m_settings.setPicture(picture);
}

void frmMain::paintClientArea(QWidget* area) {
    QPainter painter(area);
    // Where the picture does not reach, the window shows the button-text colour.
    painter.fillRect(area->rect(), palette().color(QPalette::ButtonText));
    const QPixmap picture = m_settings.picture();
    if (!picture.isNull())
        painter.drawPixmap(0, 0, picture);
}

const MessageOptions& frmMain::options() const {
    return m_settings.options();
}

void frmMain::setOptions(const MessageOptions& options) {
    m_settings.setOptions(options);
}

void frmMain::showOptions(const MessageOptions& options) {
    m_ui->lblPIC->setText(flagText(options.pic));
    m_ui->lblJB->setText(flagText(options.junkBitz));
    showFormatChoice(options);
    emit optionsChanged(options);
}

void frmMain::showFormatChoice(const MessageOptions& options) {
    // The buttons keep the tooltips of their design.
    showFormat(m_ui->lblFormat, m_ui->CmdEnc, m_ui->cmdDecrypt, options.sealed(), false,
               options.toPeople() ? int(recipientsOf(options.sealTo, m_registry).size()) : -1);
    m_ui->meterPW->setSealed(options.sealed() && !options.toPeople());
}

int frmMain::messageLength() const {
    // Every character and every line break once, and every line break once
    // more for the CR LF that stands for it in a file. Both counts are kept
    // by the document, so this costs the same however long the text is.
    const QTextDocument* document = m_ui->txtIn->document();
    return document->characterCount() - 1 + document->blockCount() - 1;
}

bool frmMain::working() const {
    return m_command->running();
}

template <class Form> void frmMain::showForm() {
    if (m_registry.isRegistered<Form>())
        m_registry.show<Form>();
}

// ---- The commands ---------------------------------------------------------

void frmMain::CmdEnc_Click() {
    cipher::EncryptRequest request;
    request.text = cipher::toMessageLineEnds(m_ui->txtIn->toPlainText());
    request.password = passwordOf(m_ui->txtPW);
    request.path = m_ui->txtFile->text();
    options().applyTo(request);
    // Sealed to people asks no password.
    if (options().toPeople()) {
        request.recipients = recipientsOf(options().sealTo, m_registry);
        request.password.clear();
        if (request.recipients.isEmpty() && !request.text.isEmpty()) {
            platform::messageBox(this, noRecipientsText(), tr("Error"), platform::Icon::Stop);
            return;
        }
    }
    // A document of the user's named in the box is replaced only when asked.
    if (m_command->running() || (!request.text.isEmpty() && !mayReplace(this, request.path)))
        return;
    m_command->encrypt(request);
}

void frmMain::showKeysChange() {
    showFormatChoice(options());
}

void frmMain::cmdDecrypt_Click() {
    decrypt(true);
}

// A message sealed to people opens with the Keys window's identities; with
// none open one is asked for first, and when none fits, once more after the
// refusal.
void frmMain::decrypt(bool mayAskIdentity) {
    cipher::DecryptRequest request;
    request.path = m_ui->txtFile->text();
    request.password = passwordOf(m_ui->txtPW);
    // With Sealed chosen, only a sealed message is opened.
    request.requireSealed = options().sealed();
    const bool toPeople = !m_command->running() && sealedToPeople(request.path, true);
    request.identities = openIdentities(m_registry);
    if (toPeople && request.identities.isEmpty()) {
        if (!askIdentityFile(this, m_registry))
            return;
        mayAskIdentity = false;
        request.identities = openIdentities(m_registry);
    }
    // A sealed message whose key costs more than usual is opened only when asked.
    if (m_command->running() ||
        !maySpend(this, request.path, cipher::sealedMessageCost(request.path)))
        return;
    // Each decrypted character is a change of txtIn, so the length watch runs
    // as the text grows.
    const QPointer<frmMain> self(this);
    m_command->decrypt(request, m_ui->txtIn, [self, toPeople, mayAskIdentity](auto result) {
        if (self && toPeople && mayAskIdentity && result == cipher::DecryptResult::NotOpened &&
            askIdentityFile(self, self->m_registry))
            self->decrypt(false);
    });
}

void frmMain::cmdBrowse_Click() {
    m_cdbOpen.title = tr("Tessera File");
    m_cdbOpen.filter = everyFileFilter();
    // A cancel leaves the dialog's last name, which goes back into txtFile.
    const QString chosen = m_cdbOpen.run(this);
    if (!chosen.isEmpty())
        m_ui->txtFile->setText(chosen);
}

void frmMain::cmdClear_Click() {
    m_ui->txtPW->setText(QString());
    m_ui->txtIn->setPlainText(QString());
    m_ui->txtFile->setText(defaultFilePath(kDefaultFile));
}

void frmMain::cmdPrint_Click() {
    m_command->busyWhile(
        [this] { platform::printWithReport(this, m_ui->txtIn->toPlainText()); });
}

void frmMain::cmdWeb_Click() {
    const platform::Answer answer = platform::messageBox(
        this, tr("You must be logged on to your ISP, would you like to continue?"),
        tr("Internet Service Provider"), platform::Icon::None, platform::Buttons::OkCancel);
    if (answer == platform::Answer::Cancel)
        return;
    // A fresh viewer on every run, beside any that are already open.
    openWebPage(m_registry, this, kAuthorWebPage);
}

void frmMain::mnuViewVisit_Click() {
    cmdWeb_Click();
}

void frmMain::txtIn_Change() {
    // A warning only: the text is neither cut nor blocked, and the message
    // comes again whenever the length is once more exactly the maximum.
    if (messageLength() == base::kMaxMessageLength) {
        platform::messageBox(this, tr("Maximum amount of Characters reached!"), tr("Maximum"),
                             platform::Icon::Stop);
    }
}

// Inside the message box Enter starts a new line; elsewhere it presses CmdEnc.
void frmMain::txtIn_GotFocus() {
    m_ui->CmdEnc->setDefault(false);
}

void frmMain::txtIn_LostFocus() {
    m_ui->CmdEnc->setDefault(true);
}

void frmMain::cmdAdvanced_Click() {
    m_registry.show<frmAdvanced>();
    hide();
}

void frmMain::cmdFileEnc_Click() {
    showForm<frmEncFile>();
}

void frmMain::cmdBack_Click() {
    showForm<frmBack>();
}

void frmMain::mnuViewAbout_Click() {
    showForm<frmAbout>();
}

void frmMain::mnuHelpHow_Click() {
    showForm<frmHelp>();
}

void frmMain::mnuViewGoTo_Click() {
    // Never hide the main window when there is no mode chooser to go to.
    if (!m_registry.isRegistered<frmWizard1>())
        return;
    hide();
    m_registry.show<frmWizard1>();
}

void frmMain::cmdExit_Click() {
    ApplicationExit(m_registry);
}

void frmMain::cmdBrowse_GotFocus() {
    m_browseFocus = true;
}

void frmMain::cmdBrowse_LostFocus() {
    m_browseFocus = false;
}

void frmMain::Secret_Click() {
    // The hidden entry opens the picture window only while Browse has the focus.
    if (m_browseFocus)
        showForm<frmSecret>();
}

// ---- Events -----------------------------------------------------------------

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Paint) {
        paintClientArea(centralWidget());
        return true;
    }
    // A menu that opens takes the focus only for as long as it is open; that
    // is no change of the focused control.
    const bool focusIn = event->type() == QEvent::FocusIn;
    const bool focusOut = event->type() == QEvent::FocusOut;
    if ((focusIn || focusOut) &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (watched == m_ui->txtIn)
            focusIn ? txtIn_GotFocus() : txtIn_LostFocus();
        else if (watched == m_ui->cmdBrowse)
            focusIn ? cmdBrowse_GotFocus() : cmdBrowse_LostFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

// Keys that no control of the window took: Enter presses the default button,
// Escape the cancel button.
void frmMain::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_ui->CmdEnc->isDefault() && m_ui->CmdEnc->isEnabled()) {
            event->accept();
            m_ui->CmdEnc->click();
            return;
        }
        break;
    case Qt::Key_Escape:
        event->accept();
        m_ui->cmdExit->click();
        return;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

// Closing the window through its frame ends the program like Exit, rather
// than leaving hidden windows running with nothing on the screen.
void frmMain::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdExit_Click();
}

} // namespace ui
