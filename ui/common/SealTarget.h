#pragma once

// Whom Sealed seals to, chosen where Sealed is chosen: with a password, or to
// people. One row: a choice of the two, and a People button whose menu is a
// checkable list of the people of the Keys window's open people file, with
// one more tick to leave out my own keys (the Keys window's open identities),
// which are added by default so that I can read what I sent.
//
// The people chosen are kept by their keys, so that they stay chosen while the
// people file is reopened or edited; the own keys are read from the Keys
// window at the moment of use, so that a key opened later counts too.

#include "cipher/Keys.h"
#include "ui/common/MessageOptions.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QMenu;
class QToolButton;

namespace ui {

class FormRegistry;

// The recipients of a choice: the people chosen and, unless left out, the
// recipients of the identities open in the Keys window; each once.
QList<cipher::PublicKey> recipientsOf(const SealChoice& choice, FormRegistry& registry);
// The open identities of the Keys window; none when it is not loaded.
QList<cipher::Identity> openIdentities(FormRegistry& registry);
// The sentence a window says when sealing to people finds nobody to seal to.
QString noRecipientsText();

class SealTarget : public QWidget {
    Q_OBJECT
public:
    SealTarget(FormRegistry& registry, QWidget* parent);

    SealChoice choice() const { return m_choice; }
    void setChoice(const SealChoice& choice);
    // recipientsOf(choice()).
    QList<cipher::PublicKey> recipients() const;

signals:
    // The choice changed, or the keys and people it reads from did.
    void changed();

private:
    void modeChosen(int index);
    void fillMenu();
    void personTicked(const cipher::PublicKey& key, bool ticked);
    void watchKeys();

    FormRegistry& m_registry;
    SealChoice m_choice;
    QComboBox* m_mode;
    QToolButton* m_people;
    QMenu* m_menu;
};

} // namespace ui
