#pragma once

// The fortification options window: check boxes for PIC and JunkBitz, and
// for Sealed, real encryption to which PIC and JunkBitz do not apply.
// Ticking a box changes nothing by itself; Close sets the main window's
// message options from both boxes, hides this window and brings the main
// window back. Closing through the window frame counts as
// Close, so the main window never stays hidden with nothing on the screen.

#include <QWidget>
#include <memory>

namespace Ui {
class frmAdvanced;
}

namespace ui {

class FormRegistry;
class MainSettings;
class SealTarget;

class frmAdvanced : public QWidget {
    Q_OBJECT
public:
    frmAdvanced(FormRegistry& registry, MainSettings& settings, QWidget* parent = nullptr);
    ~frmAdvanced() override;

public slots:
    void chkSealed_Click();
    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FormRegistry& m_registry;
    MainSettings& m_settings;
    std::unique_ptr<Ui::frmAdvanced> m_ui;
    SealTarget* m_sealTarget = nullptr; // with a password, or to people
};

} // namespace ui
