// The QR code of a recipient, as the Keys window draws it, read back by a
// real reader (zbarimg, from Debian's zbar-tools).

#include "ui/common/QrCode.h"
#include "tests/gui_keys/KeysFixture.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

using testsupport::KeysFixture;

// What zbarimg reads in the picture; nothing when it reads no code.
std::optional<QString> decoded(const QImage& picture, const QString& file) {
    if (!picture.save(file))
        return std::nullopt;
    QProcess reader;
    reader.start(QStringLiteral("zbarimg"),
                 {QStringLiteral("--quiet"), QStringLiteral("--raw"), file});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(reader.readAllStandardOutput()).trimmed();
}

class KeysQrCode : public KeysFixture {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
            GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
        KeysFixture::SetUp();
    }
};

TEST_F(KeysQrCode, TheWindowsCodeReadsBackAsTheRecipientShown) {
    ASSERT_TRUE(activate(keys));
    auto* code = at<ui::QrCode>("picQr");
    EXPECT_FALSE(code->hasCode()); // no key open: no code
    for (int round = 0; round < 3; ++round) {
        dialogs.files.enqueue(path(QStringLiteral("key%1.txt").arg(round)));
        at<QCheckBox>("chkProtect")->setChecked(false);
        button("cmdNewKey")->click();
        const QString shown = box("txtRecipient")->text();
        ASSERT_TRUE(shown.startsWith(sealed::kRecipientPrefix));
        const std::optional<QString> read =
            decoded(code->grab().toImage(), path(QStringLiteral("code%1.png").arg(round)));
        ASSERT_TRUE(read.has_value()) << "zbarimg read no code";
        EXPECT_EQ(*read, shown);
    }
}

// From the smallest modules a screen shows upwards, and for texts of every
// length up to a recipient's and past it, the picture holds the text.
TEST_F(KeysQrCode, PicturesOfEverySizeHoldTheirText) {
    const QString recipient = newRecipient();
    int n = 0;
    for (int pixels : {2, 3, 5, 8}) {
        for (const QString& text : {recipient, recipient.left(9), recipient + recipient}) {
            SCOPED_TRACE(QStringLiteral("%1 px, %2").arg(pixels).arg(text).toStdString());
            const QImage picture = ui::QrCode::image(text, pixels);
            ASSERT_FALSE(picture.isNull());
            const std::optional<QString> read =
                decoded(picture, path(QStringLiteral("p%1.png").arg(++n)));
            ASSERT_TRUE(read.has_value());
            EXPECT_EQ(*read, text);
        }
    }
    EXPECT_TRUE(ui::QrCode::image(QString(), 4).isNull());
}

} // namespace
