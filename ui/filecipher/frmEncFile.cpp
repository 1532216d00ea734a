#include "ui/filecipher/frmEncFile.h"

#include "ui/FormRegistry.h"
#include "ui/common/Command.h"
#include "ui/common/CostQuestion.h"
#include "ui/common/FileDrops.h"
#include "ui/common/FileNames.h"
#include "ui/common/FormatCaption.h"
#include "ui/common/IdentityQuestion.h"
#include "ui/common/PasswordBox.h"
#include "ui/common/SealTarget.h"
#include "ui/common/WindowLook.h"
#include "words/Describe.h"
#include "ui_frmEncFile.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <memory>
#include <utility>

namespace ui {

frmEncFile::frmEncFile(FormRegistry& registry, QWidget* parent)
    : QWidget(parent), m_registry(registry), m_ui(std::make_unique<Ui::frmEncFile>()) {
    // It reaches the Keys window only, for whom Sealed seals to and the keys
    // that open; it is unloaded through its own close.
    m_ui->setupUi(this);
    // Whom Sealed seals to, in the free strip between the buttons and the
    // copy's label; the window and the other controls keep their places.
    m_sealTarget = new SealTarget(registry, this);
    m_sealTarget->setGeometry(16, m_ui->Command1->geometry().bottom() + 1, 273,
                              m_ui->lblFileout->y() - m_ui->Command1->geometry().bottom() - 1);
    // The classic 8 point dialog face, like the main window: the labels were
    // sized for it.
    setFont(classicFont());
    // What Encrypt will write, and while it is Sealed, the password's strength.
    m_ui->meterPW->watch(m_ui->txtPW);
    formatChosen(m_ui->chkSealed->isChecked());
    connect(m_sealTarget, &SealTarget::changed, this, &frmEncFile::showSealChoice);
    // The labels' widths were measured in the old face; where this system's
    // face runs a little wider, a label grows to the right rather than cutting
    // off its last letters (a label has no background, nothing else moves).
    for (QLabel* label : findChildren<QLabel*>())
        fitText(label, Fit::Grow);
    makePasswordBox(m_ui->txtPW);
    m_ui->txtFileEnc->setText(defaultFilePath(QStringLiteral("EncryptedCopy")));
    // Closing unloads: the next use starts with the initial contents again.
    setAttribute(Qt::WA_DeleteOnClose);

    connect(m_ui->Command1, &QPushButton::clicked, this, &frmEncFile::Command1_Click);
    connect(m_ui->CmdDec, &QPushButton::clicked, this, &frmEncFile::CmdDec_Click);
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &frmEncFile::cmdBrowse_Click);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmEncFile::cmdClose_Click);
    // Close still works while a pass runs: it cancels.
    m_command = new Command(this, m_ui->pbar);
    m_command->disableWhileBusy({m_ui->txtPW, m_ui->txtFile, m_ui->cmdBrowse, m_ui->Command1,
                                 m_ui->CmdDec, m_ui->txtFileEnc, m_ui->chkSealed},
                                m_ui->cmdClose);
    connect(m_ui->chkSealed, &QCheckBox::toggled, this, &frmEncFile::formatChosen);
    m_ui->txtFile->installEventFilter(this);
    // A file dropped on the window is the input, as if chosen with Browse.
    acceptFileDrops(this, [this](const QString& path) {
        if (passRunning())
            return;
        m_ui->txtFile->setText(path);
        AppendInputExtension();
    });

    m_ui->txtPW->setFocus();
    centreOnFirstShow(this);
}

frmEncFile::~frmEncFile() {
    m_command->cancel();
}

bool frmEncFile::passRunning() const {
    return m_command->running();
}

QString frmEncFile::appendedInputExtension(const QString& input, const QString& copy) {
    const QString inputEnd = input.right(4);
    return copy.right(4) == inputEnd ? copy : copy + inputEnd;
}

void frmEncFile::AppendInputExtension() {
    m_ui->txtFileEnc->setText(
        appendedInputExtension(m_ui->txtFile->text(), m_ui->txtFileEnc->text()));
}

void frmEncFile::Command1_Click() {
    runPass(cipher::Direction::Encipher);
}

void frmEncFile::CmdDec_Click() {
    m_mayAskIdentity = true;
    runPass(cipher::Direction::Decipher);
}

void frmEncFile::cmdBrowse_Click() {
    // A cancelled dialog still hands back its name: the last one confirmed here,
    // or nothing on first use.
    m_ui->txtFile->setText(m_CommonDialog1.run(this));
    AppendInputExtension();
}

void frmEncFile::formatChosen(bool sealed) {
    m_sealTarget->setEnabled(sealed);
    showSealChoice();
}

void frmEncFile::showSealChoice() {
    const bool sealed = m_ui->chkSealed->isChecked();
    const bool toPeople = sealed && m_sealTarget->choice().toPeople;
    showFormat(m_ui->lblFormat, m_ui->Command1, m_ui->CmdDec, sealed, true,
               toPeople ? int(m_sealTarget->recipients().size()) : -1);
    m_ui->meterPW->setSealed(sealed && !toPeople);
}

bool frmEncFile::fillRecipients(cipher::PassRequest& request) {
    if (!m_ui->chkSealed->isChecked() || !m_sealTarget->choice().toPeople)
        return true;
    request.recipients = m_sealTarget->recipients();
    request.password.clear();
    if (request.recipients.isEmpty()) {
        platform::messageBox(this, noRecipientsText(), tr("Error"), platform::Icon::Stop);
        return false;
    }
    return true;
}

void frmEncFile::txtFile_LostFocus() {
    AppendInputExtension();
}

void frmEncFile::cmdClose_Click() {
    close();
}

bool frmEncFile::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->txtFile && event->type() == QEvent::FocusOut) {
        // Only the focus moving to another control counts: not another window
        // becoming active, not the box's own context menu, and not the inputs
        // being disabled at the start of a pass.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !passRunning())
            txtFile_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void frmEncFile::closeEvent(QCloseEvent* event) {
    m_command->cancel();
    QWidget::closeEvent(event);
}

void frmEncFile::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The bar lies along the bottom edge across the whole width; the other
    // controls keep their places.
    const int barHeight = m_ui->pbar->height();
    m_ui->pbar->setGeometry(0, height() - barHeight, width(), barHeight);
}

void frmEncFile::runPass(cipher::Direction direction) {
    if (passRunning())
        return;
    cipher::PassRequest request;
    request.input = m_ui->txtFile->text();
    request.output = m_ui->txtFileEnc->text();
    request.password = passwordOf(m_ui->txtPW);
    request.direction = direction;
    request.format =
        m_ui->chkSealed->isChecked() ? cipher::Format::Sealed : cipher::Format::Classic;
    if (direction == cipher::Direction::Encipher && !fillRecipients(request))
        return;
    // A file sealed to people opens with the Keys window's identities; with
    // none open, one is asked for first.
    if (direction == cipher::Direction::Decipher) {
        request.identities = openIdentities(m_registry);
        if (request.identities.isEmpty() && sealedToPeople(request.input, false)) {
            if (!askIdentityFile(this, m_registry))
                return;
            m_mayAskIdentity = false;
            request.identities = openIdentities(m_registry);
        }
    }
    // A sealed file whose key costs more than usual is opened only when asked.
    if (direction == cipher::Direction::Decipher &&
        !maySpend(this, request.input, cipher::sealedFileCost(request.input)))
        return;

    auto result = std::make_shared<cipher::PassResult>();
    Command::Run run;
    run.work = [request = std::move(request), result](base::Progress& progress) {
        *result = cipher::FileCipherPass(request, progress);
    };
    run.present = [this, result, direction] { passFinished(*result, direction); };
    run.emptyBarFirst = true;
    m_command->start(std::move(run));
}

void frmEncFile::passFinished(const cipher::PassResult& result, cipher::Direction direction) {
    // The normal pointer for the closing message; the inputs come back once
    // it has been read.
    m_command->releasePointer();

    const QPointer<frmEncFile> self(this);
    switch (result.status) {
    case cipher::PassStatus::Done:
        platform::messageBox(this, words::done());
        break;
    case cipher::PassStatus::Refused:
    case cipher::PassStatus::Failed:
        platform::messageBox(this, words::passText(result, direction, words::fileNotSealedHint()),
                             tr("Error"), platform::Icon::Stop);
        break;
    case cipher::PassStatus::Cancelled:
        break;
    }
    if (!self)
        return; // unloaded while the message was open
    m_command->release();
    emit passEnded(result.status);
    // None of the open identities fits: another is asked for, and tried once.
    if (result.sealed == cipher::SealedRefusal::NotForThisIdentity &&
        std::exchange(m_mayAskIdentity, false) && askIdentityFile(this, m_registry))
        runPass(cipher::Direction::Decipher);
}

} // namespace ui
