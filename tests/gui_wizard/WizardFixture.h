#pragma once

// A whole program's windows with scripted dialogs and a recording printer, and
// the steps a user takes through the wizard.

// Qt first: platform/Printer.h names QWidget without declaring it.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedDialogs.h"
#include "ui/FormRegistry.h"
#include "ui/wizard/frmCompile.h"

class WizardFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ui::registerAllForms(registry);
        registry.quitHandler = [this] { ++quits; };
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QWidget* form(const QString& name) { return registry.form(name); }

    template <class T> T* child(const QString& formName, const QString& name) {
        T* widget = registry.form(formName)->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << qPrintable(formName) << "." << qPrintable(name);
        return widget;
    }
    QPushButton* button(const QString& f, const QString& n) { return child<QPushButton>(f, n); }
    QLineEdit* edit(const QString& f, const QString& n) { return child<QLineEdit>(f, n); }
    QCheckBox* check(const QString& f, const QString& n) { return child<QCheckBox>(f, n); }

    // A click as the user makes it, and what it queued (the exits, Finish).
    void click(const QString& f, const QString& n) {
        QPushButton* b = button(f, n);
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(b->isVisible()) << qPrintable(f) << "." << qPrintable(n) << " is not on screen";
        b->click();
        QCoreApplication::processEvents();
    }

    bool visible(const QString& name) const {
        QWidget* w = registry.loaded(name);
        return w && w->isVisible();
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

    ui::frmCompile& state() { return ui::wizardState(registry); }

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

    QTemporaryDir dir;
    testsupport::ScriptedDialogs dialogs;
    testsupport::RecordingPrinter printer;
    int quits = 0;
    ui::FormRegistry registry; // last: its windows go first
};
