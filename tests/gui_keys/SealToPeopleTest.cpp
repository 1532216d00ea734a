// Sealing to people from the windows: the file window and the main window
// seal to the people chosen and to my own key, and open with the identity
// open in the Keys window; the format caption counts the people; a stranger's
// identity is refused and the output stays as it was.

#include "tests/gui_keys/KeysFixture.h"
#include "ui/common/MainSettings.h"
#include "ui/common/SealTarget.h"
#include "ui/filecipher/frmEncFile.h"
#include "ui/main/frmMain.h"

#include "sealed/Recipients.h"

#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace testsupport {
namespace {

constexpr int kWait = 30000;

class SealToPeopleTest : public KeysFixture {
protected:
    // A new identity, written to its own file and opened in the Keys window.
    sealed::Identity openNewIdentity(const QString& name) {
        const std::optional<sealed::Identity> identity = sealed::Identity::generate();
        EXPECT_TRUE(identity.has_value());
        QByteArray content;
        EXPECT_TRUE(sealed::identityFile(*identity, nullptr, &content).ok());
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        EXPECT_TRUE(keys->openIdentityFile(path(name)).ok());
        return *identity;
    }
    void forgetKeys() { button("cmdClearKeys")->click(); }

    static QByteArray contentOf(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The file window: one pass, to its end.
    bool filePass(ui::frmEncFile* window, const QString& in, const QString& out, bool encrypt) {
        child<QLineEdit>(window, "txtFile")->setText(in);
        child<QLineEdit>(window, "txtFileEnc")->setText(out);
        QSignalSpy ended(window, &ui::frmEncFile::passEnded);
        encrypt ? window->Command1_Click() : window->CmdDec_Click();
        return ended.wait(kWait) || settle();
    }
    ui::frmEncFile* fileWindow(bool toPeople) {
        auto* window = registry.form<ui::frmEncFile>();
        child<QCheckBox>(window, "chkSealed")->setChecked(true);
        child<QComboBox>(window, "cboSealTo")->setCurrentIndex(toPeople ? 1 : 0);
        return window;
    }

    ui::frmMain* mainWindow(int peopleChosen) {
        ui::MessageOptions options;
        options.format = cipher::Format::Sealed;
        options.sealTo.toPeople = true;
        for (const sealed::Person& person : keys->people().mid(0, peopleChosen))
            options.sealTo.people << person.recipient;
        registry.part<ui::MainSettings>()->setOptions(options);
        return registry.form<ui::frmMain>();
    }
};

// Files and messages go to me and come back, with the password box empty.
TEST_F(SealToPeopleTest, FilesAndMessagesSealedToMyKeyOpenWithTheKeysWindowIdentity) {
    const QString text = QStringLiteral("to my own key, für mich");
    {
        QFile plain(path("plain.txt"));
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
        plain.write(text.toUtf8());
    }
    for (const bool viaFileWindow : {true, false}) {
        SCOPED_TRACE(viaFileWindow ? "file window" : "main window");
        forgetKeys();
        openNewIdentity(QStringLiteral("me%1.txt").arg(viaFileWindow));
        if (viaFileWindow) {
            ui::frmEncFile* window = fileWindow(true);
            ASSERT_TRUE(filePass(window, path("plain.txt"), path("sealed.bin"), true));
            EXPECT_EQ(sealed::sealedVersion(contentOf(path("sealed.bin"))), 2);
            ASSERT_TRUE(filePass(window, path("sealed.bin"), path("back.txt"), false));
            EXPECT_EQ(contentOf(path("back.txt")), text.toUtf8());
        } else {
            ui::frmMain* window = mainWindow(0);
            child<QPlainTextEdit>(window, "txtIn")->setPlainText(text);
            child<QLineEdit>(window, "txtFile")->setText(path("message.txt"));
            child<QPushButton>(window, "CmdEnc")->click();
            ASSERT_TRUE(settle());
            child<QPlainTextEdit>(window, "txtIn")->clear();
            child<QPushButton>(window, "cmdDecrypt")->click();
            ASSERT_TRUE(settle());
            EXPECT_EQ(child<QPlainTextEdit>(window, "txtIn")->toPlainText(), text);
        }
        EXPECT_TRUE(dialogs.passwordRequests.isEmpty());
    }
}

// The caption counts my key and the people chosen, in the singular for one.
TEST_F(SealToPeopleTest, CaptionCountsThePeopleSealedTo) {
    addPerson(newRecipient(), QStringLiteral("Ann"));
    addPerson(newRecipient(), QStringLiteral("Bo"));
    openNewIdentity(QStringLiteral("me.txt"));
    const struct {
        int peopleChosen;
        bool leaveOutMine;
        int expected;
    } cases[] = {{0, false, 1}, {1, true, 1}, {1, false, 2}, {2, false, 3}, {2, true, 2}};
    ui::frmMain* window = mainWindow(0);
    for (const auto& c : cases) {
        ui::MessageOptions options = registry.part<ui::MainSettings>()->options();
        options.sealTo.people.clear();
        for (const sealed::Person& person : keys->people().mid(0, c.peopleChosen))
            options.sealTo.people << person.recipient;
        options.sealTo.leaveOutMine = c.leaveOutMine;
        registry.part<ui::MainSettings>()->setOptions(options);
        const QString caption = child<QLabel>(window, "lblFormat")->text();
        EXPECT_TRUE(caption.contains(QString::number(c.expected))) << caption.toStdString();
        EXPECT_EQ(caption.endsWith(QStringLiteral("person")), c.expected == 1)
            << caption.toStdString();
    }
}

// Sealed to someone else: my identity is refused in the core's words, the
// identity asked for next is cancelled, and nothing is written or shown.
TEST_F(SealToPeopleTest, AStrangersIdentityIsRefusedAndTheOutputStaysAsItWas) {
    addPerson(newRecipient(), QStringLiteral("Stranger"));
    {
        QFile plain(path("plain.txt"));
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
        plain.write("not for me");
    }
    ui::MessageOptions options;
    ui::frmMain* window = mainWindow(1);
    options = registry.part<ui::MainSettings>()->options();
    options.sealTo.leaveOutMine = true;
    registry.part<ui::MainSettings>()->setOptions(options);
    child<QPlainTextEdit>(window, "txtIn")->setPlainText(QStringLiteral("not for me"));
    child<QLineEdit>(window, "txtFile")->setText(path("message.txt"));
    child<QPushButton>(window, "CmdEnc")->click();
    ASSERT_TRUE(settle());
    ui::frmEncFile* files = fileWindow(true);
    child<QComboBox>(files, "cboSealTo")->setCurrentIndex(1);
    files->findChild<ui::SealTarget*>()->setChoice(options.sealTo);
    ASSERT_TRUE(filePass(files, path("plain.txt"), path("sealed.bin"), true));
    ASSERT_TRUE(QFile::exists(path("sealed.bin")));

    openNewIdentity(QStringLiteral("me.txt"));
    dialogs.clear();
    child<QPlainTextEdit>(window, "txtIn")->setPlainText(QStringLiteral("kept"));
    child<QPushButton>(window, "cmdDecrypt")->click();
    ASSERT_TRUE(settle());
    EXPECT_EQ(child<QPlainTextEdit>(window, "txtIn")->toPlainText(), QStringLiteral("kept"));
    ASSERT_TRUE(filePass(files, path("sealed.bin"), path("back.txt"), false));
    EXPECT_FALSE(QFile::exists(path("back.txt")));
    ASSERT_EQ(dialogs.messages.size(), 2);
    for (const auto& message : dialogs.messages)
        EXPECT_TRUE(message.text.contains(QStringLiteral("not sealed to this identity")))
            << message.text.toStdString();
    EXPECT_EQ(dialogs.fileRequests.size(), 2); // another identity asked for once each, cancelled
}

} // namespace
} // namespace testsupport
