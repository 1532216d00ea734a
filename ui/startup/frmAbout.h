#pragma once

// The about box: the program's name, version, description and disclaimer, a
// caption that keeps flashing while the box is open, and System Info, which
// starts the system information tool named in the registry.

#include "platform/Registry.h"

#include <QDialog>
#include <memory>

class QTimer;

namespace Ui {
class frmAbout;
}

namespace ui {

class FormRegistry;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(FormRegistry& registry, QWidget* parent = nullptr);
    ~frmAbout() override;

    // Finds the system information tool through the registry and starts it, or
    // tells the user that it cannot.
    void StartSysInfo();

    // Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal.
    // Strings are taken without a terminating zero; a DWORD becomes "&h" and
    // the hexadecimal digits of its bytes, last byte first, each without
    // leading zeros; a value of any other type leaves KeyVal as it was. False
    // when the key or the value could not be read; KeyVal is then empty.
    bool GetKeyValue(platform::RegKey KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal);

public slots:
    void Form_Load();
    void Timer1_Timer();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Escape and the close box act as OK.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void resumeFlashing();

    FormRegistry& m_registry;
    std::unique_ptr<Ui::frmAbout> m_ui;
    QTimer* m_timer1 = nullptr;
};

} // namespace ui
