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
#include "ui/wizard/WizardController.h"

class WizardFixture : public testsupport::GuiFixture {
protected:
    using Operation = ui::WizardState::Operation;
    using Output = ui::WizardState::Output;
    using Outputs = ui::WizardState::Outputs;

    QWidget* form(const QString& name) { return registry.form(name); }

    QPushButton* button(const QString& f, const QString& n) { return child<QPushButton>(f, n); }
    QLineEdit* edit(const QString& f, const QString& n) { return child<QLineEdit>(f, n); }
    QCheckBox* check(const QString& f, const QString& n) { return child<QCheckBox>(f, n); }

    // A click as the user makes it; whatever it does is done when it returns.
    void click(const QString& f, const QString& n) {
        QPushButton* b = button(f, n);
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(b->isVisible()) << qPrintable(f) << "." << qPrintable(n) << " is not on screen";
        b->click();
    }

    // The one wizard window on the screen, by name; empty when none or many.
    QString onScreen() const {
        static const QStringList names = {
            "frmWizard1",        "frmEncDec",    "frmPW",     "frmFile",    "frmTextEnc",
            "frmWizardAdvanced", "frmPrintShow", "frmFinish", "frmCompile", "frmMain"};
        QStringList shown;
        for (const QString& n : names) {
            if (visible(n))
                shown << n;
        }
        return shown.size() == 1 ? shown.first() : shown.join(QLatin1Char('+'));
    }

    // The wizard's answers, and where they hand them in.
    ui::WizardController& wizard() { return ui::WizardController::of(registry); }
    const ui::WizardState& answers() { return wizard().state(); }
    // What the result window shows.
    QLineEdit* resultPassword() { return child<QLineEdit>("frmCompile", "txtPW"); }
    QPlainTextEdit* resultText() { return child<QPlainTextEdit>("frmCompile", "txtIn"); }
    QLineEdit* resultFile() { return child<QLineEdit>("frmCompile", "txtFile"); }

    // Mode chooser -> encrypt/decrypt page.
    void startWizard() {
        registry.show(QStringLiteral("frmWizard1"));
        click("frmWizard1", "cmdWizard");
    }
    void enterPasswords(const QString& password, const QString& confirm) {
        edit("frmPW", "txtPW")->setText(password);
        edit("frmPW", "txtPWconfirm")->setText(confirm);
        click("frmPW", "cmdNext");
    }
    void enterFile(const QString& file) {
        edit("frmFile", "txtFile")->setText(file);
        click("frmFile", "cmdNext");
    }

    // From the mode chooser to the finish page on the way to encryption.
    void walkEncryption(const QString& password, const QString& file, const QString& text,
                        bool pic = false, bool junkBitz = false) {
        startWizard();
        click("frmEncDec", "cmdChoseEnc");
        enterPasswords(password, password);
        enterFile(file);
        child<QPlainTextEdit>("frmTextEnc", "txtInput")->setPlainText(text);
        click("frmTextEnc", "cmdNext");
        if (check("frmWizardAdvanced", "chkNone")->isChecked())
            check("frmWizardAdvanced", "chkNone")->click();
        check("frmWizardAdvanced", "chkPIC")->setChecked(pic);
        check("frmWizardAdvanced", "chkJB")->setChecked(junkBitz);
        click("frmWizardAdvanced", "cmdNext");
        ASSERT_EQ(onScreen(), "frmFinish");
    }

    // From the mode chooser to the finish page on the way to decryption.
    void walkDecryption(const QString& password, const QString& file, bool view, bool print) {
        startWizard();
        click("frmEncDec", "cmdChoseDec");
        enterPasswords(password, password);
        enterFile(file);
        check("frmPrintShow", "chkView")->setChecked(view);
        check("frmPrintShow", "chkPrint")->setChecked(print);
        click("frmPrintShow", "cmdNext");
        ASSERT_EQ(onScreen(), "frmFinish");
    }

    testsupport::RecordingPrinter printer;
};
