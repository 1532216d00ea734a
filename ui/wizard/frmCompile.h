#pragma once

// The wizard's result window. It shows the wizard's password, text and file
// name (the Wizard keeps them, with the answers never shown here) and
// appears only when the wizard decrypts: the decrypted text arrives in its
// text box. Edits in its boxes reach no operation: every pass hands in the
// answers it uses again.

#include "ui/wizard/WizardPage.h"

#include <memory>

class QPlainTextEdit;

namespace Ui {
class frmCompile;
}

namespace ui {

class frmCompile : public WizardPage {
    Q_OBJECT
public:
    frmCompile(FormRegistry& registry, Wizard& wizard, QWidget* parent = nullptr);
    ~frmCompile() override;

public slots:
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    void closedThroughFrame() override;

private:
    // Shows the wizard's answers in the boxes; a box that shows its answer
    // already is left alone, with its cursor and scrolling.
    void showAnswers();

    std::unique_ptr<Ui::frmCompile> m_ui;
};

} // namespace ui
