#pragma once

// The wizard: its answers (WizardState) and its page flow, one per registry,
// which owns it. The pages show and read their own controls and tell the
// wizard what the user did; the wizard keeps the answer, decides which page
// comes next, and moves there in the order the flow asks (which window hides
// first, when the answer is written). The result window shows the answers.
// Handing in any answer creates the result window, invisible, when it does
// not exist yet.

#include "ui/wizard/WizardState.h"

#include <QObject>
#include <QPointer>

class QPlainTextEdit;
class QWidget;

namespace ui {

class FormRegistry;

class Wizard : public QObject {
    Q_OBJECT
public:
    // The pages, as the flow names them.
    enum class Page { ModeChooser, Operation, Password, File, Text, Options, Output, Finish, Result };

    explicit Wizard(FormRegistry& registry);

    const WizardState& state() const { return m_state; }

    // The mode chooser's "Tessera Wizard": the first page.
    void start();
    // Forward, each with its page's answer.
    void operationChosen(WizardState::Operation operation);
    void passwordEntered(const base::Secret& password);
    void fileEntered(const QString& file);
    void textEntered(const QString& text);
    void optionsChosen(const MessageOptions& options);
    // Sealed with a very weak password, and the user chose to go back: the
    // options are kept and the password page comes again.
    void reviewPassword(const MessageOptions& options);
    // Neither box checked: the earlier choice stays.
    void outputChosen(WizardState::Outputs output);
    // Back from a page to the one before it.
    void back(Page from);
    // A wizard window closed through its frame: back to the mode chooser.
    void leave(QWidget* page);

    // The finish step. After an encryption the wizard starts again at the
    // mode chooser; a decryption opens the result window, emptied, and fills
    // its box.
    void encrypted();
    QPlainTextEdit* openResult();
    void decrypted(const QString& text);

    // A very weak password is questioned once for Sealed: once kept, it is
    // not questioned again until a password is entered anew.
    bool weakPasswordKept() const { return m_weakPasswordKept; }
    void keepWeakPassword() { m_weakPasswordKept = true; }

    // The result window hands over the box that receives decrypted text.
    void setResultBox(QPlainTextEdit* box);

signals:
    // After an answer was handed in.
    void changed();

private:
    template <class T> void write(T WizardState::*field, const T& value);
    template <class Form> void show();
    template <class Form> void hide();
    void showOperationPage();

    FormRegistry& m_registry;
    WizardState m_state;
    QPointer<QPlainTextEdit> m_resultBox;
    bool m_weakPasswordKept = false;
};

} // namespace ui
