// The scratch file holds a message's plain codes: it is made only in a folder
// that is the user's own and nobody else's, never through a planted link,
// never reused; two encryptions wait for each other; the repair removes only
// the user's own regular file; and the cache folder follows the XDG rules.

#include "io/ScratchFile.h"
#include "tests/cipher/RecordingHost.h"
#include "cipher/Messages.h"
#include "tests/support/Files.h"
#include "words/Describe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace cipher;
using io::ScratchFile;

namespace {

using testsupport::modeOf;
using testsupport::readAll;
using testsupport::writeAll;

class Scratch : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.filePath("cache/tessera2");
    QString scratch = folder + QStringLiteral("/TempFile.enc");
    QString target = dir.filePath("message.txt");
    QString victim = dir.filePath("victim.txt");
    RecordingHost host;

    void SetUp() override { writeAll(victim, "the victim's own words"); }

    EncryptResult encrypt(int waitMs = 10000) {
        EncryptRequest r =
            messageRequest(QStringLiteral("secret"), QStringLiteral("pw"), target, scratch);
        r.scratchWaitMs = waitMs;
        return EncryptMessage(r, host, host.progress);
    }

    // The refusal must name the folder, say what is wrong, and write nothing.
    void expectRefused(const QString& what) {
        host.messages.clear();
        EXPECT_EQ(encrypt(), EncryptResult::Failed);
        ASSERT_EQ(host.messages.size(), 1);
        const QString text = host.messages[0].text;
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(folder))) << text.toStdString();
        EXPECT_TRUE(text.contains(what)) << text.toStdString();
        EXPECT_FALSE(QFile::exists(target));
    }
};

} // namespace

TEST_F(Scratch, IsMadeOwnerOnlyInAnOwnerOnlyFolderAndGoesAtTheEnd) {
    ASSERT_EQ(encrypt(), EncryptResult::Finished);
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList())
        << "neither the scratch file nor the lock stays";
}

TEST_F(Scratch, APlantedLinkIsNeverFollowed) {
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(QFile::link(victim, scratch));
    ASSERT_TRUE(QFile::link(victim, scratch + QStringLiteral(".lock")));
    // The lock file is a link: refused, and the file it names keeps its words.
    EXPECT_EQ(encrypt(), EncryptResult::Failed);
    EXPECT_EQ(readAll(victim), "the victim's own words");
    QFile::remove(scratch + QStringLiteral(".lock"));
    // The scratch file is a link: a fresh file takes its place.
    host.messages.clear();
    ASSERT_EQ(encrypt(), EncryptResult::Finished);
    EXPECT_EQ(readAll(victim), "the victim's own words");
    EXPECT_FALSE(QFileInfo(scratch).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(scratch));
}

TEST_F(Scratch, AFolderThatIsALinkIsRefusedAndItsTargetUntouched) {
    const QString elsewhere = dir.filePath("elsewhere");
    QDir().mkpath(elsewhere);
    QFile::setPermissions(elsewhere, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                         QFile::ExeOther);
    QDir().mkpath(dir.filePath("cache"));
    ASSERT_TRUE(QFile::link(elsewhere, folder));
    expectRefused(QStringLiteral("symbolic link"));
    EXPECT_EQ(modeOf(elsewhere), 0755u) << "no chmod through the link";
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
}

TEST_F(Scratch, AFolderOthersMayWriteIsRefused) {
    QDir().mkpath(folder);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    expectRefused(QStringLiteral("may be written by other users"));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0770), 0);
    expectRefused(QStringLiteral("may be written by other users"));
    EXPECT_TRUE(QDir(folder).isEmpty());
}

TEST_F(Scratch, AFolderOfAnotherUserIsRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "making a folder of another user's needs the superuser";
    QDir().mkpath(folder);
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
    expectRefused(QStringLiteral("belongs to another user"));
    EXPECT_TRUE(QDir(folder).isEmpty());
}

TEST_F(Scratch, AFolderThatCannotBeMadeSaysSo) {
    writeAll(dir.filePath("cache"), "a file where the cache folder should be");
    host.messages.clear();
    EXPECT_EQ(encrypt(), EncryptResult::Failed);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("could not be made")))
        << host.messages[0].text.toStdString();
    EXPECT_FALSE(host.messages[0].text.contains(QStringLiteral("another encryption")));
}

TEST_F(Scratch, ASecondEncryptionWaitsForTheFirst) {
    auto first = std::make_unique<ScratchFile>(scratch);
    base::Failure problem;
    ASSERT_TRUE(first->openFolder(&problem)) << words::reason(problem).toStdString();
    ASSERT_EQ(first->lock({}, &problem), ScratchFile::Lock::Taken);

    // Too short a wait: refused, nothing written.
    EXPECT_EQ(encrypt(100), EncryptResult::Failed);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("another encryption")));
    EXPECT_FALSE(QFile::exists(target));

    // The first ends while the second waits: the second goes on at once.
    host.messages.clear();
    host.progress.waits = 0;
    host.progress.onWaiting = [&] { first.reset(); };
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(encrypt(), EncryptResult::Finished);
    EXPECT_LT(clock.elapsed(), 5000) << "woken by the release, not by the end of the wait";
    EXPECT_EQ(host.progress.waits, 1);
    EXPECT_EQ(host.lastMessage(), "Finished");
}

TEST_F(Scratch, ALockFileLeftBehindBlocksNothing) {
    // What a crashed run, or anyone naming a live process, may leave: only a
    // lock that a running encryption holds counts, never a file's content.
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeAll(scratch + QStringLiteral(".lock"), "1\nlocalhost\ntessera-cli\n");
    EXPECT_EQ(encrypt(100), EncryptResult::Finished);
    EXPECT_FALSE(QFile::exists(scratch + QStringLiteral(".lock")));
}

TEST_F(Scratch, ACancelWhileWaitingEndsWithNothingWritten) {
    ScratchFile first(scratch);
    base::Failure problem;
    ASSERT_TRUE(first.openFolder(&problem));
    ASSERT_EQ(first.lock({}, &problem), ScratchFile::Lock::Taken);
    host.progress.onWaiting = [&] { host.progress.cancel(); };
    EXPECT_EQ(encrypt(), EncryptResult::Cancelled);
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_FALSE(QFile::exists(scratch));
}

TEST_F(Scratch, TheRepairRemovesOnlyTheUsersOwnRegularFile) {
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(ScratchFile::removeLeftover(scratch)) << "nothing there";

    ASSERT_TRUE(QFile::link(victim, scratch));
    EXPECT_FALSE(ScratchFile::removeLeftover(scratch));
    EXPECT_TRUE(QFileInfo(scratch).isSymLink());
    EXPECT_EQ(readAll(victim), "the victim's own words");
    QFile::remove(scratch);

    writeAll(scratch, "1\r\n2\r\n");
    EXPECT_TRUE(ScratchFile::removeLeftover(scratch));
    EXPECT_FALSE(QFile::exists(scratch));

    writeAll(scratch, "1\r\n2\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    EXPECT_FALSE(ScratchFile::removeLeftover(scratch)) << "a folder others write is not trusted";
    EXPECT_TRUE(QFile::exists(scratch));
}

// The variables that place the cache folder, put back as they were.
class CacheEnvironment {
public:
    CacheEnvironment() : m_xdg(qgetenv("XDG_CACHE_HOME")), m_home(qgetenv("HOME")) {}
    ~CacheEnvironment() {
        for (const auto& [name, value] : {std::pair{"XDG_CACHE_HOME", m_xdg}, {"HOME", m_home}}) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

private:
    QByteArray m_xdg, m_home;
};

TEST(ScratchLocation, FollowsTheXdgRules) {
    const CacheEnvironment saved;
    base::Failure problem;

    qputenv("XDG_CACHE_HOME", "/tmp/tessera-test-cache");
    EXPECT_EQ(ScratchFile::defaultPath(), "/tmp/tessera-test-cache/tessera2/TempFile.enc");

    // A relative value is ignored: HOME's cache folder instead.
    qputenv("XDG_CACHE_HOME", "relative/cache");
    qputenv("HOME", "/home/someone");
    EXPECT_EQ(ScratchFile::defaultPath(), "/home/someone/.cache/tessera2/TempFile.enc");

    // No usable folder at all: none is invented.
    for (const char* home : {"", "relative-home"}) {
        qunsetenv("XDG_CACHE_HOME");
        qputenv("HOME", home);
        EXPECT_EQ(ScratchFile::defaultPath(&problem), QString()) << home;
        EXPECT_TRUE(words::reason(problem).contains(QStringLiteral("HOME"))) << words::reason(problem).toStdString();
    }
    qunsetenv("HOME");
    EXPECT_EQ(ScratchFile::defaultPath(), QString());
}

TEST(ScratchLocation, WithoutACacheFolderEncryptionIsRefusedAndWritesNothing) {
    const CacheEnvironment saved;
    qunsetenv("XDG_CACHE_HOME");
    qputenv("HOME", "");
    QTemporaryDir dir;
    RecordingHost host;
    const EncryptRequest r =
        messageRequest(QStringLiteral("secret"), QStringLiteral("pw"), dir.filePath("out.txt"), {});
    EXPECT_EQ(EncryptMessage(r, host, host.progress), EncryptResult::Failed);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("no cache folder")));
    EXPECT_FALSE(QFile::exists(r.path));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/.cache/tessera2")));
}
