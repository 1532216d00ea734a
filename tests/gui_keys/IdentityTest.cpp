// The Keys window's own keys: a new identity is a new file readable by its
// owner alone, protected or not, whose recipient the window shows; it opens
// again (a protected one with its password only); several stay open at once,
// and Clear forgets them.

#include "tests/gui_keys/KeysFixture.h"
#include "tests/support/Files.h"
#include "words/Describe.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using testsupport::KeysFixture;

const QString kPassword = QStringLiteral("tulip ledger orbit 47 canal");

class KeysIdentity : public KeysFixture {
protected:
    // The recipients of the identities in a file, read by the core itself.
    static QStringList recipientsIn(const QString& file, const QString* password) {
        QList<sealed::Identity> identities;
        const sealed::Result result =
            sealed::readIdentityFile(testsupport::readAll(file), password, &identities);
        EXPECT_TRUE(result.ok()) << words::sentence(result.failure).toStdString();
        QStringList out;
        for (const sealed::Identity& identity : identities)
            out << sealed::recipientText(identity.recipient());
        return out;
    }
    QStringList openRecipients() const {
        QStringList out;
        for (const sealed::Identity& identity : keys->identities())
            out << sealed::recipientText(identity.recipient());
        return out;
    }
    QString shownRecipient() { return box("txtRecipient")->text(); }

    // New key, as a user makes one: with a password typed twice, or without.
    void newKey(const QString& file, const QString& password) {
        at<QCheckBox>("chkProtect")->setChecked(!password.isEmpty());
        type("txtPassword", password);
        type("txtPasswordAgain", password);
        dialogs.files.enqueue(file);
        button("cmdNewKey")->click();
    }
    void openKey(const QString& file, const QString& password) {
        type("txtPassword", password);
        dialogs.files.enqueue(file);
        button("cmdOpenKey")->click();
    }
    bool passwordsForgotten() {
        return box("txtPassword")->text().isEmpty() && box("txtPasswordAgain")->text().isEmpty();
    }
};

// What tessera-cli says the file's recipient is; nothing when it cannot say.
std::optional<QString> cliRecipient(const QString& file, const QString& password,
                                    const QString& passwordFile) {
    if (!QFileInfo::exists(QStringLiteral(TESSERA_CLI)))
        return std::nullopt;
    QStringList arguments{QStringLiteral("recipient")};
    if (!password.isEmpty()) {
        testsupport::writeAll(passwordFile, password.toUtf8());
        arguments << QStringLiteral("--password-file") << passwordFile;
    }
    QProcess cli;
    cli.start(QStringLiteral(TESSERA_CLI), arguments << file);
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(cli.readAllStandardOutput()).trimmed();
}

TEST_F(KeysIdentity, ANewKeyIsAPrivateNewFileThatOpensAgainWithItsPasswordOnly) {
    const struct {
        const char* what;
        QString password;
    } cases[] = {{"unprotected", {}}, {"protected", kPassword}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reopen();
        const QString file = path(QString::fromLatin1(c.what) + QStringLiteral(".key"));
        const mode_t umask = ::umask(0); // whatever the umask, the owner's alone
        newKey(file, c.password);
        ::umask(umask);
        EXPECT_TRUE(dialogs.fileRequests.constLast().save);
        EXPECT_EQ(testsupport::modeOf(file), 0600u);
        const QByteArray content = testsupport::readAll(file);
        EXPECT_EQ(sealed::isProtectedIdentityFile(content), !c.password.isEmpty());
        const QStringList inFile = recipientsIn(file, &c.password);
        ASSERT_EQ(inFile.size(), 1);
        EXPECT_EQ(shownRecipient(), inFile.constFirst());
        EXPECT_EQ(openRecipients(), inFile);
        EXPECT_TRUE(passwordsForgotten());
        if (const auto cli = cliRecipient(file, c.password, path(QStringLiteral("pw")))) {
            EXPECT_EQ(*cli, shownRecipient());
        }

        reopen();
        dialogs.clear();
        if (!c.password.isEmpty()) {
            openKey(file, {}); // asks for the password
            EXPECT_TRUE(keys->identities().isEmpty());
            EXPECT_EQ(dialogs.messages.size(), 1);
            openKey(file, c.password + QLatin1Char('x'));
            EXPECT_TRUE(keys->identities().isEmpty());
            EXPECT_EQ(dialogs.messages.size(), 2);
            EXPECT_TRUE(passwordsForgotten());
        }
        openKey(file, c.password);
        EXPECT_EQ(openRecipients(), inFile);
        EXPECT_EQ(shownRecipient(), inFile.constFirst());
        EXPECT_TRUE(passwordsForgotten());
    }
}

TEST_F(KeysIdentity, ANewKeyNeverReplacesAFileNorFollowsALink) {
    const QString existing = path(QStringLiteral("taken.txt"));
    testsupport::writeAll(existing, "mine\n");
    const QString link = path(QStringLiteral("link.key"));
    const QString target = path(QStringLiteral("target.key"));
    ASSERT_TRUE(QFile::link(target, link));
    const struct {
        const char* what;
        QString file;
        bool protect;
        QString password;
        QString again;
    } cases[] = {
        {"a file there", existing, false, {}, {}},
        {"a dangling link there", link, false, {}, {}},
        {"passwords differ", path(QStringLiteral("new1.key")), true, kPassword, kPassword + "!"},
        {"no password", path(QStringLiteral("new2.key")), true, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        dialogs.files.clear();
        at<QCheckBox>("chkProtect")->setChecked(c.protect);
        type("txtPassword", c.password);
        type("txtPasswordAgain", c.again);
        dialogs.files.enqueue(c.file);
        button("cmdNewKey")->click();
        EXPECT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(keys->identities().isEmpty());
    }
    EXPECT_EQ(testsupport::readAll(existing), QByteArray("mine\n"));
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("new1.key"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("new2.key"))));
}

// A cancelled save leaves both boxes as typed: trying again protects the key
// with the password itself, not with what a wipe left in the boxes.
TEST_F(KeysIdentity, ACancelledSaveKeepsThePasswordForTheNextTry) {
    at<QCheckBox>("chkProtect")->setChecked(true);
    type("txtPassword", kPassword);
    type("txtPasswordAgain", kPassword);
    button("cmdNewKey")->click(); // no file queued: the save is cancelled
    EXPECT_EQ(box("txtPassword")->text(), kPassword);
    EXPECT_EQ(box("txtPasswordAgain")->text(), kPassword);
    const QString file = path(QStringLiteral("retry.key"));
    dialogs.files.enqueue(file);
    button("cmdNewKey")->click();
    EXPECT_TRUE(passwordsForgotten());
    EXPECT_EQ(recipientsIn(file, &kPassword), openRecipients());
}

TEST_F(KeysIdentity, SeveralKeysStayOpenUntilClearAndTheChosenOneIsShownAndCopied) {
    QSignalSpy changes(keys, &ui::frmKeys::changed);
    const QString first = path(QStringLiteral("first.key"));
    const QString second = path(QStringLiteral("second.key"));
    newKey(first, {});
    newKey(second, {});
    openKey(first, {}); // already open: still one of it, and no change
    const QStringList expected = recipientsIn(first, nullptr) + recipientsIn(second, nullptr);
    EXPECT_EQ(openRecipients(), expected);
    EXPECT_EQ(changes.count(), 2);
    QListWidget* list = at<QListWidget>("lstIdentities");
    ASSERT_EQ(list->count(), 2);
    for (int row : {1, 0}) {
        list->setCurrentRow(row);
        EXPECT_EQ(shownRecipient(), expected.at(row));
        button("cmdCopy")->click();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), expected.at(row));
    }

    button("cmdClearKeys")->click();
    EXPECT_TRUE(keys->identities().isEmpty());
    EXPECT_TRUE(shownRecipient().isEmpty());
    EXPECT_FALSE(button("cmdCopy")->isEnabled());
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(KeysIdentity, AProtectedCopyOpensWithItsPasswordToTheSameKey) {
    const QString plain = path(QStringLiteral("plain.key"));
    const QString copy = path(QStringLiteral("copy.key"));
    newKey(plain, {});
    type("txtPassword", kPassword);
    type("txtPasswordAgain", kPassword);
    dialogs.files.enqueue(copy);
    button("cmdProtectedCopy")->click();
    EXPECT_EQ(testsupport::modeOf(copy), 0600u);
    EXPECT_TRUE(sealed::isProtectedIdentityFile(testsupport::readAll(copy)));
    EXPECT_EQ(recipientsIn(copy, &kPassword), recipientsIn(plain, nullptr));
    EXPECT_TRUE(passwordsForgotten());
}

TEST_F(KeysIdentity, WhatIsNoIdentityFileIsRefusedAndOpensNothing) {
    const QString people = path(QStringLiteral("people.txt"));
    testsupport::writeAll(people, newRecipient().toLatin1() + "  # Ann\n");
    const QString big = path(QStringLiteral("big.txt"));
    testsupport::writeZeros(big, sealed::kMaxKeyFileSize + 1);
    const QString fifo = path(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& file : {people, big, fifo, path(QStringLiteral("missing"))}) {
        SCOPED_TRACE(file.toStdString());
        dialogs.clear();
        openKey(file, {});
        EXPECT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages.constFirst().icon, platform::Icon::Warning);
        EXPECT_TRUE(keys->identities().isEmpty());
    }
}

} // namespace
