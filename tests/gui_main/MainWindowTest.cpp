// The main window driven through its controls, menus and keys: the message
// round trip with the file's bytes, Clear, Browse, Print, the length watch,
// Enter and Escape, the windows it opens, and its background picture.

#include "classic/CodePage.h"
#include "base/Limits.h"
#include "classic/MessageFormat.h"
#include "platform/Dialogs.h"
#include "tests/support/Files.h"
#include "tests/support/GuiFixture.h"
#include "tests/support/MessageFiles.h"
#include "tests/support/RecordingPrinter.h"
#include "ui/AppInfo.h"
#include "ui/main/frmMain.h"
#include "ui/startup/frmBrowser.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using platform::Answer;
using platform::Icon;
using testsupport::ScriptedDialogs;

const QString kMaximum = QStringLiteral("Maximum amount of Characters reached!");

// A window that stands in for one that another part of the program builds.
QWidget* stubWindow(ui::FormRegistry&) {
    return new QWidget;
}

class MainWindow : public testsupport::GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        main = registry.form<ui::frmMain>();
        ASSERT_NE(main, nullptr);
    }

    using GuiFixture::child;
    template <class T> T* child(const char* name) { return child<T>(main, name); }
    QPlainTextEdit* txtIn() { return child<QPlainTextEdit>("txtIn"); }
    QLineEdit* txtPW() { return child<QLineEdit>("txtPW"); }
    QLineEdit* txtFile() { return child<QLineEdit>("txtFile"); }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    QLabel* label(const char* name) { return child<QLabel>(name); }
    QAction* action(const char* name) { return child<QAction>(name); }

    void showActive() {
        registry.show<ui::frmMain>();
        ASSERT_TRUE(activate(main));
    }
    void fill(const QString& password, const QString& text, const QString& file) {
        txtPW()->setText(password);
        txtIn()->setPlainText(text);
        txtFile()->setText(file);
    }
    int count(const QString& text) const { return dialogs.texts().count(text); }
    void setOptions(bool pic, bool junkBitz) {
        ui::MessageOptions options;
        options.pic = pic;
        options.junkBitz = junkBitz;
        main->setOptions(options);
    }

    ui::frmMain* main = nullptr;
};

// ---- Look --------------------------------------------------------------------

TEST_F(MainWindow, HasItsFixedLayoutNamesAndTexts) {
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Tessera"));
    EXPECT_EQ(main->centralWidget()->size(), QSize(438, 505));
    registry.show<ui::frmMain>();
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    EXPECT_EQ(main->centralWidget()->y(), main->menuBar()->height());
    EXPECT_TRUE(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);

    const struct {
        const char* name;
        QRect twips;
    } places[] = {
        {"lblPW", {240, 600, 1335, 255}},        {"txtPW", {240, 840, 4815, 375}},
        {"CmdEnc", {5160, 360, 1335, 615}},      {"cmdDecrypt", {5160, 1080, 1335, 495}},
        {"lblText", {240, 1680, 2535, 255}},     {"txtIn", {240, 1920, 4815, 4335}},
        {"frame", {5160, 1920, 1335, 4455}},     {"cmdClear", {5280, 2160, 1095, 495}},
        {"cmdWeb", {5280, 2760, 1095, 495}},     {"cmdBack", {5280, 3360, 1095, 495}},
        {"cmdPrint", {5280, 3960, 1095, 495}},   {"cmdAdvanced", {5280, 4560, 1095, 495}},
        {"cmdFileEnc", {5280, 5160, 1095, 495}}, {"cmdExit", {5280, 5760, 1095, 495}},
        {"lblFile", {240, 5640, 3975, 255}},     {"lblCreate", {240, 6360, 1575, 255}},
        {"txtFile", {240, 6600, 4815, 375}},     {"cmdBrowse", {5160, 6600, 1215, 495}},
        {"pbarEnc", {0, 7200, 6570, 375}},       {"lblPIC", {240, 240, 375, 135}},
        {"lblJB", {960, 240, 495, 135}},
    };
    for (const auto& place : places) {
        QWidget* widget = child<QWidget>(place.name);
        ASSERT_NE(widget, nullptr);
        const QRect pixels(place.twips.x() / 15, place.twips.y() / 15, place.twips.width() / 15,
                           place.twips.height() / 15);
        const QPoint origin = widget->mapTo(main->centralWidget(), QPoint(0, 0));
        EXPECT_EQ(QRect(origin, widget->size()), pixels) << place.name;
    }

    EXPECT_EQ(label("lblPW")->text(), QStringLiteral("Enter Password:"));
    EXPECT_EQ(label("lblText")->text(), QStringLiteral("Enter Text to be Encrypted below:"));
    EXPECT_EQ(label("lblCreate")->text(), QStringLiteral("File to read or create:"));
    EXPECT_EQ(label("lblFile")->text(), QStringLiteral("File to Create:"));
    EXPECT_EQ(child<QGroupBox>("frame")->title(), QStringLiteral("Commandz"));
    EXPECT_EQ(txtFile()->text(), testsupport::offeredFile(QStringLiteral("File.txt")));
    EXPECT_EQ(txtPW()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(txtPW()->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, txtPW()),
              '*');
    txtPW()->setText(QStringLiteral("pw!"));
    EXPECT_EQ(txtPW()->displayText(), QStringLiteral("***"));
    txtPW()->clear();
    EXPECT_TRUE(txtPW()->text().isEmpty());
    EXPECT_TRUE(txtIn()->toPlainText().isEmpty());
    EXPECT_EQ(txtIn()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(child<QProgressBar>("pbarEnc")->value(), 0);

    // The flags are invisible and empty; lblFile lies under the message box.
    EXPECT_FALSE(label("lblPIC")->isVisible());
    EXPECT_FALSE(label("lblJB")->isVisible());
    EXPECT_TRUE(label("lblPIC")->text().isEmpty());
    EXPECT_TRUE(label("lblJB")->text().isEmpty());
    const QPoint underText = label("lblFile")->geometry().center();
    QWidget* top = main->centralWidget()->childAt(underText);
    EXPECT_TRUE(top == txtIn() || txtIn()->isAncestorOf(top));

    const struct {
        const char* name;
        const char* word;
        const char* tip;
    } buttons[] = {
        {"CmdEnc", "Encrypt", "Press here to encrypt a message"},
        {"cmdDecrypt", "Decrypt", "Press here to decrypt a message"},
        {"cmdClear", "Clear", "Press to clear all feilds"},
        {"cmdWeb", "Web Page", "Come to my Web Page and see all of my programz"},
        {"cmdBack", "Background", "Add/Change the background"},
        {"cmdPrint", "Print", "Print whatever text appears in the box on the left"},
        {"cmdAdvanced", "Advanced", ""},
        {"cmdFileEnc", "File Encryption", ""},
        {"cmdExit", "Exit", ""},
        {"cmdBrowse", "Browse", "Search for file to create or decrypt."},
    };
    for (const auto& b : buttons) {
        QPushButton* pb = button(b.name);
        ASSERT_NE(pb, nullptr);
        EXPECT_TRUE(pb->text().isEmpty()) << b.name;
        EXPECT_FALSE(pb->icon().isNull()) << b.name;
        EXPECT_EQ(pb->accessibleName(), QString::fromLatin1(b.word));
        EXPECT_EQ(pb->toolTip(), QString::fromLatin1(b.tip)) << b.name;
    }
    EXPECT_EQ(txtPW()->toolTip(), QStringLiteral("Enter the Password for the file."));
}

TEST_F(MainWindow, FocusStartsInThePasswordAndFollowsTheTabOrder) {
    showActive();
    EXPECT_EQ(QApplication::focusWidget(), txtPW());
    const char* order[] = {"txtIn",     "txtFile",    "CmdEnc",   "cmdDecrypt",  "cmdClear",
                           "cmdWeb",    "cmdBack",    "cmdPrint", "cmdAdvanced", "cmdExit",
                           "cmdBrowse", "cmdFileEnc", "txtPW"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
}

TEST_F(MainWindow, MenusHoldTheirEntriesInOrderWithShortcuts) {
    QStringList titles;
    for (QAction* menu : main->menuBar()->actions())
        titles.append(menu->menu() ? menu->menu()->objectName() : QString());
    EXPECT_EQ(titles, (QStringList{"mnuFile", "mnuTessera", "mnuView", "mnuHelp", "mnusecret"}));

    const struct {
        const char* menu;
        QStringList entries;
    } menus[] = {
        {"mnuFile", {"mnuFileOpen", "mnuFileClear", "mnuFilePrint", "mnuFileSep", "mnuFileExit"}},
        {"mnuTessera", {"mnuTesseraEnc", "mnuTesseraDecrypt", "mnuTesseraKeys"}},
        {"mnuView", {"mnuViewVisit", "mnuViewBack", "mnuViewGoTo"}},
        {"mnuHelp", {"mnuViewAbout", "mnuHelpHow"}},
        {"mnusecret", {"Secret"}},
    };
    for (const auto& m : menus) {
        QStringList names;
        for (QAction* entry : child<QMenu>(m.menu)->actions())
            names.append(entry->objectName());
        EXPECT_EQ(names, m.entries) << m.menu;
    }
    EXPECT_EQ(child<QMenu>("mnuFile")->title(), QStringLiteral("&File"));
    EXPECT_EQ(child<QMenu>("mnuTessera")->title(), QStringLiteral("Tessera"));
    EXPECT_EQ(child<QMenu>("mnuView")->title(), QStringLiteral("&View"));
    EXPECT_EQ(child<QMenu>("mnuHelp")->title(), QStringLiteral("&Help"));
    EXPECT_TRUE(child<QMenu>("mnusecret")->title().trimmed().isEmpty());
    EXPECT_TRUE(action("Secret")->text().trimmed().isEmpty());
    EXPECT_TRUE(action("mnuFileSep")->isSeparator());

    const struct {
        const char* name;
        const char* text;
        const char* keys;
    } entries[] = {
        {"mnuFileOpen", "&Open", "Ctrl+O"},          {"mnuFileClear", "&Clear", "F7"},
        {"mnuFilePrint", "&Print", "Ctrl+P"},        {"mnuFileExit", "&Exit", ""},
        {"mnuTesseraEnc", "E&ncrypt", "F5"},         {"mnuTesseraDecrypt", "&Decrypt", "F6"},
        {"mnuTesseraKeys", "&Keys…", ""},
        {"mnuViewVisit", "&Visit My Web Page", ""},  {"mnuViewBack", "&Backgrounds", "Ctrl+B"},
        {"mnuViewGoTo", "Go to Wizard", "F3"},       {"mnuViewAbout", "&About", ""},
        {"mnuHelpHow", "How to work Tessera", "F1"},
    };
    for (const auto& e : entries) {
        EXPECT_EQ(action(e.name)->text(), QString::fromUtf8(e.text));
        EXPECT_EQ(action(e.name)->shortcut(), QKeySequence(QString::fromLatin1(e.keys))) << e.name;
    }
}

// ---- Background picture -----------------------------------------------------------

TEST_F(MainWindow, PictureIsDrawnUnscaledFromTheTopLeftAndBlackBeyondIt) {
    const QPixmap initial = main->picture();
    ASSERT_FALSE(initial.isNull());
    EXPECT_EQ(initial.deviceIndependentSize().toSize(), QSize(640, 480));

    // A free spot of the client area: above CmdEnc, right of the flags.
    const QPoint inside(200, 8);
    const QPoint beyond(300, 8);
    QPixmap picture(250, 100);
    picture.fill(Qt::red);
    main->setPicture(picture);
    QImage shot = main->centralWidget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(inside), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(beyond), QColor(Qt::black));

    main->setPicture(QPixmap());
    shot = main->centralWidget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(inside), QColor(Qt::black));

    main->setPicture(initial);
    shot = main->centralWidget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(inside),
              initial.toImage().pixelColor(inside * initial.devicePixelRatio()));
}

// ---- Encrypt and decrypt -------------------------------------------------------------

TEST_F(MainWindow, EncryptWritesTheMessageFileAndDecryptReadsItBack) {
    const QString file = path("msg.txt");
    fill(QStringLiteral("key"), QStringLiteral("Hi\nyou"), file);
    dialogs.onMessage = [this](const ScriptedDialogs::Message&) {
        // The pointer is back to normal before the closing message.
        EXPECT_NE(main->cursor().shape(), Qt::WaitCursor);
    };
    button("CmdEnc")->click();
    EXPECT_TRUE(settle());
    EXPECT_EQ(dialogs.texts(), QStringList{"Finished"});
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Tessera2"));
    EXPECT_EQ(child<QProgressBar>("pbarEnc")->value(), 0);

    // The tag, then one value per character; the line break is CR LF.
    const QList<QByteArray> lines = testsupport::readLines(file);
    ASSERT_EQ(lines.size(), 1 + 7);
    EXPECT_EQ(lines[0], QByteArray("\"Tessera v2.0\"\r"));
    const QByteArray message("Hi\r\nyou");
    const QByteArray key("key");
    classic::KeyStream keys(key);
    for (int i = 0; i < message.size(); ++i)
        EXPECT_EQ(lines[i + 1], QByteArray::number(message[i] + keys.next()) + '\r') << i;

    // Decrypt needs only the file and the password.
    button("cmdClear")->click();
    txtPW()->setText(QStringLiteral("key"));
    txtFile()->setText(file);
    dialogs.clear();
    button("cmdDecrypt")->click();
    EXPECT_TRUE(settle());
    EXPECT_EQ(txtIn()->toPlainText(), QStringLiteral("Hi\nyou"));
    EXPECT_EQ(dialogs.texts(), QStringList{"Decrypted"});

    // A second run replaces the text of the first.
    button("cmdDecrypt")->click();
    EXPECT_TRUE(settle());
    EXPECT_EQ(txtIn()->toPlainText(), QStringLiteral("Hi\nyou"));
}

TEST_F(MainWindow, EncryptWithAnEmptyMessageDoesNothing) {
    const QString file = path("none.txt");
    fill(QStringLiteral("key"), QString(), file);
    button("CmdEnc")->click();
    EXPECT_TRUE(settle());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(MainWindow, DecryptOfAMissingFileSaysSoAndLeavesTheBoxEmpty) {
    fill(QStringLiteral("key"), QStringLiteral("old text"), path("missing.txt"));
    button("cmdDecrypt")->click();
    EXPECT_TRUE(settle());
    EXPECT_TRUE(txtIn()->toPlainText().isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("No file loaded or File not found"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
}

TEST_F(MainWindow, MenuShortcutsRunTheSameHandlers) {
    showActive();
    const QString file = path("keys.txt");
    fill(QStringLiteral("pw"), QStringLiteral("abc"), file);
    QTest::keyClick(main, Qt::Key_F5);
    EXPECT_TRUE(settle());
    EXPECT_EQ(dialogs.texts(), QStringList{"Finished"});
    ASSERT_EQ(testsupport::readLines(file).size(), 4);

    QTest::keyClick(main, Qt::Key_F7);
    EXPECT_TRUE(settle());
    EXPECT_TRUE(txtPW()->text().isEmpty());
    EXPECT_EQ(txtFile()->text(), testsupport::offeredFile(QStringLiteral("File.txt")));

    fill(QStringLiteral("pw"), QString(), file);
    QTest::keyClick(main, Qt::Key_F6);
    EXPECT_TRUE(settle());
    EXPECT_EQ(txtIn()->toPlainText(), QStringLiteral("abc"));

    dialogs.files.enqueue(path("chosen.txt"));
    QTest::keyClick(main, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(txtFile()->text(), path("chosen.txt"));

    testsupport::RecordingPrinter printer;
    QTest::keyClick(main, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printer.documents, QStringList{"abc"});
}

// ---- Options ---------------------------------------------------------------------

TEST_F(MainWindow, OptionsChooseTheTagOfTheNextEncryptionAndShowInTheFlags) {
    const QString file = path("opts.txt");
    fill(QStringLiteral("pw"), QStringLiteral("ab"), file);
    const struct {
        bool pic;
        bool jb;
        QByteArray tag;
        int lines;
    } cases[] = {
        {true, false, "\"Tessera v2.0 PIC\"\r", 3},
        {false, true, "\"Tessera v2.0 JB\"\r", 5},
        {true, true, "\"Tessera v2.0 PIC JB\"\r", 5},
        {false, false, "\"Tessera v2.0\"\r", 3},
    };
    for (const auto& c : cases) {
        setOptions(c.pic, c.jb);
        // The invisible flags show the options: "Y" for on, empty for off.
        EXPECT_EQ(label("lblPIC")->text(), c.pic ? QStringLiteral("Y") : QString());
        EXPECT_EQ(label("lblJB")->text(), c.jb ? QStringLiteral("Y") : QString());
        button("CmdEnc")->click();
        EXPECT_TRUE(settle());
        const QList<QByteArray> lines = testsupport::readLines(file);
        ASSERT_EQ(lines.size(), c.lines) << c.tag.constData();
        EXPECT_EQ(lines[0], c.tag);

        // The reader learns the options from the tag.
        txtIn()->clear();
        button("cmdDecrypt")->click();
        EXPECT_TRUE(settle());
        EXPECT_EQ(txtIn()->toPlainText(), QStringLiteral("ab")) << c.tag.constData();
        txtIn()->setPlainText(QStringLiteral("ab"));
    }
}

// ---- Clear, Browse, Print ---------------------------------------------------------------

TEST_F(MainWindow, ClearEmptiesTheFieldsAndKeepsEverythingElse) {
    fill(QStringLiteral("pw"), QStringLiteral("text"), path("x.txt"));
    setOptions(true, true);
    QPixmap picture(10, 10);
    picture.fill(Qt::green);
    main->setPicture(picture);
    child<QProgressBar>("pbarEnc")->setValue(7);

    action("mnuFileClear")->trigger();
    EXPECT_TRUE(txtPW()->text().isEmpty());
    EXPECT_TRUE(txtIn()->toPlainText().isEmpty());
    EXPECT_EQ(txtFile()->text(), testsupport::offeredFile(QStringLiteral("File.txt")));
    EXPECT_TRUE(main->options().pic);
    EXPECT_TRUE(main->options().junkBitz);
    EXPECT_EQ(label("lblPIC")->text(), QStringLiteral("Y"));
    EXPECT_EQ(label("lblJB")->text(), QStringLiteral("Y"));
    EXPECT_EQ(main->picture().cacheKey(), picture.cacheKey());
    EXPECT_EQ(child<QProgressBar>("pbarEnc")->value(), 7);
}

#ifndef Q_OS_WIN
// Without drive letters, "C:\File.txt" would be a file of that strange name in
// whatever folder the program was started from. The default is the home
// folder's File.txt instead, and an Encrypt that keeps it writes there.
TEST(MainWindowDefaults, TheDefaultMessageFileLiesInTheHomeFolder) {
    QTemporaryDir home;
    QTemporaryDir startedIn;
    ASSERT_TRUE(home.isValid() && startedIn.isValid());
    const QByteArray oldHome = qgetenv("HOME");
    const QString oldCurrent = QDir::currentPath();
    qputenv("HOME", QFile::encodeName(home.path()));
    QDir::setCurrent(startedIn.path());
    {
        ScriptedDialogs dialogs;
        ui::FormRegistry registry;
        ui::registerAllForms(registry);
        auto* main = registry.form<ui::frmMain>();
        auto* txtFile = main->findChild<QLineEdit*>(QStringLiteral("txtFile"));
        const QString expected = home.filePath(QStringLiteral("File.txt"));
        EXPECT_EQ(txtFile->text(), expected);

        main->findChild<QLineEdit*>(QStringLiteral("txtPW"))->setText(QStringLiteral("pw"));
        main->findChild<QPlainTextEdit*>(QStringLiteral("txtIn"))
            ->setPlainText(QStringLiteral("hi"));
        main->CmdEnc_Click();
        EXPECT_TRUE(testsupport::settle());
        EXPECT_EQ(dialogs.texts(), QStringList{"Finished"});
        EXPECT_TRUE(QFileInfo(expected).isFile());
        EXPECT_TRUE(QDir(startedIn.path()).isEmpty()) << "nothing lands where the program started";

        // Clear brings the same default back.
        txtFile->setText(QStringLiteral("elsewhere.txt"));
        main->cmdClear_Click();
        EXPECT_EQ(txtFile->text(), expected);
    }
    QDir::setCurrent(oldCurrent);
    qputenv("HOME", oldHome);
}
#endif

TEST_F(MainWindow, BrowseKeepsItsLastNameAcrossACancel) {
    txtFile()->setText(QStringLiteral("typed.txt"));
    button("cmdBrowse")->click(); // cancelled on first use
    EXPECT_EQ(txtFile()->text(), QStringLiteral("typed.txt"));
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests[0].title, QStringLiteral("Tessera File"));
    EXPECT_TRUE(dialogs.fileRequests[0].fileName.isEmpty());
    // Every file is offered, with or without a dot in its name.
#ifdef Q_OS_WIN
    EXPECT_EQ(dialogs.fileRequests[0].filter, QStringLiteral("*.*"));
#else
    EXPECT_EQ(dialogs.fileRequests[0].filter, QStringLiteral("*"));
#endif

    dialogs.files.enqueue(path("first.txt"));
    action("mnuFileOpen")->trigger();
    EXPECT_EQ(txtFile()->text(), path("first.txt"));

    // A later cancel writes the earlier choice back.
    txtFile()->setText(QStringLiteral("other.txt"));
    button("cmdBrowse")->click();
    EXPECT_EQ(txtFile()->text(), path("first.txt"));
    ASSERT_EQ(dialogs.fileRequests.size(), 3);
    EXPECT_EQ(dialogs.fileRequests[2].fileName, path("first.txt"));
}

TEST_F(MainWindow, PrintSendsTheWholeTextOrSaysWhyItCouldNot) {
    testsupport::RecordingPrinter printer;
    txtIn()->setPlainText(QStringLiteral("line one\nline two"));
    button("cmdPrint")->click();
    EXPECT_EQ(printer.documents, QStringList{"line one\nline two"});
    EXPECT_EQ(printer.pointSizes, QList<int>{14});
    EXPECT_TRUE(dialogs.messages.isEmpty());

    txtIn()->clear();
    action("mnuFilePrint")->trigger();
    EXPECT_EQ(printer.documents.size(), 2);
    EXPECT_TRUE(printer.documents[1].isEmpty());

    printer.available = false;
    button("cmdPrint")->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("No printer")));
    EXPECT_NE(main->cursor().shape(), Qt::WaitCursor);
}

// ---- Length watch -------------------------------------------------------------------

TEST_F(MainWindow, LengthWatchFiresOnlyAtExactlyTenThousandTyped) {
    showActive();
    txtIn()->setFocus();
    txtIn()->setPlainText(QString(9999, QLatin1Char('a')));
    EXPECT_EQ(count(kMaximum), 0);
    txtIn()->moveCursor(QTextCursor::End);

    QTest::keyClick(txtIn(), Qt::Key_B);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, kMaximum);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Maximum"));
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    EXPECT_EQ(dialogs.messages[0].buttons, platform::Buttons::Ok);

    // Typing goes on past the maximum without a word; back to it, the message again.
    QTest::keyClick(txtIn(), Qt::Key_C);
    EXPECT_EQ(txtIn()->toPlainText().size(), 10001);
    EXPECT_EQ(count(kMaximum), 1);
    QTest::keyClick(txtIn(), Qt::Key_Backspace);
    EXPECT_EQ(count(kMaximum), 2);
    QTest::keyClick(txtIn(), Qt::Key_Backspace);
    EXPECT_EQ(count(kMaximum), 2);

    // A line break counts two: 9998 characters and one Enter make 10000.
    txtIn()->setPlainText(QString(9998, QLatin1Char('a')));
    txtIn()->moveCursor(QTextCursor::End);
    QTest::keyClick(txtIn(), Qt::Key_Return);
    EXPECT_TRUE(settle());
    EXPECT_EQ(count(kMaximum), 3);
    EXPECT_EQ(main->messageLength(), 10000);
}

TEST_F(MainWindow, LengthWatchIgnoresAPastePastTheMaximumUntilDeletedBack) {
    txtIn()->setPlainText(QString(9990, QLatin1Char('a')));
    txtIn()->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QString(20, QLatin1Char('p')));
    txtIn()->paste();
    ASSERT_EQ(txtIn()->toPlainText().size(), 10010);
    EXPECT_EQ(count(kMaximum), 0);

    for (int i = 0; i < 9; ++i)
        QTest::keyClick(txtIn(), Qt::Key_Backspace);
    EXPECT_EQ(count(kMaximum), 0);
    QTest::keyClick(txtIn(), Qt::Key_Backspace);
    EXPECT_EQ(count(kMaximum), 1);
}

TEST_F(MainWindow, DecryptedTextReachingTheMaximumWarnsOnceMidwayAndGoesOn) {
    // 10010 characters, line breaks among them, in a file written by the rules.
    QByteArray text;
    while (text.size() < 10010)
        text += text.size() % 100 == 0 ? QByteArray("\r\n") : QByteArray("x");
    text.truncate(10010);
    const QString file = path("long.txt");
    testsupport::writeClassicMessage(file, text, "pw");

    registry.show<ui::frmMain>();
    int lengthAtMessage = -1;
    Qt::CursorShape pointerAtMessage = Qt::ArrowCursor;
    bool textShownAtMessage = false;
    dialogs.onMessage = [&](const ScriptedDialogs::Message& m) {
        if (m.text != kMaximum)
            return;
        lengthAtMessage = main->messageLength();
        pointerAtMessage = main->cursor().shape();
        // While the message is up the box paints the text decrypted so far.
        const QImage shot = txtIn()->viewport()->grab().toImage();
        for (int y = 0; y < shot.height() && !textShownAtMessage; ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (shot.pixelColor(x, y).lightness() < 128) {
                    textShownAtMessage = true;
                    break;
                }
            }
        }
    };
    fill(QStringLiteral("pw"), QString(), file);
    button("cmdDecrypt")->click();
    EXPECT_TRUE(settle());
    EXPECT_EQ(dialogs.texts(), (QStringList{kMaximum, "Decrypted"}));
    EXPECT_EQ(lengthAtMessage, 10000);
    EXPECT_EQ(pointerAtMessage, Qt::WaitCursor);
    EXPECT_TRUE(textShownAtMessage);
    EXPECT_EQ(main->messageLength(), 10010);
    EXPECT_EQ(classic::toMessageLineEnds(txtIn()->toPlainText()).toLatin1(), text);
}

TEST_F(MainWindow, ALongDecryptedParagraphIsLaidOutAndEditableAfterwards) {
    const QString file = path("paragraph.txt");
    testsupport::writeClassicMessage(file, QByteArray(3000, 'w'), "pw");
    registry.show<ui::frmMain>();
    fill(QStringLiteral("pw"), QString(), file);
    button("cmdDecrypt")->click();
    EXPECT_TRUE(settle());
    QApplication::processEvents();
    const QTextBlock paragraph = txtIn()->document()->firstBlock();
    ASSERT_EQ(paragraph.length(), 3001);
    EXPECT_GT(paragraph.layout()->lineCount(), 10);
    EXPECT_EQ(paragraph.lineCount(), paragraph.layout()->lineCount());
    EXPECT_GT(txtIn()->verticalScrollBar()->maximum(), 0);

    // Typing afterwards lays the paragraph out at once again.
    txtIn()->moveCursor(QTextCursor::End);
    QTest::keyClicks(txtIn(), QString(200, QLatin1Char('v')));
    EXPECT_EQ(txtIn()->document()->firstBlock().lineCount(),
              txtIn()->document()->firstBlock().layout()->lineCount());
    EXPECT_EQ(main->messageLength(), 3200);
}

// A message file far beyond any message (a valid one of a million values, as
// a user may be handed) froze the window for a minute and every keystroke
// after it for as long. Such a file is refused at once and the text in the
// box stays; up to the ceiling every value arrives and the box takes typing.
TEST_F(MainWindow, AFileFarLargerThanAnyMessageIsRefusedAndTheTextStays) {
    registry.show<ui::frmMain>();
    const QString huge = path("huge.txt");
    testsupport::writeClassicMessage(huge, QByteArray(1000000, 'A'), "pw");
    const QString many = path("many.txt");
    testsupport::writeClassicMessage(many, QByteArray(base::kMaxFileValues + 1, 'A'), "pw");

    for (const QString& file : {huge, many}) {
        SCOPED_TRACE(file.toStdString());
        dialogs.clear();
        fill(QStringLiteral("pw"), QStringLiteral("my own notes"), file);
        button("cmdDecrypt")->click();
        EXPECT_TRUE(settle());
        ASSERT_EQ(dialogs.messages.size(), 1) << dialogs.texts().join('|').toStdString();
        EXPECT_TRUE(dialogs.messages[0].text.startsWith(
            QStringLiteral("The file \"%1\" was not decrypted: it ")
                .arg(QDir::toNativeSeparators(file))));
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Error"));
        EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
        EXPECT_EQ(txtIn()->toPlainText(), QStringLiteral("my own notes"));
        EXPECT_NE(main->cursor().shape(), Qt::WaitCursor);
    }

    const QString largest = path("largest.txt");
    testsupport::writeClassicMessage(largest, QByteArray(base::kMaxFileValues, 'A'), "pw");
    dialogs.clear();
    fill(QStringLiteral("pw"), QString(), largest);
    button("cmdDecrypt")->click();
    EXPECT_TRUE(settle());
    EXPECT_EQ(dialogs.texts(), (QStringList{kMaximum, "Decrypted"}));
    EXPECT_EQ(main->messageLength(), base::kMaxFileValues);
    txtIn()->moveCursor(QTextCursor::End);
    QTest::keyClicks(txtIn(), QStringLiteral("B"));
    EXPECT_EQ(main->messageLength(), base::kMaxFileValues + 1);
}

// ---- Enter and Escape -----------------------------------------------------------------

TEST_F(MainWindow, EnterEncryptsOutsideTheMessageBoxAndBreaksLinesInside) {
    showActive();
    const QString file = path("enter.txt");
    fill(QStringLiteral("pw"), QStringLiteral("ab"), file);
    EXPECT_TRUE(button("CmdEnc")->isDefault());

    txtPW()->setFocus();
    ASSERT_TRUE(txtPW()->hasFocus());
    QTest::keyClick(txtPW(), Qt::Key_Return);
    EXPECT_TRUE(settle());
    EXPECT_EQ(count(QStringLiteral("Finished")), 1);
    ASSERT_TRUE(QFile::remove(file));

    txtFile()->setFocus();
    QTest::keyClick(txtFile(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(settle());
    EXPECT_EQ(count(QStringLiteral("Finished")), 2);
    EXPECT_TRUE(QFile::exists(file));

    // In the message box CmdEnc is no default button and Enter makes a new line.
    txtIn()->setFocus();
    ASSERT_TRUE(txtIn()->hasFocus());
    EXPECT_FALSE(button("CmdEnc")->isDefault());
    txtIn()->moveCursor(QTextCursor::End);
    QTest::keyClick(txtIn(), Qt::Key_Return);
    EXPECT_TRUE(settle());
    EXPECT_EQ(txtIn()->toPlainText(), QStringLiteral("ab\n"));
    EXPECT_EQ(count(QStringLiteral("Finished")), 2);

    // Leaving the box makes it the default button again.
    QTest::keyClick(txtIn(), Qt::Key_Tab);
    EXPECT_TRUE(txtFile()->hasFocus());
    EXPECT_TRUE(button("CmdEnc")->isDefault());

    // A focused button answers Enter itself.
    button("cmdClear")->setFocus();
    QTest::keyClick(button("cmdClear"), Qt::Key_Return);
    EXPECT_TRUE(settle());
    EXPECT_TRUE(txtIn()->toPlainText().isEmpty());
    EXPECT_EQ(count(QStringLiteral("Finished")), 2);
}

TEST_F(MainWindow, EscapeAnywhereRunsTheApplicationExit) {
    for (const char* name : {"txtIn", "txtPW", "cmdDecrypt"}) {
        showActive();
        QWidget* target = child<QWidget>(name);
        target->setFocus();
        const int before = quits;
        QTest::keyClick(target, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return quits == before + 1; })) << name;
        EXPECT_FALSE(registry.isLoaded<ui::frmMain>()) << name;
        main = registry.form<ui::frmMain>();
    }
}

TEST_F(MainWindow, ExitButtonMenuAndFrameCloseEndTheProgram) {
    const auto runs = [&](const std::function<void()>& start) {
        showActive();
        const int before = quits;
        start();
        const bool ended = QTest::qWaitFor([&] { return quits == before + 1; });
        const bool unloaded = !registry.isLoaded<ui::frmMain>();
        main = registry.form<ui::frmMain>();
        return ended && unloaded;
    };
    EXPECT_TRUE(runs([&] { QTest::mouseClick(button("cmdExit"), Qt::LeftButton); }));
    EXPECT_TRUE(runs([&] { action("mnuFileExit")->trigger(); }));
    EXPECT_TRUE(runs([&] { main->close(); }));
}

// ---- Other windows -------------------------------------------------------------------

TEST_F(MainWindow, WebPageAsksFirstAndOpensAFreshViewerEachTime) {
    showActive();
    dialogs.answers.enqueue(Answer::Cancel);
    button("cmdWeb")->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("You must be logged on to your ISP, would you like to continue?"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Internet Service Provider"));
    EXPECT_EQ(dialogs.messages[0].icon, Icon::None);
    EXPECT_EQ(dialogs.messages[0].buttons, platform::Buttons::OkCancel);
    EXPECT_TRUE(registry.adopted().isEmpty());

    button("cmdWeb")->click();
    action("mnuViewVisit")->trigger();
    const QList<QWidget*> viewers = registry.adopted();
    ASSERT_EQ(viewers.size(), 2);
    EXPECT_NE(viewers[0], viewers[1]);
    for (QWidget* viewer : viewers) {
        EXPECT_TRUE(viewer->isVisible());
        auto* browser = qobject_cast<ui::frmBrowser*>(viewer);
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->StartingAddress(), ui::kAuthorWebPage);
    }
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindow, CommandsShowTheirWindowsBesideTheMainWindow) {
    forEach<ui::frmEncFile, ui::frmBack, ui::frmAbout, ui::frmHelp, ui::frmWizard1>(
        [this]<class Form> { registry.registerStandIn<Form>(stubWindow); });
    showActive();
    const struct {
        std::function<void()> run;
        QString opens;
    } commands[] = {
        {[&] { button("cmdFileEnc")->click(); }, nameOf<ui::frmEncFile>()},
        {[&] { button("cmdBack")->click(); }, nameOf<ui::frmBack>()},
        {[&] { action("mnuViewBack")->trigger(); }, nameOf<ui::frmBack>()},
        {[&] { action("mnuViewAbout")->trigger(); }, nameOf<ui::frmAbout>()},
        {[&] { action("mnuHelpHow")->trigger(); }, nameOf<ui::frmHelp>()},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(qPrintable(command.opens));
        forEach<ui::frmEncFile, ui::frmBack, ui::frmAbout, ui::frmHelp>(
            [this]<class Form> { registry.hide<Form>(); });
        command.run();
        EXPECT_EQ((shown<ui::frmEncFile, ui::frmBack, ui::frmAbout, ui::frmHelp>()),
                  QStringList{command.opens});
        EXPECT_TRUE(main->isVisible());
    }

    // Go to Wizard hides the main window, keeping its fields, and shows the chooser.
    fill(QStringLiteral("pw"), QStringLiteral("text"), QStringLiteral("f.txt"));
    action("mnuViewGoTo")->trigger();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(visible<ui::frmWizard1>());
    registry.show<ui::frmMain>();
    EXPECT_EQ(txtPW()->text(), QStringLiteral("pw"));
    EXPECT_EQ(txtIn()->toPlainText(), QStringLiteral("text"));
    EXPECT_EQ(txtFile()->text(), QStringLiteral("f.txt"));
}

TEST(MainWindowAlone, CommandsForWindowsNotBuiltDoNothing) {
    ScriptedDialogs dialogs;
    ui::FormRegistry registry;
    ui::registerMainForms(registry);
    auto* main = qobject_cast<ui::frmMain*>(registry.show<ui::frmMain>());
    ASSERT_NE(main, nullptr);
    main->cmdFileEnc_Click();
    main->cmdBack_Click();
    main->mnuViewAbout_Click();
    main->mnuHelpHow_Click();
    main->cmdWeb_Click();
    main->mnuViewGoTo_Click();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(registry.loadedNames(), QStringList{ui::FormRegistry::nameOf<ui::frmMain>()});
    EXPECT_TRUE(registry.adopted().isEmpty());
}

TEST_F(MainWindow, SecretEntryOpensThePictureWindowOnlyWhileBrowseHasTheFocus) {
    registry.registerStandIn<ui::frmSecret>(stubWindow);
    showActive();
    txtPW()->setFocus();
    action("Secret")->trigger();
    EXPECT_FALSE(registry.isLoaded<ui::frmSecret>());

    button("cmdBrowse")->setFocus();
    EXPECT_TRUE(main->browseHasFocus());
    action("Secret")->trigger();
    ASSERT_TRUE(registry.isLoaded<ui::frmSecret>());
    EXPECT_TRUE(visible<ui::frmSecret>());

    txtPW()->setFocus();
    EXPECT_FALSE(main->browseHasFocus());
}

// ---- The dialog layer's real message boxes ---------------------------------------------

// Shows a real message box through the dialog layer (no scripted dialogs in
// force), measures it once it is up, and closes it from a timer.
int shownMessageBoxWidth(const QString& text, const QString& title) {
    int width = -1;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        width = box->width();
        poll.stop();
        const auto buttons = box->findChildren<QPushButton*>();
        if (!buttons.isEmpty())
            buttons.first()->click();
        else
            box->reject();
    });
    poll.start();
    QTimer::singleShot(10000, [] {
        if (QWidget* stuck = QApplication::activeModalWidget())
            stuck->close();
    });
    platform::messageBox(nullptr, text, title);
    return width;
}

// A box is wide enough for its title when the title, in the title-bar font and
// bold, leaves room beside it for a window icon and the frame's buttons.
int titleWidth(const QString& title) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title);
}

TEST(SystemMessageBoxes, ShortMessagesAreWideEnoughToShowTheTitle) {
    const QString title = QStringLiteral("Tessera2");
    for (const char* text : {"Finished", "Decrypted", "Done", "Problemz Fixed!"}) {
        SCOPED_TRACE(text);
        const int width = shownMessageBoxWidth(QString::fromLatin1(text), title);
        ASSERT_GT(width, 0) << "the box was not shown";
        EXPECT_GE(width, titleWidth(title) + 4 * 24);
        EXPECT_LE(width, 480) << "only as wide as the title needs";
    }
    // A longer title widens the box with it.
    const QString longTitle = QStringLiteral("Internet Service Provider");
    EXPECT_GE(shownMessageBoxWidth(QStringLiteral("OK?"), longTitle),
              titleWidth(longTitle) + 4 * 24);
}

} // namespace
