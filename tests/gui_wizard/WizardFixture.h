#pragma once

// A whole program's windows with a recording printer besides the common
// fixture's, the wizard's answers, and the steps a user takes through the
// wizard.

// Qt first: platform/Printer.h names QWidget without declaring it.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "tests/support/GuiFixture.h"
#include "tests/support/RecordingPrinter.h"
#include "ui/main/frmMain.h"
#include "ui/wizard/Wizard.h"
#include "ui/wizard/frmCompile.h"
#include "ui/wizard/frmEncDec.h"
#include "ui/wizard/frmFile.h"
#include "ui/wizard/frmFinish.h"
#include "ui/wizard/frmPW.h"
#include "ui/wizard/frmPrintShow.h"
#include "ui/wizard/frmTextEnc.h"
#include "ui/wizard/frmWizard1.h"
#include "ui/wizard/frmWizardAdvanced.h"

class WizardFixture : public testsupport::GuiFixture {
protected:
    using Operation = ui::WizardState::Operation;
    using Output = ui::WizardState::Output;
    using Outputs = ui::WizardState::Outputs;

    template <class Form> QPushButton* button(const QString& n) {
        return child<Form, QPushButton>(n);
    }
    template <class Form> QLineEdit* edit(const QString& n) { return child<Form, QLineEdit>(n); }
    template <class Form> QCheckBox* check(const QString& n) { return child<Form, QCheckBox>(n); }
    template <class Form> QLabel* label(const QString& n) { return child<Form, QLabel>(n); }
    template <class Form> QPlainTextEdit* textEdit(const QString& n) {
        return child<Form, QPlainTextEdit>(n);
    }

    // A click as the user makes it; whatever it does is done when it returns.
    template <class Form> void click(const QString& n) {
        QPushButton* b = button<Form>(n);
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(b->isVisible())
            << qPrintable(nameOf<Form>()) << "." << qPrintable(n) << " is not on screen";
        b->click();
        ASSERT_TRUE(settle());
    }

    // Whether the window is the one wizard window on the screen; when not,
    // which are.
    template <class Form> testing::AssertionResult onScreen() const {
        const QStringList names = shown<ui::frmWizard1, ui::frmEncDec, ui::frmPW, ui::frmFile,
                                        ui::frmTextEnc, ui::frmWizardAdvanced, ui::frmPrintShow,
                                        ui::frmFinish, ui::frmCompile, ui::frmMain>();
        if (names == QStringList{nameOf<Form>()})
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "on the screen: " << qPrintable(names.isEmpty() ? "nothing" : names.join('+'));
    }

    // The wizard's answers, and where they hand them in.
    ui::Wizard& wizard() { return *registry.part<ui::Wizard>(); }
    const ui::WizardState& answers() { return wizard().state(); }
    // What the result window shows.
    QLineEdit* resultPassword() { return edit<ui::frmCompile>("txtPW"); }
    QPlainTextEdit* resultText() { return textEdit<ui::frmCompile>("txtIn"); }
    QLineEdit* resultFile() { return edit<ui::frmCompile>("txtFile"); }

    // Mode chooser -> encrypt/decrypt page.
    void startWizard() {
        registry.show<ui::frmWizard1>();
        click<ui::frmWizard1>("cmdWizard");
    }
    void enterPasswords(const QString& password, const QString& confirm) {
        edit<ui::frmPW>("txtPW")->setText(password);
        edit<ui::frmPW>("txtPWconfirm")->setText(confirm);
        click<ui::frmPW>("cmdNext");
    }
    void enterFile(const QString& file) {
        edit<ui::frmFile>("txtFile")->setText(file);
        click<ui::frmFile>("cmdNext");
    }

    // From the mode chooser to the finish page on the way to encryption.
    void walkEncryption(const QString& password, const QString& file, const QString& text,
                        bool pic = false, bool junkBitz = false) {
        startWizard();
        click<ui::frmEncDec>("cmdChoseEnc");
        enterPasswords(password, password);
        enterFile(file);
        textEdit<ui::frmTextEnc>("txtInput")->setPlainText(text);
        click<ui::frmTextEnc>("cmdNext");
        if (check<ui::frmWizardAdvanced>("chkNone")->isChecked())
            check<ui::frmWizardAdvanced>("chkNone")->click();
        check<ui::frmWizardAdvanced>("chkPIC")->setChecked(pic);
        check<ui::frmWizardAdvanced>("chkJB")->setChecked(junkBitz);
        click<ui::frmWizardAdvanced>("cmdNext");
        ASSERT_TRUE(onScreen<ui::frmFinish>());
    }

    // From the mode chooser to the finish page on the way to decryption.
    void walkDecryption(const QString& password, const QString& file, bool view, bool print) {
        startWizard();
        click<ui::frmEncDec>("cmdChoseDec");
        enterPasswords(password, password);
        enterFile(file);
        check<ui::frmPrintShow>("chkView")->setChecked(view);
        check<ui::frmPrintShow>("chkPrint")->setChecked(print);
        click<ui::frmPrintShow>("cmdNext");
        ASSERT_TRUE(onScreen<ui::frmFinish>());
    }

    testsupport::RecordingPrinter printer;
};
