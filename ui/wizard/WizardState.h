#pragma once

// The wizard's answers: what its pages collect and its finish page carries
// out. Nothing resets them; a later pass through the wizard replaces an answer
// only when the user leaves, through its forward button, the page that asks
// for it, so an answer the pass does not ask for keeps the earlier one.

#include "base/Secret.h"
#include "ui/common/MessageOptions.h"

#include <QFlags>
#include <QString>

namespace ui {

struct WizardState {
    enum class Operation { None, Encrypt, Decrypt };
    // What a decryption does with the text. Printing alone ends the program
    // after the print; with View the result window stays open.
    enum class Output { View = 0x1, Print = 0x2 };
    Q_DECLARE_FLAGS(Outputs, Output)

    Operation operation = Operation::None; // the encrypt/decrypt page's
    base::Secret password;                 // the password page's (base/Secret.h)
    QString file;                          // the file page's: to create or to read
    QString text;           // the text page's; after a decryption, the decrypted text
    MessageOptions options; // the options page's, for an encryption
    Outputs output;         // the print/view page's, for a decryption; none at first
};

Q_DECLARE_OPERATORS_FOR_FLAGS(WizardState::Outputs)

} // namespace ui
