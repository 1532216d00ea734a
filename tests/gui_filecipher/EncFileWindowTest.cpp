// The file encryption window driven through its controls: layout, the copy's
// name kept in step with the input's, Browse, passes with their bar and closing
// message, cancellation by Close, and the fresh start after Close.

#include "sealed/Stream.h"
#include "tests/support/Files.h"
#include "tests/support/GuiFixture.h"
#include "tests/support/Waits.h"
#include "ui/filecipher/frmEncFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <optional>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testsupport::ScriptedDialogs;
using ui::frmEncFile;

const QString kInitialCopy = testsupport::offeredFile(QStringLiteral("EncryptedCopy"));
constexpr int kWait = 60000;

using testsupport::readAll;
using testsupport::writeAll;
using testsupport::writeZeros;

// Byte k of the copy is the input byte plus the code of password character
// ((k - 1) mod L) + 1, modulo 256 (minus for deciphering).
QByteArray cipherBytes(const QByteArray& input, const QByteArray& password, int sign) {
    QByteArray out(input.size(), Qt::Uninitialized);
    for (qsizetype j = 0; j < input.size(); ++j) {
        const int p = static_cast<quint8>(password[j % password.size()]);
        out[j] = static_cast<char>((static_cast<quint8>(input[j]) + sign * p + 256) % 256);
    }
    return out;
}

// Whether the pass waits in the system: asleep between tries to open a FIFO
// that nobody reads, or polling for room in a full pipe. Its threads (the
// job's and the chunk pipeline's) carry the program's name.
bool passWaits() {
    const QDir tasks(QStringLiteral("/proc/self/task"));
    const QStringList all = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(all.begin(), all.end(), [&](const QString& task) {
        return readAll(tasks.filePath(task) + "/comm").startsWith("tessera-") &&
               testsupport::sleepsOrPolls(tasks.filePath(task));
    });
}

class EncFileWindow : public testsupport::GuiFixture {
protected:
    // Opens the window as the main window does, and waits until it is active.
    frmEncFile* open() {
        registry.show<frmEncFile>();
        auto* window = registry.loaded<frmEncFile>();
        if (window) {
            EXPECT_TRUE(activate(window));
        }
        return window;
    }

    bool waitUnloaded() {
        return waitFor([this] { return !registry.isLoaded<frmEncFile>(); }, kWait);
    }
};

struct ControlPlace {
    const char* name;
    const char* text;
    QRect geometry; // twips / 15
};

TEST_F(EncFileWindow, OpensCentredWithItsControlsInPlaceAndFocusOnThePassword) {
    frmEncFile* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Encrypt a File using Binary"));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->size(), QSize(298, 240));
    EXPECT_NE(window->minimumSize(), window->maximumSize()) << "the border is resizable";
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE((window->frameGeometry().center() - screen.center()).manhattanLength(), 1);

    const ControlPlace places[] = {
        {"lblPW", "Password:", {16, 8, 49, 17}},
        {"txtPW", "", {16, 24, 273, 25}},
        {"lblFile", "File to encrypt or decrypt:", {16, 64, 129, 17}},
        {"txtFile", "", {16, 80, 201, 25}},
        {"cmdBrowse", "Browse", {224, 80, 65, 25}},
        {"Command1", "Encrypt", {16, 120, 89, 25}},
        {"CmdDec", "Decrypt", {160, 120, 89, 25}},
        {"lblFileout", "Encrypted or decrypted file to create:", {16, 160, 193, 17}},
        {"cmdClose", "Close", {208, 160, 81, 17}},
        {"txtFileEnc", nullptr, {16, 184, 273, 25}},
        {"pbar", nullptr, {0, 223, 298, 17}},
    };
    for (const ControlPlace& place : places) {
        QWidget* control = child<QWidget>(window, place.name);
        ASSERT_NE(control, nullptr);
        if (qobject_cast<QLabel*>(control)) {
            // A label may run wider where the system's face is wider, never narrower.
            EXPECT_EQ(control->pos(), place.geometry.topLeft()) << place.name;
            EXPECT_EQ(control->height(), place.geometry.height()) << place.name;
            EXPECT_GE(control->width(), place.geometry.width()) << place.name;
            EXPECT_GE(control->width(), control->sizeHint().width()) << place.name;
        } else {
            EXPECT_EQ(control->geometry(), place.geometry) << place.name;
        }
        if (!place.text)
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(control))
            text = label->text();
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            text = edit->text();
        else if (auto* button = qobject_cast<QPushButton*>(control))
            text = button->text();
        EXPECT_EQ(text, QString::fromLatin1(place.text)) << place.name;
    }
    EXPECT_EQ(child<QLineEdit>(window, "txtFileEnc")->text(), kInitialCopy);
    // The password shows "*" for each character, as in the program's other windows.
    QLineEdit* password = child<QLineEdit>(window, "txtPW");
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    password->setText(QStringLiteral("pw!"));
    EXPECT_EQ(password->displayText(), QStringLiteral("***"));
    password->clear();
    EXPECT_EQ(child<QProgressBar>(window, "pbar")->value(), 0);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(window, "txtPW"));

    // Tab walks the controls in their order (the Sealed box, added to the
    // classic ones, last) and comes back to the password.
    const QStringList order = {"txtFile",    "cmdBrowse", "Command1", "CmdDec", "cmdClose",
                               "txtFileEnc", "chkSealed", "txtPW"};
    for (const QString& name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
    }

    // Resizing leaves every control where it was; the bar follows the bottom edge.
    window->resize(420, 330);
    // Checked once the window has handled its new size: the bar has moved.
    ASSERT_TRUE(waitFor([&] { return child<QWidget>(window, "pbar")->y() != 0; }));
    EXPECT_EQ(child<QWidget>(window, "txtPW")->geometry(), QRect(16, 24, 273, 25));
    EXPECT_EQ(child<QWidget>(window, "cmdClose")->geometry(), QRect(208, 160, 81, 17));
    EXPECT_EQ(child<QWidget>(window, "pbar")->geometry(), QRect(0, 313, 420, 17));
}

TEST(AppendInputExtension, AppendsTheInputsLastFourCharactersWhenTheEndingsDiffer) {
    struct Case {
        QString input, copy, expected;
    };
    const Case cases[] = {
        {"D:\\Letters\\plan.doc", kInitialCopy, kInitialCopy + ".doc"},
        {"notes.txt", kInitialCopy + ".doc", kInitialCopy + ".doc.txt"},
        {"other.txt", kInitialCopy + ".doc.txt", kInitialCopy + ".doc.txt"},
        {"a.b", kInitialCopy, kInitialCopy + "a.b"}, // shorter than four: whole
        {"", kInitialCopy, kInitialCopy},            // empty: nothing appended
        {"", "copy.doc", "copy.doc"},
        {"PLAN.DOC", kInitialCopy + ".doc", kInitialCopy + ".doc.DOC"}, // case counts
        {"archive.tar.gz", "out", "outr.gz"}, // four characters, not the suffix
        {"x.doc", "", ".doc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frmEncFile::appendedInputExtension(c.input, c.copy), c.expected)
            << c.input.toStdString() << " / " << c.copy.toStdString();
}

TEST_F(EncFileWindow, LeavingTheInputBoxAppendsItsExtensionOnce) {
    frmEncFile* window = open();
    ASSERT_NE(window, nullptr);
    auto* txtFile = child<QLineEdit>(window, "txtFile");
    auto* txtFileEnc = child<QLineEdit>(window, "txtFileEnc");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), txtFile);
    QTest::keyClicks(txtFile, "report.doc");
    EXPECT_EQ(txtFileEnc->text(), kInitialCopy) << "nothing happens while typing";
    QTest::keyClick(txtFile, Qt::Key_Tab);
    EXPECT_EQ(txtFileEnc->text(), kInitialCopy + ".doc");

    // Back into the box and out again: the endings match now.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), txtFile);
    QTest::keyClick(txtFile, Qt::Key_Tab);
    EXPECT_EQ(txtFileEnc->text(), kInitialCopy + ".doc");

    // The same rule runs when the handler is called directly.
    txtFile->setText("DATA.DOC");
    window->txtFile_LostFocus();
    EXPECT_EQ(txtFileEnc->text(), kInitialCopy + ".doc.DOC");
}

TEST_F(EncFileWindow, BrowseTakesTheDialogsNameEvenAfterACancel) {
    frmEncFile* window = open();
    ASSERT_NE(window, nullptr);
    auto* txtFile = child<QLineEdit>(window, "txtFile");
    auto* txtFileEnc = child<QLineEdit>(window, "txtFileEnc");
    auto* cmdBrowse = child<QPushButton>(window, "cmdBrowse");

    // A cancel on first use empties the box and leaves the copy's name alone.
    txtFile->setText("typed.xls");
    dialogs.files.enqueue(std::nullopt);
    QTest::mouseClick(cmdBrowse, Qt::LeftButton);
    EXPECT_EQ(txtFile->text(), QString());
    EXPECT_EQ(txtFileEnc->text(), kInitialCopy);
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests[0].title, QString());
    EXPECT_EQ(dialogs.fileRequests[0].filter, QString());
    EXPECT_EQ(dialogs.fileRequests[0].fileName, QString());

    dialogs.files.enqueue(QStringLiteral("/home/ann/plan.doc"));
    window->cmdBrowse_Click();
    EXPECT_EQ(txtFile->text(), QStringLiteral("/home/ann/plan.doc"));
    EXPECT_EQ(txtFileEnc->text(), kInitialCopy + ".doc");

    dialogs.files.enqueue(QStringLiteral("/home/ann/notes.txt"));
    window->cmdBrowse_Click();
    EXPECT_EQ(txtFileEnc->text(), kInitialCopy + ".doc.txt");

    dialogs.files.enqueue(QStringLiteral("/home/ann/more.txt"));
    window->cmdBrowse_Click();
    EXPECT_EQ(txtFileEnc->text(), kInitialCopy + ".doc.txt");

    // A later cancel brings back the last confirmed choice, whatever was typed.
    txtFile->setText("something else.bmp");
    dialogs.files.enqueue(std::nullopt);
    window->cmdBrowse_Click();
    EXPECT_EQ(txtFile->text(), QStringLiteral("/home/ann/more.txt"));
    EXPECT_EQ(txtFileEnc->text(), kInitialCopy + ".doc.txt");
    EXPECT_EQ(dialogs.fileRequests.constLast().fileName, QStringLiteral("/home/ann/more.txt"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(EncFileWindow, EveryInputIsDisabledWhileAPassRunsAndComesBackAfterItsMessage) {
    frmEncFile* window = open();
    ASSERT_NE(window, nullptr);
    // No input file: the pass refuses, but it still runs on its thread first.
    child<QLineEdit>(window, "txtPW")->setText("secret");
    child<QLineEdit>(window, "txtFile")->setText(path("missing.bin"));
    child<QLineEdit>(window, "txtFileEnc")->setText(path("copy.bin"));
    auto* command1 = child<QPushButton>(window, "Command1");
    command1->setFocus();

    const char* inputs[] = {"txtPW",  "txtFile",    "cmdBrowse", "Command1",
                            "CmdDec", "txtFileEnc", "chkSealed"};
    bool disabledDuringMessage = false;
    dialogs.onMessage = [&](const ScriptedDialogs::Message&) {
        disabledDuringMessage =
            !command1->isEnabled() && child<QProgressBar>(window, "pbar")->value() == 0;
    };
    QSignalSpy ended(window, &frmEncFile::passEnded);
    window->Command1_Click();
    EXPECT_TRUE(window->passRunning());
    for (const char* name : inputs)
        EXPECT_FALSE(child<QWidget>(window, name)->isEnabled()) << name;
    EXPECT_TRUE(child<QWidget>(window, "cmdClose")->isEnabled());
    EXPECT_NE(QApplication::focusWidget(), child<QWidget>(window, "cmdClose"))
        << "a stray key must not cancel the pass";

    ASSERT_TRUE(ended.wait(kWait));
    EXPECT_TRUE(disabledDuringMessage);
    for (const char* name : inputs)
        EXPECT_TRUE(child<QWidget>(window, name)->isEnabled()) << name;
    EXPECT_EQ(QApplication::focusWidget(), command1);
    EXPECT_EQ(ended.at(0).at(0).value<cipher::PassStatus>(), cipher::PassStatus::Refused);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::Stop);
    EXPECT_FALSE(dialogs.messages[0].text.isEmpty());
    EXPECT_FALSE(QFile::exists(path("copy.bin")));
}

TEST_F(EncFileWindow, SealedEncryptsForRealAndDecryptingRecognisesIt) {
    frmEncFile* window = open();
    ASSERT_NE(window, nullptr);
    auto* sealed = child<QCheckBox>(window, "chkSealed");
    EXPECT_EQ(sealed->text(), QStringLiteral("Sealed"));
    EXPECT_FALSE(sealed->isChecked()) << "the classic cipher stays the default";
    EXPECT_FALSE(sealed->accessibleName().isEmpty());
    EXPECT_FALSE(sealed->toolTip().isEmpty());
    EXPECT_TRUE(window->rect().contains(sealed->geometry()));

    const QByteArray plain = testsupport::randomBytes(300 * 1024, 11);
    writeAll(path("photo.jpg"), plain);
    const auto pass = [&](const char* button, const QString& password, const QString& in,
                          const QString& out) {
        child<QLineEdit>(window, "txtPW")->setText(password);
        child<QLineEdit>(window, "txtFile")->setText(in);
        child<QLineEdit>(window, "txtFileEnc")->setText(out);
        QSignalSpy ended(window, &frmEncFile::passEnded);
        child<QPushButton>(window, button)->click();
        EXPECT_TRUE(ended.wait(kWait));
    };
    sealed->setChecked(true);
    pass("Command1", QStringLiteral("\u263A pass"), path("photo.jpg"), path("photo.sealed"));
    EXPECT_EQ(dialogs.messages.last().text, QStringLiteral("Done"));
    EXPECT_TRUE(readAll(path("photo.sealed")).startsWith(QByteArray("\x89TSEAL\r\n", 8)));

    // Deciphering needs no choice, whatever the box says.
    sealed->setChecked(false);
    writeAll(path("back.jpg"), "an earlier file");
    dialogs.clear();
    pass("CmdDec", QStringLiteral("wrong"), path("photo.sealed"), path("back.jpg"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("The password is wrong, or the file was changed or cut short."));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::Stop);
    EXPECT_EQ(readAll(path("back.jpg")), QByteArray("an earlier file"));

    pass("CmdDec", QStringLiteral("\u263A pass"), path("photo.sealed"), path("back.jpg"));
    EXPECT_TRUE(readAll(path("back.jpg")) == plain);

    // Ticked, the box insists on a sealed input when deciphering.
    sealed->setChecked(true);
    dialogs.clear();
    pass("CmdDec", QStringLiteral("\u263A pass"), path("photo.jpg"), path("back.jpg"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.endsWith(
        QStringLiteral("is not a sealed file. To decrypt a classic file, turn Sealed off.")))
        << dialogs.messages[0].text.toStdString();
    EXPECT_TRUE(readAll(path("back.jpg")) == plain);
}

// A sealed file whose header asks a costlier key than the program's own (here
// more passes, over little memory) is opened only when the user says so.
TEST_F(EncFileWindow, ACostlySealedFileIsOpenedOnlyWhenTheUserSaysYes) {
    const QByteArray plain = testsupport::randomBytes(5000, 12);
    sealed::Params costly = sealed::Params::fastest();
    costly.opslimit = sealed::kDefaultOpslimit + 2;
    QByteArray file;
    sealed::MemorySource source(plain);
    sealed::ByteArraySink sink(&file);
    ASSERT_TRUE(sealed::seal(source, sink, sealed::passwordKey(QStringLiteral("pw")), costly).ok());
    writeAll(path("costly.sealed"), file);
    frmEncFile* window = open();
    ASSERT_NE(window, nullptr);
    child<QLineEdit>(window, "txtPW")->setText(QStringLiteral("pw"));
    child<QLineEdit>(window, "txtFile")->setText(path("costly.sealed"));
    child<QLineEdit>(window, "txtFileEnc")->setText(path("back.bin"));

    const struct {
        const char* what;
        std::optional<platform::Answer> answer;
        bool opened;
    } cases[] = {
        {"no answer given: the default", std::nullopt, false},
        {"No", platform::Answer::No, false},
        {"Yes", platform::Answer::Yes, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(path("back.bin"), "an earlier file");
        dialogs.clear();
        if (c.answer)
            dialogs.answers.enqueue(*c.answer);
        QSignalSpy ended(window, &frmEncFile::passEnded);
        child<QPushButton>(window, "CmdDec")->click();
        ASSERT_FALSE(dialogs.messages.isEmpty());
        const ScriptedDialogs::Message& question = dialogs.messages.first();
        EXPECT_EQ(question.buttons, platform::Buttons::YesNo);
        EXPECT_TRUE(question.text.contains(QString::number(costly.opslimit)))
            << question.text.toStdString();
        EXPECT_TRUE(question.text.contains(QDir::toNativeSeparators(path("costly.sealed"))));
        if (c.opened) {
            ASSERT_TRUE(ended.count() > 0 || ended.wait(kWait));
            EXPECT_EQ(dialogs.messages.last().text, QStringLiteral("Done"));
            EXPECT_TRUE(readAll(path("back.bin")) == plain);
        } else {
            EXPECT_EQ(dialogs.messages.size(), 1);
            EXPECT_TRUE(child<QPushButton>(window, "CmdDec")->isEnabled()) << "no pass started";
            EXPECT_EQ(readAll(path("back.bin")), QByteArray("an earlier file"));
        }
    }
}

TEST_F(EncFileWindow, APassMovesTheBarShowsDoneAndWritesTheCopy) {
    constexpr qint64 n = 256LL * 1024 * 1024;
    writeZeros(path("zeros.img"), n);
    frmEncFile* window = open();
    ASSERT_NE(window, nullptr);
    auto* pbar = child<QProgressBar>(window, "pbar");
    child<QLineEdit>(window, "txtPW")->setText("Tessera");
    child<QLineEdit>(window, "txtFile")->setText(path("zeros.img"));
    child<QLineEdit>(window, "txtFileEnc")->setText(path("zeros.enc"));

    QList<int> values;
    QObject::connect(pbar, &QProgressBar::valueChanged, [&](int v) { values.append(v); });
    int maximumAtDone = -1;
    dialogs.onMessage = [&](const ScriptedDialogs::Message&) {
        maximumAtDone = pbar->maximum();
        EXPECT_EQ(pbar->value(), 0) << "back to 0 before the message";
    };
    QSignalSpy ended(window, &frmEncFile::passEnded);
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
    ASSERT_TRUE(ended.wait(kWait));

    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Done"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Tessera2"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::None);
    EXPECT_EQ(dialogs.messages[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(maximumAtDone, n);
    EXPECT_TRUE(std::any_of(values.cbegin(), values.cend(), [](int v) { return v > 0 && v < n; }))
        << "the bar never moved";
    EXPECT_EQ(pbar->value(), 0);

    // Zeros enciphered are the key stream itself, repeated across the whole copy.
    QFile copy(path("zeros.enc"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.size(), n);
    const QByteArray key = QByteArrayLiteral("Tessera");
    QByteArray expected;
    while (expected.size() < 7 * 1024 * 1024)
        expected += key;
    qint64 offset = 0;
    while (offset < n) {
        const QByteArray block = copy.read(expected.size());
        ASSERT_EQ(block, expected.left(block.size())) << "at " << offset;
        offset += block.size();
    }
    EXPECT_EQ(QFile(path("zeros.img")).size(), n);
}

TEST_F(EncFileWindow, EncryptAndDecryptRoundTripThroughTheWindow) {
    const QByteArray plain = testsupport::randomBytes(300001, 7);
    writeAll(path("photo.jpg"), plain);
    frmEncFile* window = open();
    ASSERT_NE(window, nullptr);
    auto* txtFile = child<QLineEdit>(window, "txtFile");
    auto* txtFileEnc = child<QLineEdit>(window, "txtFileEnc");
    child<QLineEdit>(window, "txtPW")->setText(QStringLiteral("pässwörd €"));
    const QByteArray key = QByteArrayLiteral("p\xe4ssw\xf6rd \x80"); // Windows-1252

    // Typed name, then a click on Encrypt: the box loses the focus first, so
    // the pass writes to the extended name.
    txtFileEnc->setText(path("secret"));
    txtFile->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), txtFile);
    QTest::keyClicks(txtFile, path("photo.jpg"));
    QSignalSpy ended(window, &frmEncFile::passEnded);
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
    EXPECT_EQ(txtFileEnc->text(), path("secret.jpg"));
    ASSERT_TRUE(ended.wait(kWait));
    ASSERT_EQ(dialogs.texts(), QStringList{"Done"});
    EXPECT_EQ(readAll(path("secret.jpg")), cipherBytes(plain, key, +1));

    // Decrypt the copy back into a second one.
    txtFile->setText(path("secret.jpg"));
    txtFileEnc->setText(path("again.jpg"));
    QTest::mouseClick(child<QPushButton>(window, "CmdDec"), Qt::LeftButton);
    ASSERT_TRUE(ended.wait(kWait));
    EXPECT_EQ(dialogs.texts(), (QStringList{"Done", "Done"}));
    EXPECT_EQ(readAll(path("again.jpg")), plain);
    EXPECT_EQ(readAll(path("photo.jpg")), plain);
}

// A large input, so that the pass is still running when Close is clicked.
class EncFileCancel : public EncFileWindow {
protected:
    static constexpr qint64 kLarge = 512LL * 1024 * 1024;

    // Starts a pass on n zero bytes and waits until the bar has its range.
    frmEncFile* startLargePass(qint64 n = kLarge, int barMaximum = int(kLarge)) {
        writeZeros(path("large.img"), n);
        frmEncFile* window = open();
        if (!window)
            return nullptr;
        child<QLineEdit>(window, "txtPW")->setText("secret");
        child<QLineEdit>(window, "txtFile")->setText(path("large.img"));
        child<QLineEdit>(window, "txtFileEnc")->setText(path("large.enc"));
        pbar = child<QProgressBar>(window, "pbar");
        QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pbar->maximum() == barMaximum; }, kWait));
        EXPECT_TRUE(window->passRunning()) << "the pass ended before it could be cancelled";
        return window;
    }

    // Nothing but the input and what was there before the pass.
    void expectNoCopyLeft(const QStringList& before) {
        QStringList now = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        now.sort();
        EXPECT_EQ(now, before);
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join("|").toStdString();
    }

    QPointer<QProgressBar> pbar;
};

TEST_F(EncFileCancel, CloseDuringAPassCancelsItAndClosesTheWindow) {
    writeAll(path("large.enc"), "an earlier copy");
    QPointer<frmEncFile> window = startLargePass();
    ASSERT_TRUE(window);
    QTest::mouseClick(child<QPushButton>(window, "cmdClose"), Qt::LeftButton);
    // The pass is over once Close has been handled.
    EXPECT_EQ(readAll(path("large.enc")), QByteArray("an earlier copy"));
    expectNoCopyLeft({"large.enc", "large.img"});
    EXPECT_TRUE(waitUnloaded());
    EXPECT_FALSE(window);
    EXPECT_EQ(quits, 0);
}

TEST_F(EncFileCancel, TheCloseBoxCancelsThePassTheSameWay) {
    QPointer<frmEncFile> window = startLargePass();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->close());
    expectNoCopyLeft({"large.img"});
    EXPECT_TRUE(waitUnloaded());
}

TEST_F(EncFileCancel, UnloadingEveryWindowCancelsARunningPass) {
    writeAll(path("large.enc"), "keep me");
    QPointer<frmEncFile> window = startLargePass();
    ASSERT_TRUE(window);
    registry.unloadAll();
    flushDeletes();
    EXPECT_FALSE(window);
    EXPECT_EQ(readAll(path("large.enc")), QByteArray("keep me"));
    expectNoCopyLeft({"large.enc", "large.img"});
}

TEST_F(EncFileCancel, ACopyToAFifoThatNobodyReadsCannotHoldTheWindowOpen) {
    // Two ways the copy can stall a pass: a FIFO that nobody opens, and a
    // reader that opens it and never reads.
    for (const bool stalledReader : {false, true}) {
        SCOPED_TRACE(stalledReader ? "a reader that stalls" : "no reader at all");
        const QString fifo = path(stalledReader ? "stalled" : "unread");
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const int reader =
            stalledReader ? ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK) : -1;
        writeZeros(path("in.img"), 64LL * 1024 * 1024);
        QPointer<frmEncFile> window = open();
        ASSERT_TRUE(window);
        child<QLineEdit>(window, "txtPW")->setText("secret");
        child<QLineEdit>(window, "txtFile")->setText(path("in.img"));
        child<QLineEdit>(window, "txtFileEnc")->setText(fifo);
        QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
        ASSERT_TRUE(window->passRunning());
        ASSERT_TRUE(waitFor(passWaits, kWait))
            << "into the wait: for a reader, or for room in the pipe";
        ASSERT_TRUE(window->passRunning());

        QTest::mouseClick(child<QPushButton>(window, "cmdClose"), Qt::LeftButton);
        EXPECT_TRUE(waitUnloaded());
        EXPECT_FALSE(window);
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join("|").toStdString();
        if (stalledReader) {
            // The pass let go of the FIFO: past what the pipe held, its end.
            char buffer[65536];
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return ::read(reader, buffer, sizeof buffer) == 0; }, kWait));
            ::close(reader);
        }
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode));
    }
}

TEST_F(EncFileCancel, AFilePastTwoGibibytesMovesTheBarOnAScaledRange) {
    constexpr qint64 n = 5LL << 30; // sparse: costs no disk until written
    QPointer<frmEncFile> window = startLargePass(n, int(n >> 2));
    ASSERT_TRUE(window);
    // A position past the bar's range would be ignored and leave it at 0.
    EXPECT_TRUE(QTest::qWaitFor([this] { return pbar->value() > 0; }, kWait));
    EXPECT_TRUE(window->close());
    expectNoCopyLeft({"large.img"});
}

TEST_F(EncFileWindow, CloseUnloadsAndTheNextOpenStartsAfresh) {
    frmEncFile* window = open();
    ASSERT_NE(window, nullptr);
    child<QLineEdit>(window, "txtPW")->setText("secret");
    dialogs.files.enqueue(QStringLiteral("/home/ann/plan.doc"));
    window->cmdBrowse_Click();

    // Showing it again while it is open changes nothing.
    EXPECT_EQ(registry.show<frmEncFile>(), window);
    EXPECT_EQ(child<QLineEdit>(window, "txtFileEnc")->text(), kInitialCopy + ".doc");

    QTest::mouseClick(child<QPushButton>(window, "cmdClose"), Qt::LeftButton);
    ASSERT_TRUE(waitUnloaded());

    window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(child<QLineEdit>(window, "txtPW")->text(), QString());
    EXPECT_EQ(child<QLineEdit>(window, "txtFile")->text(), QString());
    EXPECT_EQ(child<QLineEdit>(window, "txtFileEnc")->text(), kInitialCopy);
    EXPECT_EQ(child<QProgressBar>(window, "pbar")->value(), 0);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(window, "txtPW"));
    // The dialog starts afresh with the window: a cancel now gives nothing.
    window->cmdBrowse_Click();
    EXPECT_EQ(dialogs.fileRequests.constLast().fileName, QString());
    EXPECT_EQ(child<QLineEdit>(window, "txtFile")->text(), QString());
    EXPECT_EQ(quits, 0);
}

} // namespace
