// The sealed test kit, as another implementation would run it: every case of
// its MANIFEST through tessera-cli, judged by the exit status alone; and the
// kit is what its generator makes, byte for byte.

#include "tests/support/CliRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kKit = QStringLiteral(TESSERA_TESTKIT);

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

int run(const QString& program, const QStringList& args) {
    return testsupport::runProcess(program, args).status;
}

TEST(TestKit, EveryCaseEndsAsTheManifestSays) {
    const QHash<QString, int> statusOf = {
        {"open", 0}, {"not-opened", 3}, {"damaged", 4}, {"not-sealed", 5}};
    QTemporaryDir dir;
    const QString out = dir.filePath("out");
    int cases = 0;
    for (const QByteArray& line : readAll(kKit + "/MANIFEST").split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList f = QString::fromUtf8(line).split(' ');
        ASSERT_GE(f.size(), 4) << line.constData();
        SCOPED_TRACE(line.toStdString());
        ASSERT_TRUE(statusOf.contains(f[3]));
        QFile::remove(out);
        const QString input = kKit + "/" + f[0];
        const QString key = kKit + "/" + f[2];
        // Sealed to people: an identity file, protected ones with a password
        // file beside them.
        QStringList keys{"--password-file", key};
        if (f[1].endsWith("-to-people")) {
            keys = QStringList{"--identity", key};
            if (QFile::exists(key + ".password"))
                keys << "--password-file" << key + ".password";
        }
        const QStringList args =
            f[1].startsWith("file")
                ? QStringList{"decrypt-file", "--sealed"} + keys + QStringList{input, out}
                : QStringList{"decrypt", "--sealed"} + keys + QStringList{"--output", out, input};
        EXPECT_EQ(run(TESSERA_CLI, args), statusOf[f[3]]);
        if (f[3] == "open") {
            EXPECT_EQ(readAll(out), readAll(kKit + "/" + f[4]));
        } else {
            EXPECT_FALSE(QFile::exists(out));
        }
        ++cases;
    }
    EXPECT_GE(cases, 70);
}

TEST(TestKit, TheGeneratorMakesTheSameKit) {
    QTemporaryDir dir;
    ASSERT_EQ(run(TESSERA_TESTKIT_GENERATOR, {dir.path()}), 0);
    const QStringList made = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    QStringList kept = QDir(kKit).entryList(QDir::Files, QDir::Name);
    kept.removeAll("README.md");
    kept.removeAll("generate.cpp");
    kept.removeAll("CMakeLists.txt");
    EXPECT_EQ(made, kept);
    for (const QString& name : made)
        EXPECT_EQ(readAll(dir.filePath(name)), readAll(kKit + "/" + name)) << name.toStdString();
}

} // namespace
