#pragma once

// The Keys window: my keys and the people I seal to.
//
// My key: identities are made new (each in a file of its own, written new and
// readable by the user alone, protected by a password or not) or opened from
// their files, a protected one with its password. Several may be open at once,
// so that a new key does not lose what was sealed to an old one. The one
// chosen in the list shows its recipient, as text to copy and as a QR code.
//
// People: a people file (tessera-cli's --to-file) is opened and saved like a
// document; a person is added by pasting their recipient and typing a name (a
// typo is refused at once, an identity pasted by mistake is refused with a
// warning and forgotten), renamed and removed. Changes not yet saved are
// asked about when the window closes, or before another file replaces them.
//
// Closing the window hides it: the open keys and the people stay for the
// other windows, which read them here (identities(), people()) and hear of
// every change (changed). Nothing is kept between runs: the keys live in the
// secret keys' guarded memory until Clear or the end of the program.

#include "base/Secret.h"
#include "cipher/Keys.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <memory>

namespace Ui {
class frmKeys;
}

namespace ui {

class FormRegistry;

class frmKeys : public QWidget {
    Q_OBJECT
public:
    explicit frmKeys(FormRegistry& registry, QWidget* parent = nullptr);
    ~frmKeys() override;

    // Every open identity, in the list's order.
    QList<cipher::Identity> identities() const;
    // The people of the open people file (or of the list not yet saved).
    QList<cipher::Person> people() const;
    // The open people file; empty for a list not yet saved.
    QString peopleFileName() const { return m_peopleFile; }
    // Whether the people list has changes that are not in its file.
    bool peopleModified() const { return m_peopleModified; }

    // Opens the identities of an identity file into the list, as Open key
    // does, with the password of a protected one (empty: none). Ok, or the
    // status (NeedsPassword, WrongPasswordOrDamaged, ...) and the reason in a
    // sentence.
    struct Opened {
        cipher::KeyStatus status = cipher::KeyStatus::Ok;
        QString text = {};
        bool ok() const { return status == cipher::KeyStatus::Ok; }
    };
    Opened openIdentityFile(const QString& path, const base::Secret& password = {});

public slots:
    void cmdNewKey_Click();
    void cmdOpenKey_Click();
    void cmdClearKeys_Click();
    void cmdCopy_Click();
    void cmdProtectedCopy_Click();
    void cmdPeopleOpen_Click();
    void cmdPeopleSave_Click();
    void cmdPeopleSaveAs_Click();
    void cmdAdd_Click();
    void cmdRename_Click();
    void cmdRemove_Click();
    void cmdClose_Click();

signals:
    // The open identities or the people changed.
    void changed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct OpenKey {
        cipher::Identity identity;
        QString file;
    };

    void connectHandlers();
    // The password for a new identity file from the two boxes: false, after
    // saying why, when they are empty or differ; empty when not protecting.
    bool newPassword(bool protect, base::Secret* password);
    // Writes the identity's file, new, where the user chooses: the path, or
    // empty when it was not written (said why) or the user cancelled.
    QString writeIdentity(const cipher::Identity& identity, const base::Secret& password,
                          const QString& title);
    // Writes a whole file through the one writer; a secret one is created
    // new, readable by the user alone. False after saying why.
    bool writeFile(const QString& path, const QByteArray& content, bool secret);
    void addKeys(const QList<cipher::Identity>& identities, const QString& file);
    void forgetPasswords();
    void showKeys();
    void showChosenKey();

    bool openPeople(const QString& path);
    bool savePeople(const QString& path);
    // True when there are no unsaved changes, or the user answers Yes.
    bool mayDropPeopleChanges(const QString& question);
    // A pasted text that is no recipient: said why; an identity is wiped.
    void refusePersonKey(cipher::KeyTextProblem problem, const QString& given);
    void showPersonKeyProblem();
    void setPeopleModified();
    void showPeople();
    // The row of the person chosen in the list; -1 for none.
    int chosenPerson() const;
    // A path from the file dialog; empty when cancelled.
    QString askPath(const QString& title, const QString& fileName, bool save);
    void tell(const QString& text, bool warning = true);

    std::unique_ptr<Ui::frmKeys> m_ui;
    QList<OpenKey> m_keys;
    QList<cipher::Person> m_people;
    QString m_peopleFile;
    bool m_peopleModified = false;
    QString m_lastKeyFile; // where Open key starts
};

} // namespace ui
