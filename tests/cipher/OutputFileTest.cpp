// Writing a file so that its path never holds a partial result.

#include "cipher/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using cipher::OutputFile;

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(OutputFile, ReplacesOnlyOnCommit) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.bin");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old content that is longer");
    }
    OutputFile out(path);
    QString error;
    ASSERT_TRUE(out.open(&error));
    ASSERT_TRUE(out.write(QByteArray("new"), &error));
    EXPECT_EQ(readAll(path), "old content that is longer");
    EXPECT_TRUE(out.temporaryPath().startsWith(path + ".tessera-partial."));
    ASSERT_TRUE(out.commit(&error));
    EXPECT_EQ(readAll(path), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.bin"});
}

TEST(OutputFile, CancelLeavesTheEarlierFileAndNoLeftovers) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.bin");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep");
    }
    {
        OutputFile out(path);
        QString error;
        ASSERT_TRUE(out.open(&error));
        ASSERT_TRUE(out.write(QByteArray("partial"), &error));
        // destroyed without commit
    }
    EXPECT_EQ(readAll(path), "keep");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.bin"});
}

TEST(OutputFile, KeepsThePermissionsOfAReplacedFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.bin");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    OutputFile out(path);
    QString error;
    ASSERT_TRUE(out.open(&error));
    ASSERT_TRUE(out.commit(&error));
    const auto perms = QFile::permissions(path);
    EXPECT_TRUE(perms.testFlag(QFile::ReadOwner) && perms.testFlag(QFile::WriteOwner));
    EXPECT_FALSE(perms & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup |
                          QFile::WriteOther));
}

TEST(OutputFile, WritesThroughASymbolicLink) {
    QTemporaryDir dir;
    const QString real = dir.filePath("real.txt");
    const QString link = dir.filePath("link.txt");
    {
        QFile f(real);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(real, link));
    OutputFile out(link);
    QString error;
    ASSERT_TRUE(out.open(&error));
    ASSERT_TRUE(out.write(QByteArray("via link"), &error));
    ASSERT_TRUE(out.commit(&error));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(real), "via link");
}
