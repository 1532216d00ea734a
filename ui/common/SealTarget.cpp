#include "ui/common/SealTarget.h"

#include "ui/FormRegistry.h"
#include "ui/keys/frmKeys.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace ui {

QList<cipher::Identity> openIdentities(FormRegistry& registry) {
    const frmKeys* keys = registry.loaded<frmKeys>();
    return keys ? keys->identities() : QList<cipher::Identity>{};
}

QList<cipher::PublicKey> recipientsOf(const SealChoice& choice, FormRegistry& registry) {
    QList<cipher::PublicKey> recipients;
    for (const cipher::PublicKey& key : choice.people) {
        if (!recipients.contains(key))
            recipients << key;
    }
    if (!choice.leaveOutMine) {
        for (const cipher::Identity& identity : openIdentities(registry)) {
            if (!recipients.contains(identity.recipient()))
                recipients << identity.recipient();
        }
    }
    return recipients;
}

QString noRecipientsText() {
    return SealTarget::tr("Nobody to seal to: choose a person under People, or open your own "
                          "key in the Keys window and leave it in.");
}

SealTarget::SealTarget(FormRegistry& registry, QWidget* parent)
    : QWidget(parent), m_registry(registry), m_mode(new QComboBox(this)),
      m_people(new QToolButton(this)), m_menu(new QMenu(this)) {
    setObjectName(QStringLiteral("sealTarget"));
    m_mode->setObjectName(QStringLiteral("cboSealTo"));
    m_mode->addItem(tr("with a password"));
    m_mode->addItem(tr("to people"));
    m_mode->setAccessibleName(tr("Seal"));
    m_people->setObjectName(QStringLiteral("cmdSealPeople"));
    m_people->setText(tr("People"));
    m_people->setAccessibleName(tr("People to seal to"));
    m_people->setPopupMode(QToolButton::InstantPopup);
    m_people->setMenu(m_menu);
    m_people->setEnabled(false);
    m_menu->setObjectName(QStringLiteral("mnuSealPeople"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_mode, 3);
    row->addWidget(m_people, 2);

    connect(m_mode, &QComboBox::currentIndexChanged, this, &SealTarget::modeChosen);
    connect(m_menu, &QMenu::aboutToShow, this, &SealTarget::fillMenu);
    connect(&m_registry, &FormRegistry::formLoaded, this, &SealTarget::watchKeys);
    watchKeys();
    fillMenu();
}

void SealTarget::setChoice(const SealChoice& choice) {
    m_choice = choice;
    m_mode->setCurrentIndex(choice.toPeople ? 1 : 0);
    fillMenu();
    emit changed();
}

QList<cipher::PublicKey> SealTarget::recipients() const {
    return recipientsOf(m_choice, m_registry);
}

void SealTarget::modeChosen(int index) {
    m_choice.toPeople = index == 1;
    m_people->setEnabled(m_choice.toPeople);
    emit changed();
}

// The menu is the list of people as the Keys window has it now, each ticked
// when chosen, and the tick that leaves my own keys out.
void SealTarget::fillMenu() {
    m_menu->clear();
    const frmKeys* keys = m_registry.loaded<frmKeys>();
    const QList<cipher::Person> people = keys ? keys->people() : QList<cipher::Person>{};
    for (const cipher::Person& person : people) {
        QAction* action = m_menu->addAction(
            person.name.isEmpty() ? cipher::recipientText(person.recipient) : person.name);
        action->setCheckable(true);
        action->setChecked(m_choice.people.contains(person.recipient));
        const cipher::PublicKey key = person.recipient;
        connect(action, &QAction::toggled, this,
                [this, key](bool ticked) { personTicked(key, ticked); });
    }
    if (people.isEmpty())
        m_menu->addAction(tr("(no people: open a people file in the Keys window)"))
            ->setEnabled(false);
    m_menu->addSeparator();
    QAction* mine = m_menu->addAction(tr("Leave out my own keys"));
    mine->setObjectName(QStringLiteral("actLeaveOutMine"));
    mine->setCheckable(true);
    mine->setChecked(m_choice.leaveOutMine);
    connect(mine, &QAction::toggled, this, [this](bool ticked) {
        m_choice.leaveOutMine = ticked;
        emit changed();
    });
}

void SealTarget::personTicked(const cipher::PublicKey& key, bool ticked) {
    m_choice.people.removeAll(key);
    if (ticked)
        m_choice.people << key;
    emit changed();
}

// The Keys window is made on first use: once it is, its changes are ours.
void SealTarget::watchKeys() {
    if (frmKeys* keys = m_registry.loaded<frmKeys>()) {
        connect(keys, &frmKeys::changed, this, &SealTarget::changed, Qt::UniqueConnection);
        connect(keys, &frmKeys::changed, this, &SealTarget::fillMenu, Qt::UniqueConnection);
    }
}

} // namespace ui
