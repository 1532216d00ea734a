#include "ui/filecipher/frmEncFile.h"

#include "ui/FormRegistry.h"
#include "ui/common/FileNames.h"
#include "ui/common/PasswordBox.h"
#include "ui/common/WindowLook.h"
#include "ui_frmEncFile.h"

#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QFocusEvent>
#include <QLabel>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <climits>
#include <utility>

namespace ui {

namespace {

// How long closing the window waits for a cancelled pass. Every wait of the
// pass looks at the cancel several times a second, so it normally ends at
// once; should the system itself never answer (a device that hangs), the
// window goes anyway and the pass ends on its own.
constexpr int kCancelWaitMs = 2000;

} // namespace

// Runs one pass on its own thread and is the pass's host: cancellation is a
// flag the pass polls, and progress leaves as signals, queued to the window,
// so that a pass that outlives its window has nobody to call.
class FilePassThread final : public QThread, public filecipher::PassHost {
    Q_OBJECT
public:
    explicit FilePassThread(filecipher::PassRequest request) : m_request(std::move(request)) {}

    void cancel() { m_cancel.store(true); }
    filecipher::PassResult result() const { return m_result; }

    bool cancelRequested() const override { return m_cancel.load(); }

    void setRange(qint64 n) override { emit rangeSet(n); }

    void setPosition(qint64 done) override {
        m_position.store(done);
        // One update at a time on its way; it carries the latest position.
        if (!m_pending.exchange(true))
            emit positionMoved();
    }

    // The window takes the latest position when the update arrives.
    qint64 takePosition() {
        m_pending.store(false);
        return m_position.load();
    }

signals:
    void rangeSet(qint64 n);
    void positionMoved();

protected:
    void run() override { m_result = filecipher::FileCipherPass(m_request, *this); }

private:
    const filecipher::PassRequest m_request;
    std::atomic<qint64> m_position{0};
    std::atomic<bool> m_pending{false};
    std::atomic<bool> m_cancel{false};
    filecipher::PassResult m_result;
};

frmEncFile::frmEncFile(FormRegistry& registry, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::frmEncFile>()) {
    // This window reaches no other window; it is unloaded through its own close.
    Q_UNUSED(registry);
    m_ui->setupUi(this);
    // The classic 8 point dialog face, like the main window: the labels were
    // sized for it.
    setFont(classicFont());
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
    m_ui->txtFile->installEventFilter(this);

    m_ui->txtPW->setFocus();
    centreOnFirstShow(this);
}

frmEncFile::~frmEncFile() {
    cancelPass();
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
    runPass(filecipher::Direction::Encipher);
}

void frmEncFile::CmdDec_Click() {
    runPass(filecipher::Direction::Decipher);
}

void frmEncFile::cmdBrowse_Click() {
    // A cancelled dialog still hands back its name: the last one confirmed here,
    // or nothing on first use.
    m_ui->txtFile->setText(m_CommonDialog1.run(this));
    AppendInputExtension();
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
    cancelPass();
    QWidget::closeEvent(event);
}

void frmEncFile::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The bar lies along the bottom edge across the whole width; the other
    // controls keep their places.
    const int barHeight = m_ui->pbar->height();
    m_ui->pbar->setGeometry(0, height() - barHeight, width(), barHeight);
}

void frmEncFile::runPass(filecipher::Direction direction) {
    if (m_pass)
        return;
    filecipher::PassRequest request;
    request.input = m_ui->txtFile->text();
    request.output = m_ui->txtFileEnc->text();
    request.password = m_ui->txtPW->text();
    request.direction = direction;
    request.format =
        m_ui->chkSealed->isChecked() ? cipher::Format::Sealed : cipher::Format::Classic;

    m_pass = new FilePassThread(std::move(request));
    connect(m_pass, &FilePassThread::rangeSet, this, &frmEncFile::setProgressRange);
    // An update may still be queued when a cancelled pass is gone: compared,
    // never touched, unless it is the pass that runs.
    connect(m_pass, &FilePassThread::positionMoved, this, [this, thread = m_pass] {
        if (m_pass == thread)
            setProgressPosition(thread->takePosition());
    });
    connect(m_pass, &QThread::finished, this, [this, thread = m_pass] {
        if (m_pass == thread)
            passFinished();
    });

    m_focusBeforePass = focusWidget();
    // Disabling the focused control would pass the focus on to Close, where a
    // stray key press would cancel the pass; leave no control focused instead.
    if (m_focusBeforePass && m_focusBeforePass != m_ui->cmdClose)
        m_focusBeforePass->clearFocus();
    setInputsEnabled(false);
    setCursor(Qt::WaitCursor);
    m_ui->cmdClose->setCursor(Qt::ArrowCursor); // Close still works: it cancels
    m_pass->start();
}

void frmEncFile::setInputsEnabled(bool enabled) {
    for (QWidget* input :
         {static_cast<QWidget*>(m_ui->txtPW), static_cast<QWidget*>(m_ui->txtFile),
          static_cast<QWidget*>(m_ui->cmdBrowse), static_cast<QWidget*>(m_ui->Command1),
          static_cast<QWidget*>(m_ui->CmdDec), static_cast<QWidget*>(m_ui->txtFileEnc),
          static_cast<QWidget*>(m_ui->chkSealed)})
        input->setEnabled(enabled);
}

void frmEncFile::setProgressRange(qint64 n) {
    m_progressShift = 0;
    while ((n >> m_progressShift) > INT_MAX)
        ++m_progressShift;
    m_ui->pbar->setRange(0, static_cast<int>(n >> m_progressShift));
}

void frmEncFile::setProgressPosition(qint64 done) {
    m_ui->pbar->setValue(static_cast<int>(done >> m_progressShift));
}

void frmEncFile::passFinished() {
    FilePassThread* thread = std::exchange(m_pass, nullptr);
    thread->wait();
    const filecipher::PassResult result = thread->result();
    delete thread;

    m_ui->pbar->setValue(0);
    m_ui->cmdClose->unsetCursor();
    unsetCursor();

    const QPointer<frmEncFile> self(this);
    switch (result.status) {
    case filecipher::PassStatus::Done:
        platform::messageBox(this, filecipher::kDone);
        break;
    case filecipher::PassStatus::Refused:
    case filecipher::PassStatus::Failed:
        platform::messageBox(this, result.message, QStringLiteral("Error"), platform::Icon::Stop);
        break;
    case filecipher::PassStatus::Cancelled:
        break;
    }
    if (!self)
        return; // unloaded while the message was open

    setInputsEnabled(true);
    if (m_focusBeforePass && m_focusBeforePass->isEnabled())
        m_focusBeforePass->setFocus(Qt::OtherFocusReason);
    emit passEnded(result.status);
}

void frmEncFile::cancelPass() {
    FilePassThread* thread = std::exchange(m_pass, nullptr);
    if (!thread)
        return;
    thread->cancel();
    if (thread->wait(QDeadlineTimer(kCancelWaitMs))) {
        delete thread;
    } else {
        // Left to end by itself; it reaches this window only through queued
        // signals, which go with the window.
        thread->disconnect(this);
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    }
    m_ui->pbar->setValue(0);
}

} // namespace ui

#include "frmEncFile.moc"
