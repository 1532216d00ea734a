// The one writer of the program: a path never holds a partial result, a new
// file follows the umask, a replaced one keeps its mode and owner, a
// protected one is refused, and every wait can be cancelled.

#include "io/OutputFile.h"
#include "tests/support/Files.h"
#include "tests/support/Waits.h"
#include "words/Describe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using io::OutputFile;

namespace {

using testsupport::readAll;
using testsupport::modeOf;
using testsupport::writeAll;

class Output : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("out.bin");

    bool writeWhole(OutputFile& out, const QByteArray& data, base::Failure* error) {
        return out.open(error) && out.write(data, error) && out.commit(error);
    }

    // Until the test's own thread sleeps in a wait of the system's (for a
    // FIFO's reader, for room in a pipe), as the output's wait does.
    void waitUntilBlocked() {
        const QString task = QStringLiteral("/proc/self/task/%1").arg(m_thread);
        while (!testsupport::sleepsOrPolls(task))
            std::this_thread::yield();
    }
    const pid_t m_thread = static_cast<pid_t>(::gettid());
};

// Sets the umask for the length of a test.
class Umask {
public:
    explicit Umask(mode_t mask) : m_saved(::umask(mask)) {}
    ~Umask() { ::umask(m_saved); }

private:
    mode_t m_saved;
};

} // namespace

TEST_F(Output, ReplacesOnlyOnCommitAndLeavesNothingBeside) {
    writeAll(path, "old content that is longer");
    OutputFile out(path);
    base::Failure error;
    ASSERT_TRUE(out.open(&error)) << words::reason(error).toStdString();
    ASSERT_TRUE(out.write(QByteArray("new"), &error));
    EXPECT_EQ(readAll(path), "old content that is longer");
    ASSERT_TRUE(out.commit(&error));
    EXPECT_EQ(readAll(path), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.bin"});
}

TEST_F(Output, CancelOrDestructionWithoutCommitLeavesTheEarlierFile) {
    writeAll(path, "keep");
    {
        OutputFile out(path);
        base::Failure error;
        ASSERT_TRUE(out.open(&error));
        ASSERT_TRUE(out.write(QByteArray("partial"), &error));
    }
    OutputFile cancelled(path);
    base::Failure error;
    ASSERT_TRUE(cancelled.open(&error));
    ASSERT_TRUE(cancelled.write(QByteArray("partial"), &error));
    cancelled.cancel();
    EXPECT_EQ(readAll(path), "keep");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.bin"});
}

TEST_F(Output, ANewFileFollowsTheUmask) {
    for (const mode_t mask : {mode_t(077), mode_t(022), mode_t(002)}) {
        Umask umask(mask);
        QFile::remove(path);
        OutputFile out(path);
        base::Failure error;
        ASSERT_TRUE(writeWhole(out, "x", &error)) << words::reason(error).toStdString();
        EXPECT_EQ(modeOf(path), 0666 & ~mask) << std::oct << mask;
    }
}

TEST_F(Output, AReplacedFileKeepsItsModeWhateverTheUmask) {
    Umask umask(022);
    for (const mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0664), mode_t(0755)}) {
        writeAll(path, "old");
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        OutputFile out(path);
        base::Failure error;
        ASSERT_TRUE(writeWhole(out, "new", &error)) << words::reason(error).toStdString();
        EXPECT_EQ(modeOf(path), mode) << std::oct << mode;
    }
}

TEST_F(Output, AReplacedFileKeepsItsOwnerWhereTheProcessMaySetIt) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser may give a file away";
    writeAll(path, "theirs");
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    OutputFile out(path);
    base::Failure error;
    ASSERT_TRUE(writeWhole(out, "still theirs", &error)) << words::reason(error).toStdString();
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(readAll(path), "still theirs");
}

TEST_F(Output, WritesThroughASymbolicLinkEvenToAFileNotYetThere) {
    const QString real = dir.filePath("real.txt");
    const QString link = dir.filePath("link.txt");
    ASSERT_TRUE(QFile::link(real, link));
    for (const QByteArray& content : {QByteArray("first"), QByteArray("second")}) {
        OutputFile out(link);
        base::Failure error;
        ASSERT_TRUE(writeWhole(out, content, &error)) << words::reason(error).toStdString();
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(readAll(real), content);
    }
}

TEST_F(Output, ProblemsAreFoundBeforeAnythingIsOpened) {
    EXPECT_EQ(words::reason(*io::outputProblem(QString())), QStringLiteral("no file name was given"));
    EXPECT_EQ(words::reason(*io::outputProblem(dir.path())), QStringLiteral("it is a folder"));
    EXPECT_TRUE(words::reason(*io::outputProblem(dir.filePath("none/out"))).contains("does not exist"));
    EXPECT_EQ(io::outputProblem(path), std::nullopt);
    OutputFile out(dir.path());
    base::Failure error;
    EXPECT_FALSE(out.open(&error));
    EXPECT_EQ(words::reason(error), QStringLiteral("it is a folder"));
}

TEST_F(Output, ACancelDuringTheFinalSyncStillLeavesTheEarlierFile) {
    writeAll(path, "earlier");
    base::CancelToken cancel;
    OutputFile out(path);
    out.setCancel(&cancel);
    base::Failure error;
    ASSERT_TRUE(out.open(&error));
    ASSERT_TRUE(out.write(QByteArray(1 << 20, 'n'), &error));
    // The cancel arrives once everything is written: while the data goes to disk.
    cancel.cancel();
    EXPECT_FALSE(out.commit(&error));
    EXPECT_TRUE(out.wasCancelled());
    EXPECT_EQ(readAll(path), "earlier");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.bin"});
}

TEST_F(Output, WaitingForAFifosReaderEndsOnCancel) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    base::CancelToken cancel;
    OutputFile out(path);
    out.setCancel(&cancel);
    std::thread canceller([&] {
        waitUntilBlocked();
        cancel.cancel();
    });
    base::Failure error;
    EXPECT_FALSE(out.open(&error)); // nobody ever reads
    canceller.join();
    EXPECT_TRUE(out.wasCancelled());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO itself is never replaced";
}

TEST_F(Output, AReaderThatStallsCannotHoldAWriteForEver) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // A reader that opens the FIFO and never reads from it.
    const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    base::CancelToken cancel;
    OutputFile out(path);
    out.setCancel(&cancel);
    base::Failure error;
    ASSERT_TRUE(out.open(&error)) << words::reason(error).toStdString();
    std::thread canceller([&] {
        waitUntilBlocked();
        cancel.cancel();
    });
    // Far more than a pipe holds.
    EXPECT_FALSE(out.write(QByteArray(8 << 20, 'x'), &error));
    canceller.join();
    EXPECT_TRUE(out.wasCancelled());
    ::close(reader);
}

TEST_F(Output, StandardOutputIsWrittenAsItIs) {
    // Standard output borrowed for the test: a file of ours in its place.
    const int saved = ::dup(STDOUT_FILENO);
    const int file =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(file, 0);
    ::dup2(file, STDOUT_FILENO);
    OutputFile out = OutputFile::standardOutput();
    base::Failure error;
    const bool written = writeWhole(out, "to standard output", &error);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    ::close(file);
    EXPECT_TRUE(written) << words::reason(error).toStdString();
    EXPECT_EQ(readAll(path), "to standard output");
}

// A new private file (an identity): 0600 whatever the umask, and never over
// anything that stands at the path, before open() or by the time it commits.
TEST_F(Output, ANewPrivateFileIsTheUsersAloneAndNeverReplacesAnything) {
    for (const mode_t mask : {mode_t(0), mode_t(022), mode_t(077)}) {
        QFile::remove(path);
        const Umask umask(mask);
        OutputFile out(path);
        out.setCreation(OutputFile::Creation::NewPrivate);
        base::Failure error;
        ASSERT_TRUE(writeWhole(out, "secret", &error)) << words::reason(error).toStdString();
        EXPECT_EQ(modeOf(path), 0600u) << mask;
        EXPECT_EQ(readAll(path), "secret");
    }
    const QString link = dir.filePath("link");
    ASSERT_EQ(::symlink("nowhere", QFile::encodeName(link).constData()), 0);
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& taken : {path, link, fifo}) {
        OutputFile out(taken);
        out.setCreation(OutputFile::Creation::NewPrivate);
        base::Failure error;
        EXPECT_FALSE(out.open(&error)) << taken.toStdString();
        EXPECT_EQ(words::reason(error), QStringLiteral("it already exists"));
    }
    EXPECT_EQ(readAll(path), "secret");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("nowhere")));

    const QString late = dir.filePath("late");
    OutputFile out(late);
    out.setCreation(OutputFile::Creation::NewPrivate);
    base::Failure error;
    ASSERT_TRUE(out.open(&error) && out.write("new", &error));
    writeAll(late, "planted meanwhile");
    EXPECT_FALSE(out.commit(&error));
    EXPECT_EQ(words::reason(error), QStringLiteral("it already exists"));
    EXPECT_EQ(readAll(late), "planted meanwhile");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 4);
}
