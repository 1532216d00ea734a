#pragma once

// The file encryption window: enciphers or deciphers a whole file into a copy
// under a password. The pass runs as the window's Command, off the window's
// thread, so that the window keeps painting and its bar moves; while it runs
// every input of the window is disabled, and Close (or the window's close box) cancels the
// pass and closes the window, leaving no half-written copy behind.

#include "cipher/Files.h"
#include "platform/Dialogs.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace Ui {
class frmEncFile;
}

namespace ui {

class FormRegistry;
class SealTarget;
class Command;

class frmEncFile : public QWidget {
    Q_OBJECT
public:
    explicit frmEncFile(FormRegistry& registry, QWidget* parent = nullptr);
    // Cancels a running pass and waits for it to end.
    ~frmEncFile() override;

    // The copy's name kept in step with the input's: the last four characters
    // of each (the whole text when shorter) are compared exactly, and when they
    // differ the input's are appended to the copy's name. Never removes anything.
    static QString appendedInputExtension(const QString& input, const QString& copy);

    // True from the start of a pass until its closing message is dismissed.
    bool passRunning() const;

public slots:
    void Command1_Click();
    void CmdDec_Click();
    void cmdBrowse_Click();
    void txtFile_LostFocus();
    void cmdClose_Click();
    // Applies the rule above to txtFile and txtFileEnc.
    void AppendInputExtension();

signals:
    // After a pass has ended and its closing message (if any) was dismissed;
    // the window gives the user its controls back on it.
    void passEnded(cipher::PassStatus status);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Shows the format the Sealed box chose, and the meter with it.
    void formatChosen(bool sealed);
    void runPass(cipher::Direction direction);
    void passFinished(const cipher::PassResult& result, cipher::Direction direction);

    // Sealed to people: no password; nothing when nobody was chosen (said why).
    bool fillRecipients(cipher::PassRequest& request);
    void showSealChoice();

    FormRegistry& m_registry;
    std::unique_ptr<Ui::frmEncFile> m_ui;
    SealTarget* m_sealTarget = nullptr;
    // Decrypt may ask once for another identity when the open ones do not fit.
    bool m_mayAskIdentity = false;
    platform::OpenFileDialog m_CommonDialog1; // keeps the name it last returned
    // The pass: the inputs disabled but Close, which cancels; the bar.
    Command* m_command = nullptr;
};

} // namespace ui
