// Encrypting to the name of a file that is there already, in the main window
// and at the wizard's Finish: an earlier message file is replaced as always;
// any other file is replaced only after a question, whose default, No, leaves
// everything as it was.

#include "WizardFixture.h"

#include "sealed/Header.h"
#include "sealed/Message.h"
#include "tests/support/Drops.h"
#include "tests/support/Files.h"
#include "words/Describe.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <functional>
#include <optional>

namespace {

using platform::Answer;

struct Existing {
    const char* name;
    std::optional<QByteArray> content; // nothing: no file at all
    bool asked;
};

QByteArray sealedMessage() {
    QByteArray file;
    const sealed::Result sealedOk = sealed::sealMessage(
        QStringLiteral("earlier"), QStringLiteral("pw"), &file, sealed::Params::fastest());
    EXPECT_TRUE(sealedOk.ok()) << words::sentence(sealedOk.failure).toStdString();
    return file;
}

QList<Existing> existingFiles() {
    QList<Existing> cases = {
        {"no file", std::nullopt, false},
        {"an empty file", QByteArray(), false},
        {"a note beginning with a number", "1. Buy milk\n2. Call Anna\n", true},
        {"a note beginning with a quote", "\"Hello,\" she said.\n", true},
        {"numbers alone", "65\r\n66\r\n", true},
        {"an unknown tag", "\"Tessera v3.0\"\r\n65\r\n", true},
        {"a known tag in a sentence", "\"Tessera v2.0\" is what it said.\r\n", true},
        {"a tag line with a lone LF", "\"Tessera v2.0 PIC\"\n65\n", false},
        {"a sealed file",
         QByteArray(reinterpret_cast<const char*>(sealed::kMagic.data()), sealed::kMagic.size()) +
             QByteArray(64, '\x01'),
         false},
    };
    for (const char* tag : {"Tessera v1.0", "Tessera v2.0", "Tessera v2.0 PIC", "Tessera v2.0 JB",
                            "Tessera v2.0 PIC JB", "Tessera v2.0 PIC L", "Tessera v2.0 JB L",
                            "Tessera v2.0 PIC JB L"})
        cases.append({tag, QByteArray("\"") + tag + "\"\r\n65\r\n66\r\n", false});
    const QByteArray message = sealedMessage();
    cases.append({"a sealed message", message, false});
    QByteArray changed = message;
    changed.replace("Tessera v2.0 Sealed", "tessera v2.0 sealed");
    cases.append({"a sealed message whose tag line was changed", changed, false});
    cases.append({"a letter quoting a sealed message", "Dear Bob,\n\n" + message + "\nAlice\n", true});
    return cases;
}

class ReplaceQuestion : public WizardFixture {
protected:
    // The file at the name as the case has it; a link `target` names it.
    void put(const QString& target, const std::optional<QByteArray>& content) {
        QFile::remove(target);
        if (content)
            testsupport::writeAll(target, *content);
    }
    QList<testsupport::ScriptedDialogs::Message> questions() const {
        QList<testsupport::ScriptedDialogs::Message> asked;
        for (const auto& m : dialogs.messages) {
            if (m.buttons == platform::Buttons::YesNo)
                asked << m;
        }
        return asked;
    }
    // Encrypts "secret" to `file` from the main window.
    void encryptInMainWindow(const QString& file) {
        registry.show<ui::frmMain>();
        edit<ui::frmMain>("txtPW")->setText(QStringLiteral("pw"));
        textEdit<ui::frmMain>("txtIn")->setPlainText(QStringLiteral("secret"));
        edit<ui::frmMain>("txtFile")->setText(file);
        registry.form<ui::frmMain>()->CmdEnc_Click();
        ASSERT_TRUE(settle());
    }
    // Through the wizard to Finish, the file dropped on its file page when it
    // exists (as from a file manager), typed otherwise.
    void encryptInWizard(const QString& file) {
        registry.hide<ui::frmMain>();
        startWizard();
        click<ui::frmEncDec>("cmdChoseEnc");
        enterPasswords(QStringLiteral("pw"), QStringLiteral("pw"));
        if (!QFileInfo(file).isFile() ||
            !testsupport::dropOn(registry.form<ui::frmFile>(), {QUrl::fromLocalFile(file)}))
            edit<ui::frmFile>("txtFile")->setText(file);
        ASSERT_EQ(edit<ui::frmFile>("txtFile")->text(), file);
        click<ui::frmFile>("cmdNext");
        textEdit<ui::frmTextEnc>("txtInput")->setPlainText(QStringLiteral("secret"));
        click<ui::frmTextEnc>("cmdNext");
        click<ui::frmWizardAdvanced>("cmdNext");
        click<ui::frmFinish>("cmdNext");
    }
};

TEST_F(ReplaceQuestion, OnlyAFileThatIsNotAMessageFileIsAskedAboutAndNoKeepsIt) {
    const struct {
        const char* name;
        std::function<void(const QString&)> encrypt;
        std::function<bool()> stayed; // where No leaves the user
    } windows[] = {
        {"main window", [this](const QString& f) { encryptInMainWindow(f); },
         [this] {
             return textEdit<ui::frmMain>("txtIn")->toPlainText() == QStringLiteral("secret");
         }},
        {"wizard", [this](const QString& f) { encryptInWizard(f); },
         [this] { return bool(onScreen<ui::frmFinish>()); }},
    };
    const QString file = path(QStringLiteral("notes.txt"));
    const QString link = path(QStringLiteral("link.txt"));
    QList<Existing> cases = existingFiles();
    for (const auto& w : windows) {
        for (const Existing& c : cases) {
            // A link is written through, and asked about as the file it names.
            for (const QString& name : {file, link}) {
                if (name == link && !c.content)
                    continue;
                // The default answer, then Yes.
                for (const std::optional<Answer> answer :
                     {std::optional<Answer>(), std::optional(Answer::Yes)}) {
                    if (answer && !c.asked)
                        continue;
                    SCOPED_TRACE(std::string(w.name) + ", " + c.name +
                                 (name == link ? ", through a link" : "") +
                                 (answer ? ", Yes" : ""));
                    put(file, c.content);
                    QFile::remove(link);
                    if (name == link) {
                        ASSERT_TRUE(QFile::link(file, link));
                    }
                    dialogs.clear();
                    if (answer)
                        dialogs.answers.enqueue(*answer);
                    w.encrypt(name);
                    const auto asked = questions();
                    ASSERT_EQ(asked.size(), c.asked ? 1 : 0)
                        << dialogs.texts().join('|').toStdString();
                    if (c.asked) {
                        EXPECT_EQ(asked[0].icon, platform::Icon::Question);
                        EXPECT_TRUE(asked[0].text.contains(name)) << asked[0].text.toStdString();
                    }
                    if (c.asked && !answer) {
                        EXPECT_EQ(testsupport::readAll(file), *c.content) << "No keeps the file";
                        EXPECT_EQ(dialogs.messages.size(), 1)
                            << dialogs.texts().join('|').toStdString();
                        EXPECT_TRUE(w.stayed());
                        registry.hide<ui::frmFinish>();
                        continue;
                    }
                    EXPECT_EQ(dialogs.messages.last().text, QStringLiteral("Finished"));
                    EXPECT_TRUE(testsupport::readAll(file).startsWith("\"Tessera v2.0\"\r\n"));
                }
            }
        }
    }
}

} // namespace
