#pragma once

// The Keys window as a user meets it: created through the registry, its
// controls found by name, its questions answered by the scripted dialogs.

#include "sealed/Identity.h"
#include "tests/support/GuiFixture.h"
#include "ui/keys/frmKeys.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace testsupport {

class KeysFixture : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        keys = registry.form<ui::frmKeys>();
        ASSERT_NE(keys, nullptr);
    }

    // The window made afresh, as on the next run of the program.
    void reopen() {
        registry.unload<ui::frmKeys>();
        flushDeletes();
        keys = registry.form<ui::frmKeys>();
    }

    template <class T = QWidget> T* at(const char* name) { return child<T>(keys, name); }
    QPushButton* button(const char* name) { return at<QPushButton>(name); }
    QLineEdit* box(const char* name) { return at<QLineEdit>(name); }
    void type(const char* name, const QString& text) { box(name)->setText(text); }

    // A fresh key pair's recipient, as text.
    static QString newRecipient() {
        const std::optional<sealed::Identity> identity = sealed::Identity::generate();
        EXPECT_TRUE(identity.has_value());
        return identity ? sealed::recipientText(identity->recipient()) : QString();
    }

    // The people list as the window shows it: "name=recipient" a row.
    QStringList shownPeople() {
        QStringList rows;
        QTreeWidget* list = at<QTreeWidget>("lstPeople");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + QLatin1Char('=') +
                        list->topLevelItem(i)->text(1);
        return rows;
    }
    // The people the other windows get, in the same form.
    QStringList givenPeople() const {
        QStringList rows;
        for (const sealed::Person& person : keys->people())
            rows << person.name + QLatin1Char('=') + sealed::recipientText(person.recipient);
        return rows;
    }

    void addPerson(const QString& recipient, const QString& name) {
        type("txtPersonKey", recipient);
        type("txtPersonName", name);
        button("cmdAdd")->click();
    }
    void choosePerson(int row) {
        QTreeWidget* list = at<QTreeWidget>("lstPeople");
        list->setCurrentItem(list->topLevelItem(row));
    }

    ui::frmKeys* keys = nullptr;
};

} // namespace testsupport
