// The wizard's pages: their texts and places, every transition forward and
// back, the two checks, and the answers they leave in WizardState.

#include "WizardFixture.h"
#include "ui/wizard/WizardPage.h"
#include "ui/wizard/frmWizardAdvanced.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace {

// The lightest pixel of the check box's caption as the box paints it.
int lightestCaptionPixel(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect caption = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const QImage image = box->grab(caption).toImage();
    int lightest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            lightest = qMax(lightest, image.pixelColor(x, y).lightness());
    }
    return lightest;
}

struct Text {
    const char* control;
    const char* text;
};
// Shows a page through the registry.
template <class Page> QWidget* showPage(ui::FormRegistry& registry) {
    return registry.show<Page>();
}

struct PageLook {
    QWidget* (*show)(ui::FormRegistry&);
    const char* caption;
    QSize client;
    std::vector<Text> texts;
};

const std::vector<PageLook> kPages = {
    {showPage<ui::frmEncDec>,
     "Do you want to Encrypt or Decrypt?",
     {380, 191},
     {{"lblWhat", "What do you want to do? Press either Encrypt or Decrypt"},
      {"lblEnc1", "Encryption is the usage of simple mathmatics to code a message so that the key "
                  "or password is required in order to decipher the message's text.  Press "
                  "encrypt to write a message."},
      {"lblDec1", "Decryption is the mathmatical system of using a password or key to make an "
                  "encrypted message legible.  Press decrypt if you want to read or print a "
                  "message which has been encrypted using this program."}}},
    {showPage<ui::frmPW>,
     "Enter Password",
     {312, 272},
     {{"lblTellPW", "Every crypto program requires a password or a key.  Below fill in a password "
                    "of at least 6 characters.  This password is what makes the message legible "
                    "during decryption."},
      {"lblPassword", "Password"},
      {"lblConfirm", "Confirm Password"},
      {"cmdBack", "Back"},
      {"cmdNext", "Next"}}},
    {showPage<ui::frmFile>,
     "File to read or create",
     {312, 226},
     {{"lblReadCreate", "If you are Encrypting enter the name of the file you wish to create "
                        "below.  If you are Decrypting type the path of the designated file or "
                        "use the browse option to find it."},
      {"lblFile", "File:"},
      {"cmdBrowse", "&Browse"},
      {"cmdBack", "Back"},
      {"cmdNext", "Next"}}},
    {showPage<ui::frmTextEnc>,
     "Text to Encrypt",
     {312, 346},
     {{"lblEncText", "Below enter the body of the text which is the message."},
      {"cmdBack", "Back"},
      {"cmdNext", "Next"}}},
    {showPage<ui::frmPrintShow>,
     "Which would you like?",
     {312, 177},
     {{"lblWhich", "You now have the option to simply print out the decrypted file, view the "
                   "text, or do both .  Just check the boxes below of what it is you want Tessera "
                   "to do."},
      {"chkView", "View Text"},
      {"chkPrint", "Print Text"},
      {"cmdBack", "Back"},
      {"cmdNext", "Next"}}},
    {showPage<ui::frmWizardAdvanced>,
     "Advanced Properties",
     {400, 461}, // one row taller than the classic page: the Sealed choice
     {{"lblTitle", "These options allow you to fortify your encryption."},
      {"lblPIC", "PIC"},
      {"lblPICabout",
       "A PIC or Program Intrinsic Code allows you, the user, to strengthen your password without "
       "any complications.  The PIC makes your password better without changing the length of the "
       "text which goes through the output.  And there is no added information required, Tessera "
       "2.0 or higher can automatically detect if a PIC was used."},
      {"lblJB", "JunkBitz"},
      {"lblJBabout",
       "JunkBitz or JB is a system in which peices of junk, which are thrown away  by this program "
       "during decryption,  are place in the output code.  The output code size is increased, but "
       "the information his hidden within the junk area.  Making it more difficult to break."},
      {"lblWhat", "What would you like to use?"},
      {"chkPIC", "PIC"},
      {"chkJB", "JunkBitz"},
      {"chkNone", "None"},
      {"chkSealed", "Sealed (strong, authenticated)"},
      {"cmdBack", "Back"},
      {"cmdNext", "Next"}}},
    {showPage<ui::frmFinish>,
     "Finish",
     {312, 148},
     {{"lblFinsihed", "Now you have finished all the necessary information.  You may press the "
                      "finish button to carry out the command, or you may use the Back button to "
                      "make sure all of your previous information is correct."},
      {"cmdBack", "Back"},
      {"cmdNext", "Finish"}}},
};

QString textOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return {};
}

using WizardPagesTest = WizardFixture;

TEST_F(WizardPagesTest, EveryPageHasItsCaptionSizeAndTexts) {
    for (const PageLook& page : kPages) {
        QWidget* w = page.show(registry);
        SCOPED_TRACE(qPrintable(w->objectName()));
        EXPECT_EQ(w->windowTitle(), page.caption);
        EXPECT_EQ(w->size(), page.client);
        EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "a page has a fixed size";
        EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::black));
        EXPECT_EQ(w->palette().color(QPalette::WindowText), QColor(Qt::white));
        for (const Text& t : page.texts) {
            QWidget* control = w->findChild<QWidget*>(t.control);
            ASSERT_NE(control, nullptr) << t.control;
            EXPECT_EQ(textOf(control), t.text) << t.control;
            EXPECT_TRUE(control->isVisible()) << t.control;
            // Nothing sticks out of its window.
            EXPECT_TRUE(w->rect().contains(control->geometry())) << t.control;
        }
        w->hide();
    }
}

// Whatever face the system gives, every text fits its place: nothing is cut off
// at the bottom of a label.
TEST_F(WizardPagesTest, NoTextIsCutOff) {
    for (QWidget* page :
         forms<ui::frmWizard1, ui::frmEncDec, ui::frmPW, ui::frmFile, ui::frmTextEnc,
               ui::frmPrintShow, ui::frmWizardAdvanced, ui::frmFinish, ui::frmCompile>()) {
        const std::string name = page->objectName().toStdString();
        const auto labels = page->findChildren<QLabel*>();
        for (QLabel* label : labels) {
            if (label->text().isEmpty() || label->isHidden())
                continue;
            const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : label->sizeHint().height();
            EXPECT_LE(needed, label->height()) << name << "." << label->objectName().toStdString();
            if (!label->wordWrap()) {
                EXPECT_LE(label->sizeHint().width(), label->width())
                    << name << "." << label->objectName().toStdString();
            }
        }
    }
}

TEST_F(WizardPagesTest, PicturesColoursAndInputs) {
    EXPECT_EQ(button<ui::frmEncDec>("cmdChoseEnc")->accessibleName(), "Encrypt");
    EXPECT_EQ(button<ui::frmEncDec>("cmdChoseDec")->accessibleName(), "Decrypt");
    EXPECT_EQ(button<ui::frmEncDec>("cmdChoseEnc")->geometry(), QRect(56, 136, 89, 41));
    EXPECT_EQ(label<ui::frmEncDec>("lblWhat")->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
    EXPECT_FALSE(label<ui::frmPW>("Picture1")->pixmap().isNull());
    EXPECT_FALSE(label<ui::frmTextEnc>("Image1")->pixmap().isNull());
    // Every password box shows "*", as the main window's does.
    for (const char* name : {"txtPW", "txtPWconfirm"}) {
        QLineEdit* box = edit<ui::frmPW>(name);
        EXPECT_EQ(box->echoMode(), QLineEdit::Password) << name;
        box->setText("pw!");
        EXPECT_EQ(box->displayText(), "***") << name;
        box->clear();
    }
    EXPECT_EQ(edit<ui::frmFile>("txtFile")->text(),
              testsupport::offeredFile(QStringLiteral("File.txt")));
    EXPECT_EQ(button<ui::frmFile>("cmdBrowse")->toolTip(), "Search for file to create or decrypt.");
    auto* title = label<ui::frmWizardAdvanced>("lblTitle");
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->font().pointSize(), 12);
    EXPECT_EQ(title->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(check<ui::frmWizardAdvanced>("chkJB")->font().pointSize(), 18);
    for (const char* box : {"chkPIC", "chkJB", "chkNone"}) {
        EXPECT_FALSE(check<ui::frmWizardAdvanced>(box)->isChecked()) << box;
        EXPECT_TRUE(check<ui::frmWizardAdvanced>(box)->isEnabled()) << box;
    }
    // "View Text" starts checked, "Print Text" not.
    EXPECT_TRUE(check<ui::frmPrintShow>("chkView")->isChecked());
    EXPECT_FALSE(check<ui::frmPrintShow>("chkPrint")->isChecked());
}

TEST_F(WizardPagesTest, DefaultButtonsAndTabOrder) {
    for (QWidget* page : forms<ui::frmPW, ui::frmFile, ui::frmPrintShow, ui::frmFinish>()) {
        auto* p = qobject_cast<ui::WizardPage*>(page);
        EXPECT_EQ(p->defaultButton(), child<QPushButton>(page, "cmdNext"))
            << qPrintable(page->objectName());
    }
    for (QWidget* page : forms<ui::frmTextEnc, ui::frmWizardAdvanced, ui::frmEncDec>()) {
        auto* p = qobject_cast<ui::WizardPage*>(page);
        EXPECT_EQ(p->defaultButton(), nullptr) << qPrintable(page->objectName());
    }
    QWidget* pw = registry.show<ui::frmPW>();
    edit<ui::frmPW>("txtPW")->setFocus();
    QStringList order;
    for (QWidget* w = edit<ui::frmPW>("txtPW"); order.size() < 4; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    }
    EXPECT_EQ(order, QStringList({"txtPW", "txtPWconfirm", "cmdBack", "cmdNext"}));
    Q_UNUSED(pw);
}

// The arrows are drawn: the middle of each shaft has the arrow's colour.
TEST_F(WizardPagesTest, ArrowsAreDrawnBesideBackAndNext) {
    ui::WizardPage* finish = registry.form<ui::frmFinish>();
    ASSERT_EQ(finish->lines().size(), 3);
    EXPECT_EQ(finish->lines()[0].twips, QLine(720, 1680, 360, 1680));
    EXPECT_EQ(finish->lines()[1].twips, QLine(360, 1680, 480, 1560));
    EXPECT_EQ(finish->lines()[2].twips, QLine(360, 1680, 480, 1800));

    for (QWidget* w : forms<ui::frmPW, ui::frmFile, ui::frmTextEnc, ui::frmPrintShow,
                            ui::frmWizardAdvanced, ui::frmFinish>()) {
        SCOPED_TRACE(qPrintable(w->objectName()));
        auto* page = qobject_cast<ui::WizardPage*>(w);
        const QImage image = page->grab().toImage();
        const QRect back = child(page, "cmdBack")->geometry();
        const QRect next = child(page, "cmdNext")->geometry();
        int red = 0, green = 0;
        for (const ui::WizardPage::Line& line : page->lines()) {
            const QLine px(line.twips.p1() / 15, line.twips.p2() / 15);
            const QPoint middle = (px.p1() + px.p2()) / 2;
            EXPECT_EQ(image.pixelColor(middle), line.colour) << line.name.toStdString();
            if (line.colour == ui::kArrowRed) {
                ++red;
                EXPECT_LT(qMax(px.x1(), px.x2()), back.left());
                EXPECT_GE(qMin(px.x1(), px.x2()), back.left() - 40);
            } else {
                ++green;
                EXPECT_GT(qMin(px.x1(), px.x2()), next.right());
                EXPECT_LE(qMax(px.x1(), px.x2()), next.right() + 40);
            }
            EXPECT_TRUE(page->rect().contains(px.p1()) && page->rect().contains(px.p2()));
        }
        EXPECT_EQ(red, 3);
        EXPECT_EQ(green, page == finish ? 0 : 3);
    }
}

TEST_F(WizardPagesTest, EncryptionPathForwardAndBack) {
    startWizard();
    click<ui::frmEncDec>("cmdChoseEnc");
    EXPECT_TRUE(onScreen<ui::frmPW>());
    EXPECT_EQ(answers().operation, Operation::Encrypt);

    click<ui::frmPW>("cmdBack");
    EXPECT_TRUE(onScreen<ui::frmEncDec>());
    click<ui::frmEncDec>("cmdChoseEnc");

    enterPasswords("abcde", "abcde"); // shorter than the page asks for, still accepted
    EXPECT_TRUE(onScreen<ui::frmFile>());
    EXPECT_EQ(answers().password.text(), "abcde");

    click<ui::frmFile>("cmdBack");
    EXPECT_TRUE(onScreen<ui::frmPW>());
    click<ui::frmPW>("cmdNext");
    enterFile(path("message.txt"));
    EXPECT_TRUE(onScreen<ui::frmTextEnc>());
    EXPECT_EQ(answers().file, path("message.txt"));

    click<ui::frmTextEnc>("cmdBack");
    EXPECT_TRUE(onScreen<ui::frmFile>());
    click<ui::frmFile>("cmdNext");
    textEdit<ui::frmTextEnc>("txtInput")->setPlainText("line one\nline two");
    click<ui::frmTextEnc>("cmdNext");
    EXPECT_TRUE(onScreen<ui::frmWizardAdvanced>());
    EXPECT_EQ(answers().text, "line one\nline two");

    click<ui::frmWizardAdvanced>("cmdBack");
    EXPECT_TRUE(onScreen<ui::frmTextEnc>());
    click<ui::frmTextEnc>("cmdNext");
    check<ui::frmWizardAdvanced>("chkPIC")->setChecked(true);
    click<ui::frmWizardAdvanced>("cmdNext");
    EXPECT_TRUE(onScreen<ui::frmFinish>());
    EXPECT_TRUE(answers().options.pic);
    EXPECT_FALSE(answers().options.junkBitz);

    // Back from the finish page skips the options, and the text is still there.
    click<ui::frmFinish>("cmdBack");
    EXPECT_TRUE(onScreen<ui::frmTextEnc>());
    EXPECT_EQ(textEdit<ui::frmTextEnc>("txtInput")->toPlainText(), "line one\nline two");
    EXPECT_EQ(answers().output, Outputs()) << "the encryption path never writes the print choice";
}

TEST_F(WizardPagesTest, DecryptionPathForwardAndBack) {
    startWizard();
    click<ui::frmEncDec>("cmdChoseDec");
    EXPECT_EQ(answers().operation, Operation::Decrypt);
    enterPasswords("", ""); // the empty password passes when both boxes are empty
    EXPECT_EQ(answers().password.text(), "");
    enterFile(""); // not checked either
    EXPECT_TRUE(onScreen<ui::frmPrintShow>());
    EXPECT_EQ(answers().file, "");

    click<ui::frmPrintShow>("cmdBack");
    EXPECT_TRUE(onScreen<ui::frmFile>());
    click<ui::frmFile>("cmdNext");
    click<ui::frmPrintShow>("cmdNext");
    EXPECT_TRUE(onScreen<ui::frmFinish>());
    EXPECT_EQ(answers().output, Outputs(Output::View));

    click<ui::frmFinish>("cmdBack");
    EXPECT_TRUE(onScreen<ui::frmPrintShow>());
    EXPECT_EQ(answers().text, "") << "the decryption pages never write the text";
}

TEST_F(WizardPagesTest, PasswordsThatDifferAreRefusedAndBothBoxesEmptied) {
    startWizard();
    click<ui::frmEncDec>("cmdChoseEnc");
    enterPasswords("good", "good");
    click<ui::frmFile>("cmdBack");

    for (const auto& [password, confirm] : std::vector<std::pair<QString, QString>>{
             {"Secret", "secret"}, {"secret", "secret "}, {"abc", ""}, {"", "x"}}) {
        SCOPED_TRACE(password.toStdString() + "/" + confirm.toStdString());
        dialogs.clear();
        // Both boxes are still full while the message is up; emptied after it.
        QStringList duringMessage;
        dialogs.onMessage = [&](const testsupport::ScriptedDialogs::Message&) {
            duringMessage = {edit<ui::frmPW>("txtPW")->text(),
                             edit<ui::frmPW>("txtPWconfirm")->text()};
        };
        enterPasswords(password, confirm);
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, "Passwords do not match!");
        EXPECT_EQ(dialogs.messages[0].title, "Tessera2");
        EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::None);
        EXPECT_EQ(dialogs.messages[0].buttons, platform::Buttons::Ok);
        EXPECT_EQ(duringMessage, QStringList({password, confirm}));
        EXPECT_EQ(edit<ui::frmPW>("txtPW")->text(), "");
        EXPECT_EQ(edit<ui::frmPW>("txtPWconfirm")->text(), "");
        EXPECT_TRUE(onScreen<ui::frmPW>());
        EXPECT_EQ(answers().password.text(), "good") << "the answer stays as it was";
    }
}

// The user typed in the confirmation box and pressed Enter: after the message
// both are typed again, from the first box.
TEST_F(WizardPagesTest, PasswordsThatDifferPutTheFocusBackInTheFirstBox) {
    startWizard();
    click<ui::frmEncDec>("cmdChoseEnc");
    QWidget* page = registry.form<ui::frmPW>();
    ASSERT_TRUE(activate(page));
    QLineEdit* pw = edit<ui::frmPW>("txtPW");
    QLineEdit* confirm = edit<ui::frmPW>("txtPWconfirm");
    pw->setText("one");
    confirm->setFocus();
    QTest::keyClicks(confirm, "two");
    QTest::keyClick(confirm, Qt::Key_Return);
    ASSERT_EQ(dialogs.texts(), QStringList{"Passwords do not match!"});
    EXPECT_EQ(page->focusWidget(), pw);
    EXPECT_TRUE(pw->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "again");
    EXPECT_EQ(pw->text(), "again");
}

// Back leaves the focus on the Back button of the page it leaves. Coming back
// to that page, Enter must press its default Next, not Back again.
TEST_F(WizardPagesTest, EnterAfterComingBackPressesNextNotBack) {
    const auto pressEnter = [](QWidget* page) {
        ASSERT_TRUE(activate(page));
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents(); // the next page's arrival and focus
    };
    // Back pressed from the keyboard, as the focus on Back comes about.
    const auto keyBack = [](QWidget* page) {
        ASSERT_TRUE(activate(page));
        child(page, "cmdBack")->setFocus();
        QTest::keyClick(child(page, "cmdBack"), Qt::Key_Return);
        QCoreApplication::processEvents(); // the page before's arrival and focus
    };

    startWizard();
    click<ui::frmEncDec>("cmdChoseDec");
    // The first arrival on a page where the user is to type starts in its box.
    ASSERT_TRUE(activate(registry.form<ui::frmPW>()));
    EXPECT_EQ(QApplication::focusWidget(), edit<ui::frmPW>("txtPW"));
    keyBack(registry.form<ui::frmPW>());
    ASSERT_TRUE(onScreen<ui::frmEncDec>());
    click<ui::frmEncDec>("cmdChoseDec");
    pressEnter(registry.form<ui::frmPW>());
    EXPECT_TRUE(onScreen<ui::frmFile>());

    keyBack(registry.form<ui::frmFile>());
    ASSERT_TRUE(onScreen<ui::frmPW>());
    click<ui::frmPW>("cmdNext");
    pressEnter(registry.form<ui::frmFile>());
    EXPECT_TRUE(onScreen<ui::frmPrintShow>());

    keyBack(registry.form<ui::frmPrintShow>());
    ASSERT_TRUE(onScreen<ui::frmFile>());
    click<ui::frmFile>("cmdNext");
    pressEnter(registry.form<ui::frmPrintShow>());
    EXPECT_TRUE(onScreen<ui::frmFinish>());
}

TEST_F(WizardPagesTest, EnterPressesNextOnThePasswordPage) {
    startWizard();
    click<ui::frmEncDec>("cmdChoseEnc");
    ASSERT_TRUE(activate(registry.form<ui::frmPW>()));
    QLineEdit* pw = edit<ui::frmPW>("txtPW");
    pw->setFocus();
    QTest::keyClicks(pw, "pass");
    QTest::keyClick(pw, Qt::Key_Tab);
    QLineEdit* confirm = edit<ui::frmPW>("txtPWconfirm");
    ASSERT_TRUE(confirm->hasFocus());
    QTest::keyClicks(confirm, "pass");
    QTest::keyClick(confirm, Qt::Key_Return);
    EXPECT_TRUE(onScreen<ui::frmFile>());
    EXPECT_EQ(answers().password.text(), "pass");
}

TEST_F(WizardPagesTest, EnterInTheMessageIsALineBreak) {
    startWizard();
    click<ui::frmEncDec>("cmdChoseEnc");
    enterPasswords("pw", "pw");
    enterFile(path("m.txt"));
    auto* text = textEdit<ui::frmTextEnc>("txtInput");
    text->setFocus();
    QTest::keyClicks(text, "a");
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "b");
    EXPECT_TRUE(onScreen<ui::frmTextEnc>());
    EXPECT_EQ(text->toPlainText(), "a\nb");
}

TEST_F(WizardPagesTest, PictureDoubleClickNamesTheAuthorAndNothingElse) {
    startWizard();
    click<ui::frmEncDec>("cmdChoseEnc");
    edit<ui::frmPW>("txtPW")->setText("typed");
    QTest::mouseDClick(label<ui::frmPW>("Picture1"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "This program was created by OrBiT");
    EXPECT_EQ(dialogs.messages[0].title, "Tessera2");
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::None);
    EXPECT_EQ(edit<ui::frmPW>("txtPW")->text(), "typed");
    EXPECT_TRUE(onScreen<ui::frmPW>());
    EXPECT_EQ(answers().password.text(), "");
}

TEST_F(WizardPagesTest, BrowseKeepsTheLastChosenName) {
    QLineEdit* file = edit<ui::frmFile>("txtFile");
    registry.show<ui::frmFile>();
    click<ui::frmFile>("cmdBrowse"); // cancelled, nothing chosen ever
    EXPECT_EQ(file->text(), testsupport::offeredFile(QStringLiteral("File.txt")));
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Tessera File");
    // Every file, with or without a dot in its name.
#ifdef Q_OS_WIN
    EXPECT_EQ(dialogs.fileRequests[0].filter, "*.*");
#else
    EXPECT_EQ(dialogs.fileRequests[0].filter, "*");
#endif

    dialogs.files.enqueue(path("chosen.txt"));
    click<ui::frmFile>("cmdBrowse");
    EXPECT_EQ(file->text(), path("chosen.txt"));

    file->setText("typed by hand");
    click<ui::frmFile>("cmdBrowse"); // a cancel gives back the last name
    EXPECT_EQ(file->text(), path("chosen.txt"));
}

TEST_F(WizardPagesTest, OnlyTheEmptyTextIsRefused) {
    startWizard();
    click<ui::frmEncDec>("cmdChoseEnc");
    enterPasswords("pw", "pw");
    enterFile(path("m.txt"));
    click<ui::frmTextEnc>("cmdNext");
    ASSERT_EQ(dialogs.texts(), QStringList{"You must have at least one character"});
    EXPECT_EQ(dialogs.messages[0].title, "Tessera2");
    EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::None);
    EXPECT_TRUE(onScreen<ui::frmTextEnc>());
    EXPECT_EQ(answers().text, "");

    for (const QString& blank : {QString("   "), QString("\n\n")}) {
        registry.hide<ui::frmWizardAdvanced>();
        registry.show<ui::frmTextEnc>();
        textEdit<ui::frmTextEnc>("txtInput")->setPlainText(blank);
        click<ui::frmTextEnc>("cmdNext");
        EXPECT_TRUE(onScreen<ui::frmWizardAdvanced>());
        EXPECT_EQ(answers().text, blank);
    }
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(WizardPagesTest, NoneDisablesTheOptionsAndStoresNeither) {
    registry.show<ui::frmWizardAdvanced>();
    QCheckBox* pic = check<ui::frmWizardAdvanced>("chkPIC");
    QCheckBox* jb = check<ui::frmWizardAdvanced>("chkJB");
    QCheckBox* none = check<ui::frmWizardAdvanced>("chkNone");
    pic->setChecked(true);
    jb->setChecked(true);
    click<ui::frmWizardAdvanced>("cmdNext");
    EXPECT_TRUE(answers().options.pic);
    EXPECT_TRUE(answers().options.junkBitz);

    registry.show<ui::frmWizardAdvanced>();
    QTest::mouseClick(none, Qt::LeftButton, {}, QPoint(10, none->height() / 2));
    ASSERT_TRUE(none->isChecked());
    EXPECT_FALSE(pic->isChecked());
    EXPECT_FALSE(jb->isChecked());
    EXPECT_FALSE(pic->isEnabled());
    EXPECT_FALSE(jb->isEnabled());
    // Disabled, they look it: grey captions where the enabled ones are white.
    for (QCheckBox* box : {pic, jb}) {
        SCOPED_TRACE(box->objectName().toStdString());
        const QColor disabled = box->palette().color(QPalette::Disabled, QPalette::WindowText);
        EXPECT_NE(disabled, box->palette().color(QPalette::Active, QPalette::WindowText));
        EXPECT_TRUE(disabled.red() == disabled.green() && disabled.green() == disabled.blue());
        EXPECT_GE(disabled.lightness(), 64);
        EXPECT_LE(disabled.lightness(), 192);
        EXPECT_LE(lightestCaptionPixel(box), 192);
    }
    EXPECT_EQ(lightestCaptionPixel(none), 255) << "an enabled caption is white";
    click<ui::frmWizardAdvanced>("cmdNext");
    EXPECT_FALSE(answers().options.pic);
    EXPECT_FALSE(answers().options.junkBitz);

    // Unchecking None enables the two again, still unchecked; checking one of
    // them leaves None alone.
    registry.show<ui::frmWizardAdvanced>();
    QTest::mouseClick(none, Qt::LeftButton, {}, QPoint(10, none->height() / 2));
    EXPECT_FALSE(none->isChecked());
    EXPECT_TRUE(pic->isEnabled());
    EXPECT_TRUE(jb->isEnabled());
    EXPECT_FALSE(pic->isChecked());
    EXPECT_FALSE(jb->isChecked());
    QTest::mouseClick(jb, Qt::LeftButton, {}, QPoint(10, jb->height() / 2));
    EXPECT_TRUE(jb->isChecked());
    EXPECT_FALSE(none->isChecked());
    click<ui::frmWizardAdvanced>("cmdNext");
    EXPECT_FALSE(answers().options.pic);
    EXPECT_TRUE(answers().options.junkBitz);
}

TEST_F(WizardPagesTest, PrintAndViewChoices) {
    struct Case {
        bool view, print;
        Outputs expected;
    };
    const Outputs both = Output::View | Output::Print;
    // Each row starts from the one before: neither box keeps the earlier value.
    const std::vector<Case> cases = {{false, false, {}},           {true, false, Output::View},
                                     {false, true, Output::Print}, {true, true, both},
                                     {false, false, both},         {true, false, Output::View},
                                     {false, false, Output::View}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.view) + std::to_string(c.print));
        registry.show<ui::frmPrintShow>();
        check<ui::frmPrintShow>("chkView")->setChecked(c.view);
        check<ui::frmPrintShow>("chkPrint")->setChecked(c.print);
        click<ui::frmPrintShow>("cmdNext");
        EXPECT_EQ(answers().output, c.expected);
        EXPECT_TRUE(onScreen<ui::frmFinish>());
        registry.hide<ui::frmFinish>();
    }
}

TEST_F(WizardPagesTest, ClosingAPageThroughItsFrameReturnsToTheModeChooser) {
    forEach<ui::frmEncDec, ui::frmPW, ui::frmFile, ui::frmTextEnc, ui::frmWizardAdvanced,
            ui::frmPrintShow, ui::frmFinish>([this]<class Page> {
        SCOPED_TRACE(qPrintable(ui::FormRegistry::nameOf<Page>()));
        registry.show<Page>()->close();
        EXPECT_TRUE(onScreen<ui::frmWizard1>());
        EXPECT_TRUE(registry.isLoaded<Page>()) << "the page keeps its contents";
        registry.hide<ui::frmWizard1>();
    });
    EXPECT_EQ(quits, 0);
}

TEST_F(WizardPagesTest, ASecondPassFindsTheLastAnswers) {
    walkEncryption("first", path("one.txt"), "hello", true, false);
    registry.hide<ui::frmFinish>();
    check<ui::frmWizardAdvanced>("chkNone")->click();
    startWizard();
    click<ui::frmEncDec>("cmdChoseEnc");
    EXPECT_EQ(edit<ui::frmPW>("txtPW")->text(), "first");
    click<ui::frmPW>("cmdNext");
    EXPECT_EQ(edit<ui::frmFile>("txtFile")->text(), path("one.txt"));
    click<ui::frmFile>("cmdNext");
    EXPECT_EQ(textEdit<ui::frmTextEnc>("txtInput")->toPlainText(), "hello");
    click<ui::frmTextEnc>("cmdNext");
    EXPECT_TRUE(check<ui::frmWizardAdvanced>("chkNone")->isChecked());
    EXPECT_FALSE(check<ui::frmWizardAdvanced>("chkPIC")->isEnabled());
}

} // namespace
