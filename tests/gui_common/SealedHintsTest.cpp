// What the windows show of the Sealed choice (the format caption, the
// buttons' descriptions, the strength of the password) and the files dropped
// on them, through the real windows.

#include "tests/support/Files.h"
#include "tests/support/GuiFixture.h"
#include "ui/common/PasswordMeter.h"
#include "ui/filecipher/frmEncFile.h"
#include "ui/main/frmMain.h"
#include "ui/wizard/Wizard.h"
#include "ui/wizard/frmFile.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
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

// A drag of files, dropped on `target` at its centre.
bool dropOn(QWidget* target, const QList<QUrl>& urls, const QString& text = {}) {
    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);
    const QPointF at = QRectF(target->rect()).center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

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
    // The file window names the copy after the input, as Browse does.
    EXPECT_TRUE(child<QLineEdit>(encFile, QStringLiteral("txtFileEnc"))->text().endsWith(QStringLiteral(".txt")));
    // A drag of text still reaches a text box.
    EXPECT_TRUE(dropOn(mainText->viewport(), {}, QStringLiteral(" more")));
}

} // namespace
