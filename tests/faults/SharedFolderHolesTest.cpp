// The last ways into an output through a folder that everybody may write (as
// /tmp): a second name of the user's own file open to all, a socket at the
// name, and another user's link standing for a folder on the way. The
// commands run as one unprivileged user, the plants belong to another.

#include "FaultFixture.h"
#include "io/OutputFile.h"
#include "words/Describe.h"

#include <atomic>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace faults;

namespace {

constexpr uid_t kVictim = kNobody; // the user who runs the command
constexpr uid_t kAttacker = 4242;  // another user who shares the folder

// The process acts as another user for file access (and for the rules that
// ask who it is) until this goes.
class ActingAs {
public:
    explicit ActingAs(uid_t who) { m_ok = ::setegid(who) == 0 && ::seteuid(who) == 0; }
    ~ActingAs() {
        if (::seteuid(0) != 0 || ::setegid(0) != 0)
            std::abort();
    }
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
};

class SharedFolderHoles : public Faults {
protected:
    QString plain = dir.filePath("plain.txt");
    QString sealedCopy = dir.filePath("plain.sealed");
    QString message = dir.filePath("plain.msg");
    QString shared = dir.filePath("shared");        // as /tmp: 01777, the test's own
    QString open = dir.filePath("open");            // 0777 without the sticky bit
    QString home = dir.filePath("home");            // the victim's
    QString inbox = dir.filePath("attacker/inbox"); // the attacker's, open to all
    QString notes = home + "/notes";                // the victim's, 0666

    void SetUp() override {
        Faults::SetUp();
        writeAll(plain, "the plaintext, for the victim's eyes only\n");
        ASSERT_EQ(
            cli({"encrypt-file", "--sealed", "--password-file", pw, plain, sealedCopy}).status, 0);
        ASSERT_EQ(
            cli({"encrypt", "--password-file", pw, "--output", message}, readAll(plain)).status, 0);
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
        for (const QString& f : {pw, sealedCopy, message})
            ::chmod(QFile::encodeName(f).constData(), 0644);
        own(cache, kVictim);
        makeFolder(shared, 0, 01777);
        makeFolder(open, 0, 0777);
        makeFolder(home, kVictim, 0755);
        makeFolder(dir.filePath("attacker"), kAttacker, 0777);
        makeFolder(inbox, kAttacker, 0777);
    }

    static void own(const QString& path, uid_t uid) {
        ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), uid, uid), 0) << path.toStdString();
    }
    static void makeFolder(const QString& path, uid_t owner, mode_t mode) {
        ASSERT_TRUE(QDir().mkpath(path));
        own(path, owner);
        ::chmod(QFile::encodeName(path).constData(), mode);
    }
    static void link(const QString& to, const QString& at, uid_t owner) {
        ASSERT_TRUE(QFile::link(to, at));
        own(at, owner);
    }
    static void socketAt(const QString& path, uid_t owner) {
        const QByteArray name = QFile::encodeName(path);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(size_t(name.size()), sizeof address.sun_path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::listen(fd, 1); // a listener or not: an open() of it never succeeds
        ::close(fd);
        own(path, owner);
        ::chmod(name.constData(), 0666);
    }

    // Everything under the test's folders that another user could read.
    std::string snapshot() const {
        QStringList seen;
        for (const QString& folder : {shared, open, home, dir.filePath("attacker"), inbox}) {
            for (const QFileInfo& entry : QDir(folder).entryInfoList(
                     QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
                seen << QStringLiteral("%1 %2 %3")
                            .arg(entry.filePath())
                            .arg(modeOf(entry.filePath()), 0, 8)
                            .arg(QString::fromLatin1(readAll(entry.filePath()).toHex()));
            }
        }
        return seen.join('\n').toStdString();
    }

    // A wait that never ends (the old answer to a socket) is a failure.
    Result runIn(const QString& folder, const QStringList& args) {
        return run(args, As(kVictim, "077"), {}, 20000, folder);
    }
};

} // namespace

TEST_F(SharedFolderHoles, LinksSocketsAndSecondNamesNeverTakeThePlaintext) {
    if (!canRunAsNobody())
        GTEST_SKIP() << "needs root and setpriv to act as two unprivileged users";
    const char* kSecondName =
        "it has more than one name (a hard link), in a folder that others may write";
    const char* kSocket = "it is a socket, not a file";
    const char* kForeignLink = "another user's link, in a folder that others may write";
    const struct {
        const char* what;
        std::function<void()> plant;
        QString folder;     // where the command runs
        QString output;     // as given to it
        const char* clause; // the refusal; none: written, with mode 0600 (umask 077)
    } cases[] = {
        {"a second name of the user's file open to all, in the shared folder",
         [&] {
             ASSERT_EQ(::link(QFile::encodeName(notes), QFile::encodeName(shared + "/out")), 0);
         },
         dir.path(), shared + "/out", kSecondName},
        {"the same in a folder open to all without the sticky bit: written, the usual mode",
         [&] { ASSERT_EQ(::link(QFile::encodeName(notes), QFile::encodeName(open + "/out")), 0); },
         dir.path(), open + "/out", nullptr},
        {"the user's own file with one name in the shared folder",
         [&] {
             writeAll(shared + "/out", "mine");
             own(shared + "/out", kVictim);
             ::chmod(QFile::encodeName(shared + "/out").constData(), 0600);
         },
         dir.path(), shared + "/out", nullptr},
        {"another user's socket in the shared folder",
         [&] { socketAt(shared + "/out", kAttacker); }, dir.path(), shared + "/out", kSocket},
        {"the user's own socket in the user's own folder",
         [&] { socketAt(home + "/out", kVictim); }, dir.path(), home + "/out", kSocket},
        {"a link to a socket",
         [&] {
             socketAt(home + "/sock", kVictim);
             link(home + "/sock", home + "/out", kVictim);
         },
         dir.path(), home + "/out", kSocket},
        {"another user's link as a folder in the shared folder",
         [&] { link(inbox, shared + "/reports", kAttacker); }, dir.path(), shared + "/reports/out",
         kForeignLink},
        {"the same reached through the user's own link",
         [&] {
             link(inbox, shared + "/reports", kAttacker);
             link(shared, home + "/tmp", kVictim);
         },
         dir.path(), home + "/tmp/reports/out", kForeignLink},
        {"the same, relative and left again by ..",
         [&] { link(inbox, shared + "/reports", kAttacker); }, shared, "reports/../out",
         kForeignLink},
        {"the same deeper in the path, relative",
         [&] {
             QDir().mkpath(inbox + "/sub");
             own(inbox + "/sub", kAttacker);
             ::chmod(QFile::encodeName(inbox + "/sub").constData(), 0777);
             link(inbox, shared + "/reports", kAttacker);
         },
         shared, "./reports/sub/out", kForeignLink},
        {"the user's own link as a folder in the shared folder is followed",
         [&] { link(home, shared + "/mine", kVictim); }, shared, "mine/out", nullptr},
        {"a link of the shared folder's owner is followed",
         [&] { link(home, shared + "/owners", 0); }, dir.path(), shared + "/owners/out", nullptr},
    };
    writeAll(notes, "the victim's notes");
    own(notes, kVictim);
    ::chmod(QFile::encodeName(notes).constData(), 0666);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& folder : {shared, open, home, inbox, dir.filePath("attacker")})
            for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                              QDir::System | QDir::NoDotAndDotDot))
                if (folder + '/' + name != notes)
                    QFile::remove(folder + '/' + name);
        QDir(inbox + "/sub").removeRecursively();
        c.plant();
        const QString path = QDir(c.folder).filePath(c.output);

        // The early answer and the writer's agree, for the user who runs it.
        {
            const ActingAs victim(kVictim);
            ASSERT_TRUE(victim.ok());
            const auto early = io::checkOutput(path);
            io::OutputFile out(path);
            // A wait that would never end on its own ends in a cancel.
            base::CancelToken deadline;
            std::atomic<bool> answered{false};
            std::thread timer([&] {
                for (int i = 0; i < 500 && !answered; ++i)
                    QThread::msleep(10);
                deadline.cancel();
            });
            out.setCancel(&deadline);
            base::Failure error;
            const bool opened = out.open(&error);
            answered = true;
            timer.join();
            out.cancel();
            EXPECT_EQ(opened, !c.clause) << words::reason(error).toStdString();
            const QString earlyText = early ? words::reason(early->reason) : QString();
            EXPECT_EQ(earlyText, opened ? QString() : words::reason(error));
            if (c.clause) {
                EXPECT_TRUE(early && earlyText.contains(c.clause))
                    << (early ? earlyText.toStdString() : "written");
                EXPECT_EQ(early ? early->kind : io::OutputProblem::Kind::NoName,
                          c.clause == kSocket ? io::OutputProblem::Kind::Other
                                              : io::OutputProblem::Kind::Planted);
            }
        }

        for (const QStringList& args :
             {QStringList{"decrypt-file", "--password-file", pw, sealedCopy, c.output},
              QStringList{"decrypt", "--password-file", pw, "--output", c.output, message}}) {
            SCOPED_TRACE(args.first().toStdString());
            const std::string before = snapshot();
            const Result r = runIn(c.folder, args);
            if (c.clause) {
                EXPECT_EQ(r.status, 1);
                EXPECT_TRUE(r.err.contains(c.clause)) << r.err.constData();
                EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
                EXPECT_EQ(snapshot(), before);
            } else {
                EXPECT_EQ(r.status, 0) << r.err.constData();
                EXPECT_EQ(readAll(path), readAll(plain));
                EXPECT_EQ(modeOf(path), 0600u);
                EXPECT_TRUE(QDir(inbox).isEmpty());
            }
            EXPECT_EQ(readAll(notes), "the victim's notes");
            EXPECT_EQ(modeOf(notes), 0666u);
        }
    }
}
