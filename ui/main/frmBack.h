#pragma once

// The background picture window: loads a picture file of the user's as the
// main window's background, or removes it.

#include "platform/Dialogs.h"

#include <QWidget>
#include <memory>

namespace Ui {
class frmBack;
}

namespace ui {

class FormRegistry;
class MainSettings;

class frmBack : public QWidget {
    Q_OBJECT
public:
    frmBack(FormRegistry& registry, MainSettings& settings, QWidget* parent = nullptr);
    ~frmBack() override;

public slots:
    void cmdBrowse_Click();
    void cmdLoad_Click();
    void cmdCancel_Click();

private:
    MainSettings& m_settings;
    std::unique_ptr<Ui::frmBack> m_ui;
    platform::OpenFileDialog m_cdbOpen; // keeps the name it last returned
};

} // namespace ui
