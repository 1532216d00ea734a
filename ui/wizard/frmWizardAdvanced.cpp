#include "ui/wizard/frmWizardAdvanced.h"

#include "platform/Dialogs.h"
#include "ui/FormRegistry.h"
#include "ui/common/PasswordMeter.h"
#include "ui/common/SealTarget.h"
#include "ui_frmWizardAdvanced.h"
#include "words/Describe.h"

#include <QLabel>

namespace ui {

namespace {
const QColor kDarkBlue(0, 0, 128);
} // namespace

frmWizardAdvanced::frmWizardAdvanced(FormRegistry& registry, Wizard& wizard, QWidget* parent)
    : WizardPage(registry, wizard, parent), m_ui(std::make_unique<Ui::frmWizardAdvanced>()) {
    build(*m_ui);

    setColours(m_ui->lblTitle, QColor(255, 0, 0), kDarkBlue);
    setColours(m_ui->lblWhat, QColor(255, 0, 0), kDarkBlue);
    const QColor highlighted = palette().color(QPalette::HighlightedText);
    setColours(m_ui->lblPIC, highlighted);
    setColours(m_ui->lblJB, highlighted);
    // Neither button is the default one.
    addNavigation(m_ui->cmdBack, m_ui->cmdNext, false);

    fitText(m_ui->chkSealed, Fit::Grow);
    // The password page's answer, rated while Sealed is ticked.
    const auto rate = [this] { m_ui->meterPW->rate(m_wizard.state().password.text()); };
    connect(&m_wizard, &Wizard::changed, this, rate);
    rate();
    m_ui->meterPW->setSealed(m_ui->chkSealed->isChecked());

    // Clicked, not toggled: only the user's click on None guards the others.
    // Sealed greys them however it comes to be ticked.
    connect(m_ui->chkNone, &QCheckBox::clicked, this, &frmWizardAdvanced::chkNone_Click);
    connect(m_ui->chkSealed, &QCheckBox::toggled, this, &frmWizardAdvanced::chkSealed_Click);
    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmWizardAdvanced::cmdBack_Click);
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmWizardAdvanced::cmdNext_Click);
    connect(m_ui->cmdKeys, &QPushButton::clicked, this, [this] { m_registry.show<frmKeys>(); });

    // Whom Sealed seals to, in the free row at the foot of the page; sealed to
    // people, the meter's place says that the password is not used.
    m_sealTarget = new SealTarget(registry, this);
    m_sealTarget->setGeometry(m_ui->meterPW->x(), m_ui->cmdNext->geometry().bottom() + 1,
                              m_ui->meterPW->width(),
                              height() - m_ui->cmdNext->geometry().bottom() - 1);
    m_noPassword = new QLabel(tr("Sealed to people: the password you typed is not used."), this);
    m_noPassword->setObjectName(QStringLiteral("lblNoPassword"));
    m_noPassword->setGeometry(m_ui->meterPW->geometry());
    setColours(m_noPassword, highlighted);
    connect(m_sealTarget, &SealTarget::changed, this, &frmWizardAdvanced::showSealChoice);
    showSealChoice();
}

void frmWizardAdvanced::showSealChoice() {
    const bool sealed = m_ui->chkSealed->isChecked();
    const bool toPeople = sealed && m_sealTarget->choice().toPeople;
    m_sealTarget->setEnabled(sealed);
    m_noPassword->setVisible(toPeople);
    m_ui->meterPW->setVisible(!toPeople);
    m_ui->meterPW->setSealed(sealed && !toPeople);
}

frmWizardAdvanced::~frmWizardAdvanced() = default;

void frmWizardAdvanced::chkNone_Click() {
    if (m_ui->chkNone->isChecked()) {
        m_ui->chkPIC->setChecked(false);
        m_ui->chkJB->setChecked(false);
    }
    enableClassicOptions();
}

void frmWizardAdvanced::chkSealed_Click() {
    enableClassicOptions();
    showSealChoice();
}

// PIC and JunkBitz can be chosen unless None is. None of the three applies to
// Sealed: while it holds, all are greyed and keep their ticks for later.
void frmWizardAdvanced::enableClassicOptions() {
    const bool classic = !m_ui->chkSealed->isChecked();
    const bool open = classic && !m_ui->chkNone->isChecked();
    m_ui->chkNone->setEnabled(classic);
    m_ui->chkPIC->setEnabled(open);
    m_ui->chkJB->setEnabled(open);
}

void frmWizardAdvanced::cmdBack_Click() {
    m_wizard.back(Wizard::Page::Options);
}

void frmWizardAdvanced::cmdNext_Click() {
    // Both options are written, from the boxes as they are now.
    MessageOptions options;
    options.pic = m_ui->chkPIC->isChecked();
    options.junkBitz = m_ui->chkJB->isChecked();
    options.format =
        m_ui->chkSealed->isChecked() ? cipher::Format::Sealed : cipher::Format::Classic;
    options.sealTo = m_sealTarget->choice();
    if (options.toPeople() && m_sealTarget->recipients().isEmpty()) {
        platform::messageBox(this, noRecipientsText(), tr("Error"), platform::Icon::Stop);
        return;
    }
    if (options.sealed() && !options.toPeople() && !keepsWeakPassword()) {
        m_wizard.reviewPassword(options);
        return;
    }
    m_wizard.optionsChosen(options);
}

// Any password still passes; a very weak one only once the user has read its
// rating and chosen to keep it. No, the default, goes back to the password.
bool frmWizardAdvanced::keepsWeakPassword() {
    const std::optional<cipher::Strength> strength = m_ui->meterPW->strength();
    if (!strength || strength->level != cipher::Strength::Level::VeryWeak ||
        m_wizard.weakPasswordKept())
        return true;
    const QString text =
        tr("A sealed message is only as strong as its password, and this one is very weak: it "
           "could be guessed in %1.\n\nSeal the message with it anyway? No goes back to the "
           "password page.")
            .arg(words::duration(strength->seconds));
    if (platform::messageBox(this, text, base::kAppTitle, platform::Icon::Question,
                             platform::Buttons::YesNo) != platform::Answer::Yes)
        return false;
    m_wizard.keepWeakPassword();
    return true;
}

} // namespace ui
