#pragma once

// The main window of the advanced mode: the password, the message and the
// message file's name, with a picture button (and mostly a menu entry) for
// every command. It keeps the message options that its Encrypt command uses,
// which the options window sets (the invisible labels lblPIC and lblJB show
// them, "Y" = on), and its background picture, which the background window
// replaces.
//
// A QMainWindow has no default or cancel button of its own: Enter outside the
// message box presses CmdEnc while it is the default button, and Escape runs
// the application exit, both handled here.

#include "platform/Dialogs.h"
#include "ui/common/MessageOptions.h"

#include <QMainWindow>
#include <QPixmap>
#include <memory>

namespace Ui {
class frmMain;
}

namespace ui {

class FormRegistry;
class MainSettings;
class MessageCommand;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(FormRegistry& registry, MainSettings& settings, QWidget* parent = nullptr);
    ~frmMain() override;

    // The background picture, drawn unscaled from the client area's top-left
    // corner; a null pixmap leaves the plain background colour. The
    // background window sets it.
    QPixmap picture() const;
    void setPicture(const QPixmap& picture);

    // The options of every encryption from this window; all off at first. The
    // options window sets them.
    const MessageOptions& options() const;
    void setOptions(const MessageOptions& options);

    // The message's length as a message file holds it: a line break counts two.
    int messageLength() const;

    // True while an encryption or a decryption of this window works.
    bool working() const;

    // Set while cmdBrowse holds the focus; read by the hidden menu entry.
    bool browseHasFocus() const { return m_browseFocus; }

    // The client area's size: the fixed controls are placed inside it.
    static constexpr int kClientWidth = 438;
    static constexpr int kClientHeight = 505;

public slots:
    void CmdEnc_Click();
    void cmdDecrypt_Click();
    void cmdBrowse_Click();
    void cmdClear_Click();
    void cmdPrint_Click();
    void cmdWeb_Click();
    void mnuViewVisit_Click();
    void txtIn_Change();
    void txtIn_GotFocus();
    void txtIn_LostFocus();
    void cmdAdvanced_Click();
    void cmdFileEnc_Click();
    void cmdBack_Click();
    void mnuViewAbout_Click();
    void mnuHelpHow_Click();
    void mnuViewGoTo_Click();
    void cmdExit_Click();
    void cmdBrowse_GotFocus();
    void cmdBrowse_LostFocus();
    void Secret_Click();

signals:
    // The options changed, whoever changed them; the flags show them already.
    void optionsChanged(const ui::MessageOptions& options);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void paintClientArea(QWidget* area);
    void showOptions(const MessageOptions& options);
    void showFormatChoice(const MessageOptions& options);
    void showKeysChange();
    // Decrypt; mayAskIdentity: another identity may be asked for once when none fits.
    void decrypt(bool mayAskIdentity);
    // Shows a window of the program when it exists in this build.
    template <class Form> void showForm();

    FormRegistry& m_registry;
    MainSettings& m_settings;
    std::unique_ptr<Ui::frmMain> m_ui;
    platform::OpenFileDialog m_cdbOpen; // keeps the name it last returned
    MessageCommand* m_command = nullptr; // Encrypt and Decrypt, off the window's thread
    bool m_browseFocus = false;
};

} // namespace ui
