#include "ui/wizard/frmFinish.h"

#include "cipher/MessageCipher.h"
#include "cipher/MessageFormat.h"
#include "platform/Printer.h"
#include "ui/FormRegistry.h"
#include "ui/common/WindowCipherHost.h"
#include "ui/main/ApplicationExit.h"
#include "ui/wizard/frmCompile.h"
#include "ui_frmFinish.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

namespace ui {

frmFinish::frmFinish(FormRegistry& registry, QWidget* parent)
    : WizardPage(registry, parent), m_ui(std::make_unique<Ui::frmFinish>()) {
    m_ui->setupUi(this);
    setFont(classicFont());
    finishSetup();

    setDefaultButton(m_ui->cmdNext);
    // The small red arrow left of Back.
    addLine(QStringLiteral("Line1"), QLine(720, 1680, 360, 1680), kArrowRed);
    addLine(QStringLiteral("Line2"), QLine(360, 1680, 480, 1560), kArrowRed);
    addLine(QStringLiteral("Line3"), QLine(360, 1680, 480, 1800), kArrowRed);

    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmFinish::cmdBack_Click);
    // Queued: after "P" the program's exit unloads this window, which must not
    // happen while its button is still handling the click.
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmFinish::cmdNext_Click,
            Qt::QueuedConnection);
}

frmFinish::~frmFinish() = default;

void frmFinish::cmdBack_Click() {
    // On the way to encryption Back skips the options page: they are asked
    // again on the way forward from the text.
    const QString type = wizardState(m_registry).lblType()->text();
    if (type == QLatin1String("EN"))
        m_registry.show(QStringLiteral("frmTextEnc"));
    if (type == QLatin1String("DE"))
        m_registry.show(QStringLiteral("frmPrintShow"));
    hide();
}

void frmFinish::cmdNext_Click() {
    frmCompile& state = wizardState(m_registry);
    const QString type = state.lblType()->text();

    if (type == QLatin1String("EN")) {
        const QString text = state.txtIn()->toPlainText();
        if (text.isEmpty())
            return;
        cipher::EncryptRequest request;
        request.text = cipher::toMessageLineEnds(text);
        request.password = state.txtPW()->text();
        request.path = state.txtFile()->text();
        request.pic = state.lblPIC()->text() == QLatin1String("Y");
        request.junkBitz = state.lblJB()->text() == QLatin1String("Y");
        WindowCipherHost host(this); // the busy pointer here; no progress bar
        // A refused or failed encryption has told the user why; the page stays
        // so that Back can lead to the answer that needs mending.
        if (cipher::EncryptMessage(request, host) != cipher::EncryptResult::Finished)
            return;
        hide();
        m_registry.show(QStringLiteral("frmWizard1"));
        return;
    }

    if (type == QLatin1String("DE")) {
        // The result window opens first and receives the text as it comes. It
        // opens empty: a file refused before decryption must not leave an
        // earlier text there to be taken for this file's.
        QPlainTextEdit* output = state.txtIn();
        output->clear();
        m_registry.show(QStringLiteral("frmCompile"));
        hide();
        cipher::DecryptResult result;
        {
            WindowCipherHost host(&state, nullptr, output);
            result = cipher::DecryptMessage(state.txtFile()->text(), state.txtPW()->text(), host);
        }
        if (result != cipher::DecryptResult::Decrypted)
            return; // nothing to print

        const QString choice = state.lblPS()->text();
        if (choice == QLatin1String("P")) {
            // Printed only: the program's work is done, printed or not.
            platform::printWithReport(&state, output->toPlainText());
            ApplicationExit(m_registry);
        } else if (choice == QLatin1String("PS")) {
            platform::printWithReport(&state, output->toPlainText());
        }
    }
}

} // namespace ui
