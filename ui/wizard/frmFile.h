#pragma once

// The wizard's file page: the message file to create or to read.

#include "platform/Dialogs.h"
#include "ui/wizard/WizardPage.h"

#include <memory>

namespace Ui {
class frmFile;
}

namespace ui {

class frmFile : public WizardPage {
    Q_OBJECT
public:
    frmFile(FormRegistry& registry, Wizard& wizard, QWidget* parent = nullptr);
    ~frmFile() override;

public slots:
    void cmdBack_Click();
    void cmdBrowse_Click();
    void cmdNext_Click();

private:
    std::unique_ptr<Ui::frmFile> m_ui;
    platform::OpenFileDialog m_cdbOpen; // keeps the name it last returned
};

} // namespace ui
