// The fault matrix: each case runs tessera-cli against a fault and checks that
// every file that existed before still holds every byte, and that nothing
// partial sits at the target's name.

#include "FaultFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace faults;

// Both ciphers, as far as the fault cases go: a command that writes target
// from an input file.
struct Cipher {
    const char* name;
    QStringList (*command)(const QString& pw, const QString& in, const QString& out);
};

QStringList messageCommand(const QString& pw, const QString& in, const QString& out) {
    return {"encrypt", "--password-file", pw, "--junkbitz", "--output", out, in};
}
QStringList fileCommand(const QString& pw, const QString& in, const QString& out) {
    return {"encrypt-file", "--password-file", pw, in, out};
}

const Cipher kCiphers[] = {{"message", messageCommand}, {"file", fileCommand}};

} // namespace

TEST_F(Faults, DiskFullLeavesTheEarlierTargetWhole) {
    const QString disk = dir.filePath("disk");
    if (!mountTinyDisk(disk, "48k"))
        GTEST_SKIP() << "mounting a tmpfs is refused here (needs root)";
    const QString input = dir.filePath("in.txt");
    writeAll(input, QByteArray(9000, 'x')); // 9000 chars -> about 63 KB as a message file
    for (const Cipher& c : kCiphers) {
        const QString target = disk + QStringLiteral("/target-") + c.name;
        writeAll(target, "earlier content\n");
        // Fill the rest of the disk so no copy fits.
        QFile filler(disk + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Truncate));
        filler.write(QByteArray(40 * 1024, 'f'));
        filler.close();
        const Result r = cli(c.command(pw, input, target));
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_TRUE(r.err.contains("target-")) << c.name << ": " << r.err.constData();
        EXPECT_EQ(readAll(target), "earlier content\n") << c.name;
        EXPECT_TRUE(partials(disk).isEmpty()) << c.name << partials(disk).join(' ').toStdString();
    }
}

TEST_F(Faults, ReadOnlyFolderAndUnreadableInputAsAnOrdinaryUser) {
    if (!canRunAsNobody())
        GTEST_SKIP() << "needs root and setpriv to run the case as an unprivileged user";
    const QString folder = dir.filePath("ro");
    QDir().mkpath(folder);
    const QString target = folder + QStringLiteral("/target");
    writeAll(target, "earlier content\n");
    const QString input = dir.filePath("in.txt");
    writeAll(input, "hello");
    const QString secret = dir.filePath("secret.txt");
    writeAll(secret, "hidden");
    ::chmod(QFile::encodeName(secret).constData(), 0600);
    ::chmod(QFile::encodeName(input).constData(), 0644);
    ::chmod(QFile::encodeName(pw).constData(), 0644);
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    ::chown(QFile::encodeName(cache).constData(), 65534, 65534);
    for (const Cipher& c : kCiphers) {
        Result r = cli(c.command(pw, input, target), {}, true);
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_TRUE(r.err.contains("target")) << r.err.constData();
        EXPECT_EQ(readAll(target), "earlier content\n");
        EXPECT_TRUE(partials(folder).isEmpty());

        const QString out = dir.filePath(QStringLiteral("out-") + c.name);
        r = cli(c.command(pw, secret, out), {}, true);
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_TRUE(r.err.contains("secret.txt")) << r.err.constData();
        EXPECT_FALSE(QFile::exists(out));
    }
}

TEST_F(Faults, FifoAndCharacterDeviceTargetsAreWrittenInPlace) {
    const QString input = dir.filePath("in.txt");
    writeAll(input, "through a pipe");
    for (const Cipher& c : kCiphers) {
        const QString fifo = dir.filePath(QStringLiteral("fifo-") + c.name);
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QByteArray received;
        std::thread reader([&] {
            QFile f(fifo);
            if (f.open(QIODevice::ReadOnly))
                received = f.readAll();
        });
        const Result r = cli(c.command(pw, input, fifo));
        reader.join();
        EXPECT_EQ(r.status, 0) << c.name << r.err.constData();
        EXPECT_FALSE(received.isEmpty()) << c.name;
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode)) << c.name;
    }

    // A null device of our own, in our own folder: never a real /dev node.
    const QString node = dir.filePath("null-node");
    if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making a device node is refused here (needs root)";
    for (const Cipher& c : kCiphers) {
        const Result r = cli(c.command(pw, input, node));
        EXPECT_EQ(r.status, 0) << c.name << r.err.constData();
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(node).constData(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode)) << c.name;
    }
    EXPECT_TRUE(partials(dir.path()).isEmpty());
}

TEST_F(Faults, MissingInputAndFolderAsInput) {
    for (const Cipher& c : kCiphers) {
        const QString target = dir.filePath(QStringLiteral("target-") + c.name);
        writeAll(target, "earlier");
        Result r = cli(c.command(pw, dir.filePath("missing.txt"), target));
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_TRUE(r.err.contains("missing.txt")) << r.err.constData();
        r = cli(c.command(pw, dir.path(), target));
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_EQ(readAll(target), "earlier");
    }
    EXPECT_TRUE(partials(dir.path()).isEmpty());
}

TEST_F(Faults, SameInputAndOutput) {
    const QString file = dir.filePath("in-place.bin");
    const QByteArray original = randomBytes(3 * 1024 * 1024 + 17, 7);
    writeAll(file, original);
    Result r = cli({"encrypt-file", "--password-file", pw, file, file});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(QFileInfo(file).size(), original.size());
    EXPECT_NE(readAll(file), original);
    r = cli({"decrypt-file", "--password-file", pw, file, file});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(readAll(file), original);

    const QString text = dir.filePath("message.txt");
    writeAll(text, "the message itself");
    r = cli({"encrypt", "--password-file", pw, "--output", text, text});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    r = cli({"decrypt", "--password-file", pw, text});
    EXPECT_EQ(r.out, "the message itself");
    EXPECT_TRUE(partials(dir.path()).isEmpty());
}

TEST_F(Faults, KilledFilePassNeverLeavesAPartialTarget) {
    const QString input = dir.filePath("large.bin");
    writeZeros(input, qint64(3) * 1024 * 1024 * 1024); // sparse: reads fast, takes no disk
    const QString target = dir.filePath("copy.bin");
    writeAll(target, "earlier copy");
    QProcess p;
    ASSERT_TRUE(start(p, {"encrypt-file", "--password-file", pw, input, target}));
    // Wait until the pass is under way: the process has written some megabytes
    // (into a temporary file that may have no name yet).
    const bool started = waitUntil(
        [&] { return testsupport::ioCount(p.processId(), "wchar") > 8 * 1024 * 1024; }, 4000);
    ASSERT_TRUE(started) << "the pass never began writing";
    ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
    p.waitForFinished();
    EXPECT_EQ(readAll(target), "earlier copy");
    // What a killed pass may leave is recognisable by its name; where the
    // system offers unnamed temporary files it leaves nothing at all.
    QStringList others = QDir(dir.path()).entryList(QDir::Files);
    others.removeAll(QStringLiteral("large.bin"));
    others.removeAll(QStringLiteral("copy.bin"));
    others.removeAll(QStringLiteral("pw"));
    for (const QString& part : others)
        EXPECT_TRUE(part.startsWith(QStringLiteral("copy.bin."))) << part.toStdString();
}

TEST_F(Faults, EncryptionsAtOnceWaitForEachOtherAndNeverMixTheirMessages) {
    constexpr int kAtOnce = 8;
    const QProcessEnvironment env = environment();
    for (int round = 0; round < 3; ++round) {
        std::vector<std::unique_ptr<QProcess>> runs;
        for (int i = 0; i < kAtOnce; ++i) {
            const QString in = dir.filePath(QStringLiteral("in%1.txt").arg(i));
            writeAll(in, QByteArray(10000, static_cast<char>('a' + i)));
            QFile::remove(in + QStringLiteral(".msg"));
            auto p = std::make_unique<QProcess>();
            p->setProcessEnvironment(env);
            p->start(QStringLiteral(TESSERA_CLI),
                     {"encrypt", "--password-file", pw, "--output", in + ".msg", in});
            runs.push_back(std::move(p));
        }
        for (int i = 0; i < kAtOnce; ++i) {
            ASSERT_TRUE(runs[i]->waitForFinished(60000));
            EXPECT_EQ(runs[i]->exitCode(), 0) << runs[i]->readAllStandardError().constData();
            const Result d = cli({"decrypt", "--password-file", pw,
                                  dir.filePath(QStringLiteral("in%1.txt.msg").arg(i))});
            EXPECT_EQ(d.out, QByteArray(10000, static_cast<char>('a' + i)));
        }
    }
}

TEST_F(Faults, HostileMessageFilesEndInBoundedMemory) {
    // Junk under the byte ceiling of a message file is decrypted under a tag,
    // and refused as no message file without one; over it, refused.
    const QString junk = dir.filePath("junk.bin");
    writeAll(junk, "\"Tessera v2.0 JB\"\r\n" + randomBytes(1000 * 1024, 99));
    Result r = cli({"decrypt", "--password-file", pw, junk});
    EXPECT_EQ(r.status, 0);
    writeAll(junk, randomBytes(1000 * 1024, 99));
    r = cli({"decrypt", "--password-file", pw, junk});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("is not a message file")) << r.err.constData();
    writeAll(junk, randomBytes(2 * 1024 * 1024, 99));
    r = cli({"decrypt", "--password-file", pw, junk});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("larger than 1 MB")) << r.err.constData();

    const QString noQuote = dir.filePath("noquote.txt");
    writeAll(noQuote, "\"Tessera v2.0\r\n169\r\n203\r\n131\r\n");
    r = cli({"decrypt", "--password-file", pw, noQuote});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.isEmpty());

    const QString wide = dir.filePath("wide.txt");
    writeAll(wide, "\"Tessera v2.0\"\r\n100000\r\n-99999\r\n32768\r\n180\r\n");
    r = cli({"decrypt", "--password-file", pw, "--raw", wide});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QByteArray(1, static_cast<char>(180 - 'r')));

    // 100 MB of digits: refused, having read no more than the ceiling.
    const QString digits = dir.filePath("digits.txt");
    {
        QFile f(digits);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\"Tessera v2.0\"\r\n");
        const QByteArray block(1024 * 1024, '7');
        for (int i = 0; i < 100; ++i)
            f.write(block);
    }
    if (QFileInfo::exists(QStringLiteral("/usr/bin/time"))) {
        // Peak memory against the same program reading a small file, so that a
        // sanitizer's own overhead does not count.
        const auto peakKb = [&](const QString& file, int status) {
            long kb = -1;
            const Result measured = runMeasured({"decrypt", "--password-file", pw, file}, &kb);
            EXPECT_EQ(measured.status, status);
            EXPECT_GE(kb, 0) << measured.err.constData();
            return kb < 0 ? 0L : kb;
        };
        const long small = peakKb(noQuote, 0);
        const long large = peakKb(digits, 1);
        EXPECT_LT(large - small, 32 * 1024)
            << "peak memory " << large << " KB against " << small << " KB for a small file";
    } else {
        r = cli({"decrypt", "--password-file", pw, digits});
        EXPECT_EQ(r.status, 1);
    }
}
