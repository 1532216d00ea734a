// tessera-cli in the user's language: German under a German locale, English
// otherwise, and the same bytes in its files whatever the language.

#include "tests/support/CliRun.h"
#include "tests/support/Files.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::CliRun;

// tessera-cli with the language variables as given, and no others.
CliRun cliIn(const QStringList& language, const QStringList& args, const QByteArray& input = {}) {
    return testsupport::runProcess(
        QStringLiteral(TESSERA_CLI), args, input,
        testsupport::environmentWith(language, {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}));
}

const QStringList kEnglish = {QStringLiteral("LC_ALL=C.UTF-8")};
const QStringList kGerman = {QStringLiteral("LANGUAGE=de")};

// A help text's synopsis (from "Usage:" to the first blank line, without the
// word Usage) and the lines of prose after it.
struct Help {
    QList<QByteArray> synopsis;
    QList<QByteArray> prose;
};

Help parts(const QByteArray& help) {
    Help parts;
    const QList<QByteArray> lines = help.split('\n');
    qsizetype i = 1;
    for (; i < lines.size() && !lines[i].isEmpty(); ++i)
        parts.synopsis << lines[i];
    for (; i < lines.size(); ++i) {
        if (!lines[i].trimmed().isEmpty())
            parts.prose << lines[i];
    }
    return parts;
}

// Whether a line holds only names that are typed as they stand (commands and
// options, as the synopsis spells them).
bool onlyNames(const QByteArray& line, const QList<QByteArray>& synopsis) {
    const QByteArray names = synopsis.join(' ');
    static const QRegularExpression word(QStringLiteral("[A-Za-z-]{3,}"));
    for (auto it = word.globalMatch(QString::fromUtf8(line)); it.hasNext();) {
        if (!names.contains(it.next().captured().toUtf8()))
            return false;
    }
    return true;
}

} // namespace

// Every paragraph of --help is German; the synopsis, which is typed as it
// stands, is the same in both.
TEST(CliLanguage, HelpIsGermanUnderAGermanLocale) {
    const CliRun english = cliIn(kEnglish, {"--help"});
    const CliRun german = cliIn(kGerman, {"--help"});
    ASSERT_EQ(english.status, 0);
    ASSERT_EQ(german.status, 0);
    const Help en = parts(english.out);
    const Help de = parts(german.out);
    EXPECT_NE(german.out.left(german.out.indexOf('\n')),
              english.out.left(english.out.indexOf('\n')));
    EXPECT_EQ(de.synopsis, en.synopsis);
    EXPECT_GT(en.synopsis.size(), 5);
    EXPECT_GT(en.prose.size(), 20);
    for (const QByteArray& line : en.prose) {
        if (!onlyNames(line, en.synopsis)) {
            EXPECT_FALSE(de.prose.contains(line)) << "left in English: " << line.constData();
        }
    }
    EXPECT_TRUE(QString::fromUtf8(german.out).contains(QChar(0xfc))); // ü: German, in UTF-8
}

// A refusal of the command line is German too, and means the same: the same
// status, the same option named, one line.
TEST(CliLanguage, UsageErrorsAreGerman) {
    for (const QStringList& args : {QStringList{"encrypt", "--bogus"}, QStringList{"frobnicate"},
                                    QStringList{"decrypt"}, QStringList{"encrypt-file", "a"}}) {
        const CliRun english = cliIn(kEnglish, args);
        const CliRun german = cliIn(kGerman, args);
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(german.status, 2);
        EXPECT_EQ(german.status, english.status);
        EXPECT_NE(german.err, english.err);
        EXPECT_TRUE(german.err.startsWith("tessera-cli: "));
        EXPECT_EQ(german.err.count('\n'), 1);
        for (const QString& word : args.mid(1)) {
            if (word.startsWith(QLatin1String("--"))) {
                EXPECT_TRUE(german.err.contains(word.toUtf8()));
            }
        }
    }
}

// The first of the user's languages that is English or translated decides;
// LANGUAGE outranks LC_ALL, LC_MESSAGES and LANG.
TEST(CliLanguage, TheLocaleVariablesChooseTheLanguage) {
    const QByteArray english = cliIn(kEnglish, {"--help"}).out;
    const QByteArray german = cliIn(kGerman, {"--help"}).out;
    ASSERT_NE(english, german);
    const struct {
        QStringList settings;
        bool german;
    } cases[] = {
        {{"LANG=de_DE.UTF-8"}, true},
        {{"LC_MESSAGES=de_AT.UTF-8", "LANG=C.UTF-8"}, true},
        {{"LC_ALL=de_CH.UTF-8"}, true},
        {{"LANGUAGE=fr:de"}, true},
        {{"LANGUAGE=en:de"}, false},
        {{"LANGUAGE=en", "LC_ALL=de_DE.UTF-8"}, false},
        {{"LANGUAGE=de", "LC_ALL=C.UTF-8"}, true},
        {{"LANG=fr_FR.UTF-8"}, false},
        {{}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings.join(' ').toStdString());
        EXPECT_EQ(cliIn(c.settings, {"--help"}).out, c.german ? german : english);
    }
}

// What goes into a file is never translated: a classic message file is the
// same byte for byte, a sealed one begins with the same tag line.
TEST(CliLanguage, FilesAreTheSameInEveryLanguage) {
    QTemporaryDir dir;
    const QString pw = dir.filePath("pw");
    testsupport::writeAll(pw, "Zebra-Kuchen-17\n");
    for (const QStringList& format : {QStringList{"--pic"}, QStringList{"--sealed"}}) {
        QByteArray written[2];
        int i = 0;
        for (const QStringList& language : {kEnglish, kGerman}) {
            const QString out = dir.filePath(QStringLiteral("m%1").arg(i));
            const CliRun r = cliIn(
                language, QStringList{"encrypt", "--password-file", pw, "--output", out} + format,
                "Grüße aus Köln\n");
            ASSERT_EQ(r.status, 0) << r.err.constData();
            written[i++] = testsupport::readAll(out);
        }
        if (format.contains("--sealed"))
            EXPECT_EQ(written[1].left(written[1].indexOf('\n')),
                      written[0].left(written[0].indexOf('\n')));
        else
            EXPECT_EQ(written[1], written[0]);
    }
}

// Every text the program shows has its German: a text added or changed since
// the last translation shows up here, not as English in a German window.
TEST(CliLanguage, TheGermanTranslationIsComplete) {
    const QByteArray ts = testsupport::readAll(QStringLiteral(TESSERA_TRANSLATIONS "/tessera_de.ts"));
    ASSERT_GT(ts.count("<message"), 300);
    EXPECT_EQ(ts.count("type=\"unfinished\""), 0);
    EXPECT_EQ(ts.count("<translation></translation>"), 0);
}
