#pragma once

// The wizard's answers and its result window. The pages write the answers into
// this window's controls and the finish page reads them back (WizardState):
//   lblType  "EN" or "DE"            txtPW    the password
//   txtFile  the message file        txtIn    the message, or the decrypted text
//   lblPIC   "Y" for PIC             lblJB    "Y" for JunkBitz
//   lblPS    "S", "P" or "PS": view, print, or both
// The four labels are never shown. The window itself appears only when the
// wizard decrypts, showing the password, the text and the file name.

#include "ui/wizard/WizardPage.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace Ui {
class frmCompile;
}

namespace ui {

class frmCompile : public WizardPage {
    Q_OBJECT
public:
    explicit frmCompile(FormRegistry& registry, QWidget* parent = nullptr);
    ~frmCompile() override;

    // The fields of WizardState.
    QLabel* lblType() const;
    QLineEdit* txtPW() const;
    QLineEdit* txtFile() const;
    QPlainTextEdit* txtIn() const;
    QLabel* lblPIC() const;
    QLabel* lblJB() const;
    QLabel* lblPS() const;

public slots:
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    void closedThroughFrame() override;

private:
    std::unique_ptr<Ui::frmCompile> m_ui;
};

// The one frmCompile, created invisible by the first handler that touches it.
frmCompile& wizardState(FormRegistry& registry);

} // namespace ui
