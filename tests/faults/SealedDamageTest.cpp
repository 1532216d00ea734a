// Damage beside the label: every small change near the start of a sealed file
// or message, made as a disk, a transfer, an editor or a mail program would
// make it, is refused with the output untouched, or opens to exactly what was
// sealed. Never "success" with anything else. Checked through tessera-cli and
// through the entries the windows use.

#include "FaultFixture.h"

#include "base/Progress.h"
#include "cipher/Files.h"
#include "cipher/Messages.h"
#include "sealed/Message.h"
#include "sealed/Stream.h"

#include <QStringDecoder>

using namespace faults;

namespace {

struct Case {
    QString what;
    QByteArray bytes;
    bool mustOpen = false; // a form people pass messages on in: it opens
};

const QString kPassword = QStringLiteral("s3cret");
const QByteArray kEarlier = "earlier output";

QByteArray latin1AsUtf8(const QByteArray& bytes) {
    return QString::fromLatin1(bytes).toUtf8();
}

// Every change, insertion and deletion of one byte in the first 64, every cut
// up to 80 bytes from `cutsFrom`, the losses of the first bytes the rule
// covers, and what text tools put in front.
QList<Case> damageOf(const QByteArray& good, qsizetype cutsFrom) {
    QList<Case> cases;
    const auto add = [&](const QString& what, const QByteArray& bytes) {
        if (bytes != good)
            cases.append({what, bytes});
    };
    for (qsizetype i = 0; i < 64; ++i) {
        for (const char value : {'\0', ' ', 'A', char(good[i] ^ 0x01)})
            add(QStringLiteral("byte %1 set to %2").arg(i).arg(int(uchar(value))),
                QByteArray(good).replace(i, 1, QByteArray(1, value)));
        for (const char value : {'\n', ' ', '\0', 'A'})
            add(QStringLiteral("%1 inserted at %2").arg(int(uchar(value))).arg(i),
                QByteArray(good).insert(i, value));
        add(QStringLiteral("byte %1 deleted").arg(i), QByteArray(good).remove(i, 1));
    }
    for (qsizetype n = cutsFrom; n <= 80; ++n)
        add(QStringLiteral("cut to %1 bytes").arg(n), good.left(n));
    for (qsizetype n = 1; n <= 4; ++n)
        add(QStringLiteral("first %1 bytes lost").arg(n), good.mid(n));
    for (const QByteArray& prefix : {QByteArray("\xEF\xBB\xBF"), QByteArray("\r\n"),
                                     QByteArray("\n"), QByteArray(" "), QByteArray(1, '\0')})
        add(QStringLiteral("%1 in front").arg(QString::fromLatin1(prefix.toHex())), prefix + good);
    add(QStringLiteral("read as Latin-1, saved as UTF-8"), latin1AsUtf8(good));
    return cases;
}

QByteArray withLines(const QByteArray& base64, int width, const QByteArray& prefix,
                     const QByteArray& end) {
    QByteArray out;
    for (qsizetype at = 0; at < base64.size(); at += width)
        out += prefix + base64.mid(at, width) + end;
    return out;
}

// The tag line changed or lost, and the ways mail passes a message on.
QList<Case> messageForms(const QByteArray& good) {
    const qsizetype bodyAt = good.indexOf('\n') + 1;
    const QByteArray body = good.mid(bodyAt);
    const QByteArray base64 = QByteArray(body).replace("\r\n", "");
    QList<Case> cases;
    for (const QByteArray& line :
         {QByteArray("\"Tessera v2.0 Sealet\""), QByteArray("\"Tessera v2.1 Sealed\""),
          QByteArray("\"Tessera v2.0\""), QByteArray("\"Tessera v1.0\""), QByteArray("170"),
          QByteArray("\"Tessera v2.0 Sealed\","), QByteArray("\"Tessera v2.0\xC2\xA0Sealed\""),
          QByteArray("\r\n\r\n\"Tessera v2.0 Sealed\"")})
        cases.append({"tag line " + QString::fromUtf8(line), line + "\r\n" + body, true});
    cases.append({"no tag line", body, true});
    const QByteArray tag = "\"Tessera v2.0 Sealed\"";
    const QList<Case> mail = {
        {"re-wrapped at 60", tag + "\n" + withLines(base64, 60, "", "\n")},
        {"one long line", tag + "\r\n" + base64 + "\r\n"},
        {"LF line ends", QByteArray(good).replace("\r\n", "\n")},
        {"quoted", "> " + QByteArray(good).replace("\r\n", "\r\n> ")},
        {"trailing spaces", QByteArray(good).replace("\r\n", "  \r\n")},
        {"indented", "    " + QByteArray(good).replace("\r\n", "\r\n    ")},
        {"blank line after the tag", tag + "\r\n\r\n" + body},
        {"inside a mail", "Hi Bob, here it is:\n\n" + good + "\nCheers\nAlice\n"},
        {"sign-off right after", good + "Best\n"},
    };
    for (Case c : mail) {
        c.mustOpen = true;
        cases.append(c);
    }
    return cases;
}

class SealedDamage : public Faults {
protected:
    QString input = dir.filePath("input");
    QString out = dir.filePath("out");
    int refused = 0;
    int opened = 0;

    // The command line and the windows' entry alike: refused with the output
    // untouched, or opened exactly.
    void expectRefusedOrExact(const Case& c, const QStringList& args, const QByteArray& plain,
                              const std::function<std::optional<QByteArray>()>& entry) {
        SCOPED_TRACE(c.what.toStdString());
        writeAll(input, c.bytes);
        writeAll(out, kEarlier);
        const Result r = cli(args);
        const QByteArray written = readAll(out);
        if (r.status == 0) {
            EXPECT_EQ(written, plain) << "opened to other bytes";
            ++opened;
        } else {
            // Refused as sealed input (never as classic or as wrong usage).
            EXPECT_TRUE(r.status == 1 || r.status == 3 || r.status == 4)
                << r.status << " " << r.err.constData();
            EXPECT_EQ(written, kEarlier);
            EXPECT_FALSE(c.mustOpen) << r.err.constData();
            ++refused;
        }
        const std::optional<QByteArray> inWindow = entry();
        EXPECT_EQ(inWindow.has_value(), r.status == 0);
        if (inWindow) {
            EXPECT_EQ(*inWindow, plain);
        }
    }
};

TEST_F(SealedDamage, ASealedFileIsRefusedOrOpenedExactly) {
    const QByteArray plain = randomBytes(300, 21);
    QByteArray sealedBytes;
    sealed::MemorySource source(plain);
    sealed::ByteArraySink sink(&sealedBytes);
    ASSERT_TRUE(sealed::seal(source, sink, sealed::passwordKey(kPassword), sealed::Params::fastest()).ok());

    for (const Case& c : damageOf(sealedBytes, 0)) {
        expectRefusedOrExact(c, {"decrypt-file", "--password-file", pw, input, out}, plain, [&] {
            cipher::PassRequest request;
            request.input = input;
            request.output = out;
            request.password = base::Secret::copyOf(kPassword);
            request.direction = cipher::Direction::Decipher;
            base::Progress quiet;
            const cipher::PassResult result = cipher::FileCipherPass(request, quiet);
            return result.status == cipher::PassStatus::Done ? std::optional(readAll(out))
                                                             : std::nullopt;
        });
    }
    std::printf("sealed file: %d refused, %d opened exactly\n", refused, opened);
    EXPECT_GE(refused + opened, 600);
}

TEST_F(SealedDamage, ASealedMessageIsRefusedOrOpenedExactly) {
    const QString text = QStringLiteral("Meet at nine. Bring the map. Ça va? Ωμέγα 日本");
    QByteArray message;
    ASSERT_TRUE(sealed::sealMessage(text, kPassword, &message, sealed::Params::fastest()).ok());
    const QByteArray plain = text.toUtf8();

    QList<Case> cases = damageOf(message, message.indexOf('\n') + 1);
    cases += messageForms(message);
    for (const Case& c : cases) {
        expectRefusedOrExact(c, {"decrypt", "--password-file", pw, "--output", out, input}, plain,
                             [&] {
                                 base::Progress quiet;
                                 const cipher::DecryptOutcome outcome =
                                     cipher::decryptMessage({input, base::Secret::copyOf(kPassword)}, quiet);
                                 if (outcome.result != cipher::DecryptResult::Decrypted)
                                     return std::optional<QByteArray>();
                                 return std::optional(outcome.text.toUtf8());
                             });
    }
    std::printf("sealed message: %d refused, %d opened exactly\n", refused, opened);
    EXPECT_GE(refused + opened, 600);
}

} // namespace
