// What the windows show of the Sealed choice (the format caption, the
// buttons' descriptions, the strength of the password) and the files dropped
// on them, through the real windows.

#include "tests/support/Drops.h"
#include "tests/support/Files.h"
#include "tests/support/GuiFixture.h"
#include "ui/common/PasswordMeter.h"
#include "ui/filecipher/frmEncFile.h"
#include "ui/main/frmMain.h"
#include "ui/wizard/Wizard.h"
#include "ui/wizard/frmFile.h"
#include "ui/wizard/frmPW.h"
#include "ui/wizard/frmWizardAdvanced.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Hints = testsupport::GuiFixture;

// One window's Sealed switch and the controls that show it.
struct Shown {
    const char* window;
    QWidget* form;
    std::function<void(bool)> choose;
    const char* encrypt;
};

TEST_F(Hints, TheCaptionAndTheMeterFollowTheSealedChoice) {
    auto* main = registry.form<ui::frmMain>();
    auto* file = registry.form<ui::frmEncFile>();
    const Shown windows[] = {
        {"main window", main,
         [main](bool sealed) {
             ui::MessageOptions options;
             options.format = sealed ? cipher::Format::Sealed : cipher::Format::Classic;
             main->setOptions(options);
         },
         "CmdEnc"},
        {"file window", file,
         [this](bool sealed) { child<ui::frmEncFile, QCheckBox>("chkSealed")->setChecked(sealed); },
         "Command1"},
    };
    for (const Shown& w : windows) {
        SCOPED_TRACE(w.window);
        w.form->show();
        auto* caption = child<QLabel>(w.form, QStringLiteral("lblFormat"));
        auto* meter = child<ui::PasswordMeter>(w.form, QStringLiteral("meterPW"));
        auto* password = child<QLineEdit>(w.form, QStringLiteral("txtPW"));
        auto* encrypt = child<QPushButton>(w.form, QString::fromLatin1(w.encrypt));
        const int right = caption->geometry().right();

        password->setText(QStringLiteral("ab"));
        EXPECT_EQ(caption->text(), QStringLiteral("Format: Classic"));
        EXPECT_FALSE(meter->isVisible()) << "a classic password is not rated";
        EXPECT_TRUE(encrypt->accessibleDescription().contains(QStringLiteral("classic format")));

        w.choose(true);
        EXPECT_EQ(caption->text(), QStringLiteral("Format: Sealed"));
        EXPECT_EQ(caption->geometry().right(), right) << "the caption keeps its right edge";
        EXPECT_TRUE(encrypt->accessibleDescription().contains(QStringLiteral("sealed format")));
        ASSERT_TRUE(meter->isVisible());
        EXPECT_EQ(meter->text(), QStringLiteral("Very weak: less than a second to guess"));
        password->setText(QStringLiteral("correct horse battery staple"));
        EXPECT_TRUE(meter->text().startsWith(QStringLiteral("Very strong: "))) << meter->text().toStdString();
        password->clear();
        EXPECT_FALSE(meter->isVisible()) << "an empty box is not rated";

        password->setText(QStringLiteral("ab"));
        w.choose(false);
        EXPECT_EQ(caption->text(), QStringLiteral("Format: Classic"));
        EXPECT_FALSE(meter->isVisible());
    }
}

// Passwords of every level, the first of each found among ever longer
// prefixes of a random string: whatever zxcvbn's version, each level is met.
QList<QString> onePasswordPerLevel() {
    const QString random = QStringLiteral("x7Kq9Lm2Vb8Zr4Tn6Wp3Yd5Hs1Jc");
    QList<QString> found(5);
    for (qsizetype n = 1; n <= random.size(); ++n) {
        const QString password = random.left(n);
        const auto strength = sealed::passwordStrength(password);
        if (!strength)
            return {};
        QString& slot = found[static_cast<int>(strength->level)];
        if (slot.isEmpty())
            slot = password;
    }
    return found;
}

// Every level reads whole in every meter, and says something of its own: the
// words after the level name differ from level to level.
TEST_F(Hints, TheMeterReadsInFullAndDifferentlyAtEveryLevel) {
    const QList<QString> passwords = onePasswordPerLevel();
    if (passwords.isEmpty())
        GTEST_SKIP() << "this build rates no passwords";
    ASSERT_FALSE(passwords.contains(QString())) << "a level no password reached";
    auto* main = registry.form<ui::frmMain>();
    ui::MessageOptions sealedOptions;
    sealedOptions.format = cipher::Format::Sealed;
    main->setOptions(sealedOptions);
    auto* file = registry.form<ui::frmEncFile>();
    child<QCheckBox>(file, QStringLiteral("chkSealed"))->setChecked(true);
    registry.part<ui::Wizard>()->optionsChosen(sealedOptions);
    auto* page = registry.form<ui::frmPW>();
    auto* options = registry.form<ui::frmWizardAdvanced>();
    child<QCheckBox>(options, QStringLiteral("chkSealed"))->setChecked(true);
    // How each window is given the password.
    const struct {
        const char* name;
        QWidget* window;
        std::function<void(const QString&)> enter;
    } meters[] = {
        {"main window", main,
         [&](const QString& pw) { child<QLineEdit>(main, QStringLiteral("txtPW"))->setText(pw); }},
        {"file window", file,
         [&](const QString& pw) { child<QLineEdit>(file, QStringLiteral("txtPW"))->setText(pw); }},
        {"wizard's password page", page,
         [&](const QString& pw) { child<QLineEdit>(page, QStringLiteral("txtPW"))->setText(pw); }},
        {"wizard's options page", options,
         [&](const QString& pw) { registry.part<ui::Wizard>()->passwordEntered(base::Secret::copyOf(pw)); }},
    };
    for (const auto& m : meters) {
        m.window->show();
        auto* meter = child<ui::PasswordMeter>(m.window, QStringLiteral("meterPW"));
        auto* words = child<QLabel>(meter, QStringLiteral("lblStrength"));
        ASSERT_TRUE(meter && words);
        QStringList times;
        for (const QString& password : passwords) {
            SCOPED_TRACE(std::string(m.name) + ", " + password.toStdString());
            m.enter(password);
            m.window->show();
            ASSERT_TRUE(meter->isVisible());
            EXPECT_EQ(words->text(), meter->text());
            EXPECT_LE(words->sizeHint().width(), words->width()) << meter->text().toStdString();
            EXPECT_LE(words->sizeHint().height(), words->height());
            EXPECT_TRUE(meter->rect().contains(words->geometry()));
            EXPECT_TRUE(m.window->rect().contains(meter->geometry()));
            times << meter->text().section(QStringLiteral(": "), 1);
        }
        EXPECT_EQ(QSet<QString>(times.begin(), times.end()).size(), times.size())
            << times.join(QStringLiteral(" | ")).toStdString();
    }
}

using testsupport::dropOn;

TEST_F(Hints, OneDroppedFileFillsTheFileBoxAndAnythingElseChangesNothing) {
    const QString one = path(QStringLiteral("notes.txt"));
    testsupport::writeAll(one, "x");
    testsupport::writeAll(path(QStringLiteral("other.txt")), "y");
    const QUrl file = QUrl::fromLocalFile(one);
    const QUrl second = QUrl::fromLocalFile(path(QStringLiteral("other.txt")));
    const QUrl folder = QUrl::fromLocalFile(dir.path());
    const QUrl missing = QUrl::fromLocalFile(path(QStringLiteral("gone.txt")));

    auto* main = registry.form<ui::frmMain>();
    auto* encFile = registry.form<ui::frmEncFile>();
    auto* page = registry.form<ui::frmFile>();
    auto* mainText = child<QPlainTextEdit>(main, QStringLiteral("txtIn"));
    const struct {
        const char* name;
        QWidget* target;
        QLineEdit* box;
    } targets[] = {
        {"main window", main, child<QLineEdit>(main, QStringLiteral("txtFile"))},
        {"main window's text box", mainText->viewport(), child<QLineEdit>(main, QStringLiteral("txtFile"))},
        {"file window", encFile, child<QLineEdit>(encFile, QStringLiteral("txtFile"))},
        {"file window's copy box", child<QLineEdit>(encFile, QStringLiteral("txtFileEnc")),
         child<QLineEdit>(encFile, QStringLiteral("txtFile"))},
        {"wizard's file page", page, child<QLineEdit>(page, QStringLiteral("txtFile"))},
    };
    for (const auto& t : targets) {
        SCOPED_TRACE(t.name);
        t.target->window()->show();
        t.box->setText(QStringLiteral("before"));
        mainText->setPlainText(QStringLiteral("typed"));
        for (const QList<QUrl>& refused : {QList<QUrl>{file, second}, QList<QUrl>{folder},
                                           QList<QUrl>{missing}, QList<QUrl>{QUrl("https://example.org/a.txt")}}) {
            EXPECT_FALSE(dropOn(t.target, refused)) << refused.first().toString().toStdString();
            EXPECT_EQ(t.box->text(), QStringLiteral("before"));
        }
        EXPECT_TRUE(dropOn(t.target, {file}));
        EXPECT_EQ(t.box->text(), one);
        EXPECT_EQ(mainText->toPlainText(), QStringLiteral("typed"));
    }
    // The file stays where it was: a drop is taken as a copy, whatever the
    // source proposes, and refused when the source offers no copy.
    const Qt::DropActions copyOrMove = Qt::CopyAction | Qt::MoveAction;
    const struct {
        const char* name;
        Qt::DropActions offered;
        Qt::KeyboardModifiers modifiers;
        std::optional<Qt::DropAction> taken;
    } actions[] = {
        {"a copy proposed", copyOrMove, Qt::ControlModifier, Qt::CopyAction},
        {"a move proposed", copyOrMove, Qt::ShiftModifier, Qt::CopyAction},
        {"a link proposed", Qt::CopyAction | Qt::LinkAction, Qt::AltModifier, Qt::CopyAction},
        {"a move only", Qt::MoveAction, Qt::NoModifier, std::nullopt},
        {"a link only", Qt::LinkAction, Qt::NoModifier, std::nullopt},
    };
    for (const auto& t : targets) {
        for (const auto& a : actions) {
            SCOPED_TRACE(std::string(t.name) + ", " + a.name);
            t.box->setText(QStringLiteral("before"));
            EXPECT_EQ(dropOn(t.target, {file}, {}, a.offered, a.modifiers), a.taken);
            EXPECT_EQ(t.box->text(), a.taken ? one : QStringLiteral("before"));
        }
    }
    // The file window names the copy after the input, as Browse does.
    EXPECT_TRUE(child<QLineEdit>(encFile, QStringLiteral("txtFileEnc"))->text().endsWith(QStringLiteral(".txt")));
    // A drag of text still reaches a text box.
    EXPECT_TRUE(dropOn(mainText->viewport(), {}, QStringLiteral(" more")));
}

} // namespace
