#pragma once

// The file helpers every test shares: whole files read and written, test data
// of a given size, and what an unfinished write could leave beside a target.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace testsupport {

// The file's bytes; empty when it cannot be read.
inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file's lines without their line ends (LF, or CR LF: the CR stays).
inline QList<QByteArray> readLines(const QString& path) {
    QList<QByteArray> lines = readAll(path).split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Replaces the file's content; a failure of the test when it cannot.
inline void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
}

// A file of n zero bytes that takes no room on disk until read.
inline void writeZeros(const QString& path, qint64 n) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_TRUE(file.resize(n)) << path.toStdString();
}

// n bytes of every value, the same for the same seed.
inline QByteArray randomBytes(qint64 n, unsigned seed) {
    std::mt19937 rng(seed);
    QByteArray out(n, Qt::Uninitialized);
    for (qint64 i = 0; i < n; ++i)
        out[i] = static_cast<char>(rng() & 0xFF);
    return out;
}

// The permission bits of what stands at the path, itself and not what a link
// there names; 0 when nothing does.
inline unsigned modeOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// The new files an unfinished write may leave beside a target:
// ".NAME.tessera-XXXXXX" (none where the system offers unnamed files).
inline QStringList partials(const QString& dir) {
    return QDir(dir).entryList({QStringLiteral(".*.tessera-??????")},
                               QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace testsupport
