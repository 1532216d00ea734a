// The Keys window's people: adding a pasted recipient with a name, typos and
// identities refused at once, renaming and removing, and the people file
// saved, reopened and asked about like a document.

#include "tests/gui_keys/KeysFixture.h"
#include "tests/support/Files.h"
#include "words/Describe.h"

#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

namespace {

using testsupport::KeysFixture;

class KeysPeople : public KeysFixture {
protected:
    void SetUp() override {
        KeysFixture::SetUp();
        addPerson(alice, QStringLiteral("Alice"));
        addPerson(bob, QStringLiteral("Bob"));
        ASSERT_EQ(shownPeople(), start());
        dialogs.clear();
    }

    QStringList start() const { return {row("Alice", alice), row("Bob", bob)}; }
    static QString row(const char* name, const QString& recipient) {
        return QString::fromUtf8(name) + QLatin1Char('=') + recipient;
    }

    const QString alice = newRecipient();
    const QString bob = newRecipient();
};

// One character of the recipient's data part changed to another of its alphabet.
QString withTypo(const QString& recipient, int at, QChar to) {
    QString typo = recipient;
    typo[at] = to;
    return typo;
}

TEST_F(KeysPeople, EachEditOfTheListDoesWhatItSaysOrIsRefusedWithItsReason) {
    const QString carol = newRecipient();
    const QString typo = withTypo(carol, 20, carol.at(20) == QLatin1Char('q') ? 'p' : 'q');
    const std::optional<sealed::Identity> dan = sealed::Identity::generate();
    ASSERT_TRUE(dan.has_value());
    const QString secret = sealed::identityText(*dan);
    using Problem = sealed::KeyTextProblem;

    enum class Act { Add, Rename, Remove };
    const struct {
        const char* what;
        Act act;
        QString key;  // pasted, for Add
        QString name; // typed in the Name box
        int chosen;   // the row chosen first, -1 for none
        QStringList after;
        // The first thing told: the exact sentence, or any warning ("*"), or nothing.
        QString told;
    } cases[] = {
        {"a good recipient", Act::Add, carol, "Carol", -1, start() << row("Carol", carol), {}},
        {"in capitals, with spaces",
         Act::Add,
         "  " + carol.toUpper() + " ",
         "  Carol  ",
         -1,
         start() << row("Carol", carol),
         {}},
        {"a typo", Act::Add, typo, "Carol", -1, start(),
         words::keyTextProblem(Problem::BadChecksum, typo)},
        {"a character missing", Act::Add, carol.chopped(1), "Carol", -1, start(),
         words::keyTextProblem(Problem::WrongLength, carol.chopped(1))},
        {"an identity pasted", Act::Add, secret, "Dan", -1, start(),
         words::keyTextProblem(Problem::IsIdentity, secret)},
        {"someone already there", Act::Add, alice, "Al", -1, start(), "*"},
        {"no name", Act::Add, carol, " ", -1, start(), "*"},
        {"rename", Act::Rename, {}, "Robert", 1, {row("Alice", alice), row("Robert", bob)}, {}},
        {"rename nobody", Act::Rename, {}, "Robert", -1, start(), "*"},
        {"remove", Act::Remove, {}, {}, 0, {row("Bob", bob)}, {}},
        {"remove nobody", Act::Remove, {}, {}, -1, start(), "*"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reopen();
        addPerson(alice, QStringLiteral("Alice"));
        addPerson(bob, QStringLiteral("Bob"));
        dialogs.clear();
        QSignalSpy changes(keys, &ui::frmKeys::changed);
        at<QTreeWidget>("lstPeople")->clearSelection();
        if (c.chosen >= 0)
            choosePerson(c.chosen);
        if (c.act == Act::Add) {
            addPerson(c.key, c.name);
        } else {
            type("txtPersonName", c.name);
            button(c.act == Act::Rename ? "cmdRename" : "cmdRemove")->click();
        }
        EXPECT_EQ(shownPeople(), c.after);
        EXPECT_EQ(givenPeople(), c.after);
        const bool edited = c.after != start();
        EXPECT_EQ(changes.count(), edited ? 1 : 0);
        if (c.told.isEmpty()) {
            EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
        } else {
            ASSERT_FALSE(dialogs.messages.isEmpty());
            if (c.told != QLatin1String("*")) {
                EXPECT_EQ(dialogs.messages.constFirst().text, c.told);
            }
            EXPECT_EQ(dialogs.messages.constFirst().icon, platform::Icon::Warning);
        }
        // A secret pasted by mistake is gone from the window and from what it said.
        for (QLineEdit* line : keys->findChildren<QLineEdit*>())
            EXPECT_FALSE(line->text().contains(secret, Qt::CaseInsensitive));
        for (const QString& text : dialogs.texts())
            EXPECT_FALSE(text.contains(secret, Qt::CaseInsensitive));
    }
}

// Every change of one character of a recipient to another of its alphabet,
// and every swap of two neighbours, is refused as it is pasted, before Add.
TEST_F(KeysPeople, EveryOneCharacterTypoIsRefusedAtOnce) {
    const QString carol = newRecipient();
    const QString alphabet = QStringLiteral("qpzry9x8gf2tvdw0s3jn54khce6mua7l");
    QStringList typos;
    for (int at = sealed::kRecipientPrefix.size(); at < carol.size(); ++at) {
        for (QChar to : alphabet) {
            if (to != carol.at(at))
                typos << withTypo(carol, at, to);
        }
        if (at + 1 < carol.size() && carol.at(at) != carol.at(at + 1)) {
            QString swapped = carol;
            std::swap(swapped[at], swapped[at + 1]);
            typos << swapped;
        }
    }
    QLabel* problem = at<QLabel>("lblKeyProblem");
    int refused = 0;
    for (qsizetype i = 0; i < typos.size(); ++i) {
        type("txtPersonKey", typos.at(i));
        refused += problem->text().isEmpty() ? 0 : 1;
        if (i % 97 == 0) { // clicking Add too, now and then
            type("txtPersonName", QStringLiteral("Carol"));
            button("cmdAdd")->click();
        }
    }
    EXPECT_EQ(refused, typos.size());
    EXPECT_EQ(shownPeople(), start());
    // The real one is taken, and the problem line goes.
    type("txtPersonKey", carol);
    EXPECT_TRUE(problem->text().isEmpty());
}

TEST_F(KeysPeople, SavedFileReopensAsTheSameListAndSavesAsTheSameBytes) {
    addPerson(newRecipient(), QStringLiteral("Zoë # from work"));
    const QStringList before = shownPeople();
    const QString first = path(QStringLiteral("people.txt"));
    dialogs.files.enqueue(first);
    button("cmdPeopleSave")->click(); // no file yet: asks where
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_TRUE(dialogs.fileRequests.constFirst().save);
    EXPECT_FALSE(keys->peopleModified());
    EXPECT_EQ(keys->peopleFileName(), first);
    sealed::PeopleProblem problem;
    const auto parsed = sealed::parsePeople(testsupport::readAll(first), &problem);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->size(), before.size());

    reopen();
    EXPECT_TRUE(shownPeople().isEmpty());
    dialogs.files.enqueue(first);
    button("cmdPeopleOpen")->click();
    EXPECT_EQ(shownPeople(), before);
    EXPECT_EQ(givenPeople(), before);
    EXPECT_FALSE(keys->peopleModified());

    const QString second = path(QStringLiteral("again.txt"));
    dialogs.files.enqueue(second);
    button("cmdPeopleSaveAs")->click();
    EXPECT_EQ(testsupport::readAll(second), testsupport::readAll(first));
    // Save writes the file it came from, without asking where.
    const qsizetype asked = dialogs.fileRequests.size();
    choosePerson(0);
    button("cmdRemove")->click();
    button("cmdPeopleSave")->click();
    EXPECT_EQ(dialogs.fileRequests.size(), asked);
    EXPECT_EQ(testsupport::readLines(second).size(), before.size() - 1);
}

TEST_F(KeysPeople, AFileWithABadLineIsRefusedNamingItAndTheListStays) {
    const QString file = path(QStringLiteral("bad.txt"));
    const QString typo = withTypo(alice, 30, alice.at(30) == QLatin1Char('x') ? 'y' : 'x');
    testsupport::writeAll(file, "# friends\n" + bob.toLatin1() + "  # Bob\n" + typo.toLatin1() +
                                    "  # Alice\n");
    dialogs.answers.enqueue(platform::Answer::Yes); // lose the unsaved list
    dialogs.files.enqueue(file);
    button("cmdPeopleOpen")->click();
    EXPECT_EQ(shownPeople(), start());
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages.at(1).text.contains(
        words::keyTextProblem(sealed::KeyTextProblem::BadChecksum, typo)));
    EXPECT_TRUE(dialogs.messages.at(1).text.contains(QLatin1String(" 3")));
}

TEST_F(KeysPeople, UnsavedChangesAreAskedAboutAndNoIsTheSafeAnswer) {
    const struct {
        const char* what;
        std::function<void()> act;
        platform::Answer answer;
        bool went; // the window closed, or another file was opened
    } cases[] = {
        {"close, No", [&] { button("cmdClose")->click(); }, platform::Answer::No, false},
        {"close, Yes", [&] { button("cmdClose")->click(); }, platform::Answer::Yes, true},
        {"frame close, No", [&] { keys->close(); }, platform::Answer::No, false},
        {"open another, No", [&] { button("cmdPeopleOpen")->click(); }, platform::Answer::No,
         false},
        {"open another, Yes", [&] { button("cmdPeopleOpen")->click(); }, platform::Answer::Yes,
         true},
    };
    const QString other = path(QStringLiteral("other.txt"));
    testsupport::writeAll(other, newRecipient().toLatin1() + "  # Olga\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reopen();
        ASSERT_TRUE(activate(keys));
        addPerson(alice, QStringLiteral("Alice"));
        dialogs.clear();
        dialogs.answers.enqueue(c.answer);
        dialogs.files.clear();
        dialogs.files.enqueue(other);
        c.act();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages.constFirst().buttons, platform::Buttons::YesNo);
        const bool opened = keys->peopleFileName() == other;
        EXPECT_EQ(!keys->isVisible() || opened, c.went);
        // A closed window keeps its list for the other windows.
        if (!keys->isVisible()) {
            EXPECT_EQ(givenPeople(), QStringList{row("Alice", alice)});
        }
    }
    // Nothing unsaved: nothing asked.
    reopen();
    ASSERT_TRUE(activate(keys));
    dialogs.clear();
    button("cmdClose")->click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(keys->isVisible());
}

TEST_F(KeysPeople, SaveAsNeverReplacesAKeyAndAsksBeforeReplacingAnythingElse) {
    const std::optional<sealed::Identity> identity = sealed::Identity::generate();
    ASSERT_TRUE(identity.has_value());
    QByteArray keyFile;
    ASSERT_TRUE(sealed::identityFile(*identity, nullptr, &keyFile).ok());
    const QString key = path(QStringLiteral("key.txt"));
    const QString notes = path(QStringLiteral("notes.txt"));
    testsupport::writeAll(key, keyFile);
    testsupport::writeAll(notes, "shopping\n");

    dialogs.files.enqueue(key);
    button("cmdPeopleSaveAs")->click();
    EXPECT_EQ(testsupport::readAll(key), keyFile);
    EXPECT_TRUE(keys->peopleModified());

    dialogs.files.enqueue(notes); // default answer: No
    button("cmdPeopleSaveAs")->click();
    EXPECT_EQ(testsupport::readAll(notes), QByteArray("shopping\n"));
    EXPECT_EQ(dialogs.messages.constLast().buttons, platform::Buttons::YesNo);

    dialogs.files.enqueue(notes);
    dialogs.answers.enqueue(platform::Answer::Yes);
    button("cmdPeopleSaveAs")->click();
    EXPECT_EQ(testsupport::readAll(notes), sealed::peopleFile(keys->people()));
    EXPECT_FALSE(keys->peopleModified());
}

} // namespace
