#pragma once

// The one keeper of the wizard's answers for a registry. The pages hand their
// answers in, the finish page reads them, and the result window (frmCompile)
// shows the password, the text and the file name. Handing in any answer
// creates the result window, invisible, when it does not exist yet.

#include "ui/wizard/WizardState.h"

#include <QObject>

namespace ui {

class FormRegistry;

class WizardController : public QObject {
    Q_OBJECT
public:
    // The registry's wizard, made on first use; it lives as long as the
    // registry, through every unloading of the wizard's windows.
    static WizardController& of(FormRegistry& registry);

    const WizardState& state() const { return m_state; }

    void setOperation(WizardState::Operation operation);
    void setPassword(const QString& password);
    void setFile(const QString& file);
    void setText(const QString& text);
    void setOptions(const MessageOptions& options);
    void setOutput(WizardState::Outputs output);

signals:
    // After an answer was handed in.
    void changed();

private:
    explicit WizardController(FormRegistry& registry);
    template <class T> void write(T WizardState::*field, const T& value);

    FormRegistry& m_registry;
    WizardState m_state;
};

} // namespace ui
