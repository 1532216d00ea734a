// System Info: reading registry values the way the about box does, finding the
// system information tool, and the registry a desktop without one presents.

#include "tests/support/Files.h"
#include "tests/support/GuiFixture.h"

#include "platform/ProgramLauncher.h"
#include "platform/Registry.h"
#include "platform/WindowFlash.h"
#include "ui/startup/frmAbout.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using platform::kHKeyLocalMachine;
using testsupport::GuiFixture;

namespace {

const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");
const QString kPathKey = QString::fromLatin1(platform::kSysInfoPathKey);
const QString kFolderKey = QString::fromLatin1(platform::kSysInfoFolderKey);

class RecordingLauncher : public platform::ProgramLauncher {
public:
    RecordingLauncher() : m_installed(&platform::Services::launcher, this) {}
    bool start(const QString& path) override {
        started.append(path);
        return succeeds;
    }
    QStringList started;
    bool succeeds = true;

private:
    testsupport::ServicesGuard m_installed;
};

// The flashing plays no part here.
class SilentFlasher : public platform::WindowFlasher {
public:
    SilentFlasher() : m_installed(&platform::Services::flasher, this) {}
    bool flash(QWidget*, bool) override { return false; }
    bool holdsUntilActivated() const override { return true; }

private:
    testsupport::ServicesGuard m_installed;
};

class SysInfoTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        services.set(&platform::Services::registry, &reg);
        about = registry.form<ui::frmAbout>();
        ASSERT_NE(about, nullptr);
    }

    // GetKeyValue on the value "V" of the key "SOFTWARE\Test".
    bool read(QString& out) {
        return about->GetKeyValue(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"),
                                  QStringLiteral("V"), out);
    }

    void expectUnavailable() {
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, kUnavailable);
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Tessera2"));
        EXPECT_EQ(dialogs.messages[0].icon, platform::Icon::None);
        EXPECT_EQ(dialogs.messages[0].buttons, platform::Buttons::Ok);
        EXPECT_TRUE(launcher.started.isEmpty());
    }

    SilentFlasher flasher;
    RecordingLauncher launcher;
    platform::MemoryRegistry reg;
    testsupport::ServicesGuard services; // after the fakes: it goes before them
    ui::frmAbout* about = nullptr;
};

TEST_F(SysInfoTest, StringsLoseTheirTerminatingZeroOnlyWhenTheyHaveOne) {
    reg.setString(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("V"),
                  QStringLiteral("C:\\Tools\\info.exe"), true);
    QString out;
    ASSERT_TRUE(read(out));
    EXPECT_EQ(out, QStringLiteral("C:\\Tools\\info.exe"));

    reg.setString(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("V"),
                  QStringLiteral("C:\\Tools\\info.exe"), false);
    ASSERT_TRUE(read(out));
    EXPECT_EQ(out, QStringLiteral("C:\\Tools\\info.exe")) << "taken whole";

    // Only one zero goes: a string stored with two keeps the first.
    reg.setValue(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("V"),
                 {platform::kRegSz, QByteArray("ab\0\0", 4)});
    ASSERT_TRUE(read(out));
    EXPECT_EQ(out, QString::fromLatin1("ab\0", 3));

    // Every key was opened for reading only (KEY_READ), and closed.
    ASSERT_FALSE(reg.requestedAccess().isEmpty());
    for (std::uint32_t access : reg.requestedAccess())
        EXPECT_EQ(access, 0x20019u);
    for (std::uint32_t options : reg.requestedOptions())
        EXPECT_EQ(options, 0u);
    EXPECT_EQ(reg.openHandleCount(), 0);
}

TEST_F(SysInfoTest, DwordsBecomeHexDigitsOfTheirBytesFromLastToFirst) {
    QString out;
    reg.setDword(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("V"),
                 0x12ABCDEF);
    ASSERT_TRUE(read(out));
    EXPECT_EQ(out, QStringLiteral("&h12ABCDEF"));

    // Each byte without leading zeros: 01 02 03 0A reads 1, 2, 3, A.
    reg.setDword(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("V"),
                 0x0102030A);
    ASSERT_TRUE(read(out));
    EXPECT_EQ(out, QStringLiteral("&h123A"));

    // A high zero byte counts as a terminating zero and goes, like a string's.
    reg.setDword(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("V"),
                 0x00A0B1C2);
    ASSERT_TRUE(read(out));
    EXPECT_EQ(out, QStringLiteral("&hA0B1C2"));
    EXPECT_EQ(reg.openHandleCount(), 0);
}

TEST_F(SysInfoTest, OtherValueTypesReadTrueAndLeaveTheResultAsItWas) {
    reg.setValue(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("V"),
                 {platform::kRegBinary, QByteArray("\x01\x02", 2)});
    QString out = QStringLiteral("unchanged");
    EXPECT_TRUE(read(out));
    EXPECT_EQ(out, QStringLiteral("unchanged"));
    EXPECT_EQ(reg.openHandleCount(), 0);
}

TEST_F(SysInfoTest, ReadFailuresGiveFalseAnEmptyResultAndNoOpenKey) {
    QString out = QStringLiteral("stale");
    EXPECT_FALSE(read(out)) << "missing key";
    EXPECT_TRUE(out.isEmpty());

    reg.setString(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("Other"),
                  QStringLiteral("x"));
    out = QStringLiteral("stale");
    EXPECT_FALSE(read(out)) << "missing value";
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(reg.openHandleCount(), 0) << "the key opened for the missing value was closed";

    // A key that grants no reading refuses the access asked for.
    reg.setString(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("V"),
                  QStringLiteral("there"));
    reg.setGrantedAccess(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"),
                         platform::kKeyEnumerateSubKeys);
    out = QStringLiteral("stale");
    EXPECT_FALSE(read(out)) << "key that will not open";
    EXPECT_TRUE(out.isEmpty());

    // A value larger than the 1024-byte buffer cannot be read.
    reg.setGrantedAccess(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), 0xFFFFFFFFu);
    reg.setString(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("V"),
                  QString(1024, QLatin1Char('x')));
    EXPECT_FALSE(read(out)) << "1025 bytes with the zero";
    reg.setString(kHKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"), QStringLiteral("V"),
                  QString(1023, QLatin1Char('x')));
    EXPECT_TRUE(read(out));
    EXPECT_EQ(out.size(), 1023);
    EXPECT_EQ(reg.openHandleCount(), 0);
}

TEST_F(SysInfoTest, TheFullPathKeyIsStartedAsItStandsWithoutLookingForTheFile) {
    reg.setString(kHKeyLocalMachine, kPathKey, QStringLiteral("PATH"),
                  QStringLiteral("/no/such/tool/msinfo32"));
    // The folder key is not consulted when the path key answers.
    reg.setString(kHKeyLocalMachine, kFolderKey, QStringLiteral("MSINFO"), QStringLiteral("/x"));
    about->StartSysInfo();
    EXPECT_EQ(launcher.started, QStringList{QStringLiteral("/no/such/tool/msinfo32")});
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SysInfoTest, TheFolderKeyIsUsedOnlyWhenTheToolFileIsThere) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    reg.setString(kHKeyLocalMachine, kFolderKey, QStringLiteral("MSINFO"), folder.path());

    about->StartSysInfo();
    expectUnavailable();
    dialogs.clear();

    // A folder of that name is no file.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("MSINFO32.EXE")));
    about->StartSysInfo();
    expectUnavailable();
    dialogs.clear();
    ASSERT_TRUE(QDir(folder.path()).rmdir(QStringLiteral("MSINFO32.EXE")));

    testsupport::writeAll(folder.filePath(QStringLiteral("MSINFO32.EXE")), {});
    about->StartSysInfo();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(launcher.started, QStringList{folder.path() + QStringLiteral("/MSINFO32.EXE")});
}

TEST_F(SysInfoTest, NeitherKeyOrAKeyThatWillNotOpenGivesTheMessage) {
    about->StartSysInfo();
    expectUnavailable();
    dialogs.clear();

    reg.setString(kHKeyLocalMachine, kPathKey, QStringLiteral("PATH"), QStringLiteral("/bin/true"));
    reg.setGrantedAccess(kHKeyLocalMachine, kPathKey, 0);
    about->StartSysInfo();
    expectUnavailable();
    EXPECT_EQ(reg.openHandleCount(), 0);
}

// A standard user may read HKEY_LOCAL_MACHINE but not write it: keys that
// grant reading alone are enough, since nothing more is asked for.
TEST_F(SysInfoTest, KeysThatGrantOnlyReadingAreEnough) {
    reg.setString(kHKeyLocalMachine, kPathKey, QStringLiteral("PATH"),
                  QStringLiteral("/tools/msinfo32"));
    reg.setGrantedAccess(kHKeyLocalMachine, kPathKey, platform::kKeyRead);
    about->StartSysInfo();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(launcher.started, QStringList{QStringLiteral("/tools/msinfo32")});

    // The folder key too, when the path key is missing.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    testsupport::writeAll(folder.filePath(QStringLiteral("MSINFO32.EXE")), {});
    platform::MemoryRegistry folderOnly;
    folderOnly.setString(kHKeyLocalMachine, kFolderKey, QStringLiteral("MSINFO"), folder.path());
    folderOnly.setGrantedAccess(kHKeyLocalMachine, kFolderKey, platform::kKeyRead);
    services.set(&platform::Services::registry, &folderOnly);
    launcher.started.clear();
    about->StartSysInfo();
    services.set(&platform::Services::registry, &reg);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(launcher.started, QStringList{folder.path() + QStringLiteral("/MSINFO32.EXE")});

    // No write right was asked for on any key.
    const std::uint32_t writeRights =
        platform::kKeySetValue | platform::kKeyCreateSubKey | platform::kKeyCreateLink;
    for (const auto* r : {&reg, &folderOnly}) {
        ASSERT_FALSE(r->requestedAccess().isEmpty());
        for (std::uint32_t access : r->requestedAccess())
            EXPECT_EQ(access & writeRights, 0u) << std::hex << access;
    }
}

TEST_F(SysInfoTest, AToolThatWillNotStartGivesTheMessageAndTheBoxStaysOpen) {
    registry.show<ui::frmAbout>();
    reg.setString(kHKeyLocalMachine, kPathKey, QStringLiteral("PATH"), QStringLiteral("/broken"));
    launcher.succeeds = false;
    child<QPushButton>(about, "cmdSysInfo")->click();
    ASSERT_EQ(dialogs.texts(), QStringList{kUnavailable});
    EXPECT_EQ(launcher.started, QStringList{QStringLiteral("/broken")});
    EXPECT_TRUE(about->isVisible());
}

// --- the registry of a desktop without a Windows registry ---

class DesktopRegistryTest : public ::testing::Test {
protected:
    QString addTool(const QTemporaryDir& dir, const QString& name, bool executable = true) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nexit 0\n");
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
        return file.fileName();
    }

    static QString readString(platform::Registry& reg, const char* key, const char* value) {
        platform::RegKey handle = 0;
        if (reg.openKey(kHKeyLocalMachine, key, 0, 0x2003F, &handle) != platform::kErrorSuccess)
            return QStringLiteral("<no key>");
        unsigned char buffer[1024] = {};
        std::uint32_t size = sizeof buffer;
        std::uint32_t type = 0;
        const long rc = reg.queryValue(handle, value, &type, buffer, &size);
        reg.closeKey(handle);
        if (rc != platform::kErrorSuccess || type != platform::kRegSz || size == 0 ||
            buffer[size - 1] != 0)
            return QStringLiteral("<bad value>");
        return QString::fromLocal8Bit(reinterpret_cast<const char*>(buffer), size - 1);
    }
};

TEST_F(DesktopRegistryTest, NamesTheFirstSystemInformationToolFound) {
    QTemporaryDir first;
    QTemporaryDir second;
    addTool(second, QStringLiteral("hardinfo"));
    const QString kinfo = addTool(first, QStringLiteral("kinfocenter"));
    addTool(first, QStringLiteral("hardinfo2"), false); // not executable: passed over
    auto reg = platform::makeDesktopRegistry({first.path(), second.path()});
    // hardinfo ranks before kinfocenter wherever it is on the path.
    EXPECT_EQ(readString(*reg, platform::kSysInfoPathKey, "PATH"), second.filePath("hardinfo"));
    EXPECT_EQ(readString(*reg, platform::kSysInfoFolderKey, "MSINFO"), second.path());

    auto onlyKinfo = platform::makeDesktopRegistry({first.path()});
    EXPECT_EQ(readString(*onlyKinfo, platform::kSysInfoPathKey, "PATH"), kinfo);
}

TEST_F(DesktopRegistryTest, IsEmptyWithoutATool) {
    QTemporaryDir empty;
    addTool(empty, QStringLiteral("gnome-system-monitor"));
    auto reg = platform::makeDesktopRegistry({empty.path()});
    EXPECT_EQ(readString(*reg, platform::kSysInfoPathKey, "PATH"), QStringLiteral("<no key>"));
    EXPECT_EQ(readString(*reg, platform::kSysInfoFolderKey, "MSINFO"), QStringLiteral("<no key>"));
}

TEST_F(DesktopRegistryTest, TheAboutBoxStartsTheDesktopTool) {
    QTemporaryDir bin;
    const QString tool = addTool(bin, QStringLiteral("cpu-x"));
    auto reg = platform::makeDesktopRegistry({bin.path()});
    testsupport::ServicesGuard services(&platform::Services::registry, reg.get());
    testsupport::ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    SilentFlasher flasher;
    {
        ui::FormRegistry forms;
        ui::registerAllForms(forms);
        forms.form<ui::frmAbout>()->StartSysInfo();
    }
    EXPECT_EQ(launcher.started, QStringList{tool});
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Fakes put in force one over another: each keeps what it does not replace and
// brings back what was in force before it.
TEST(ServicesGuardTest, EachGuardBringsBackWhatWasInForceBeforeIt) {
    const platform::Services before = platform::services();
    platform::MemoryRegistry first;
    platform::MemoryRegistry second;
    {
        testsupport::ServicesGuard outer(&platform::Services::registry, &first);
        RecordingLauncher launcher;
        {
            testsupport::ServicesGuard inner(&platform::Services::registry, &second);
            EXPECT_EQ(&platform::registry(), &second);
            EXPECT_EQ(&platform::programLauncher(), &launcher);
        }
        EXPECT_EQ(&platform::registry(), &first);
        EXPECT_EQ(&platform::programLauncher(), &launcher);
    }
    EXPECT_EQ(platform::services().registry, before.registry);
    EXPECT_EQ(platform::services().launcher, before.launcher);
    EXPECT_NE(&platform::registry(), &first);
}

TEST(MemoryRegistryTest, BehavesLikeTheWindowsCalls) {
    platform::MemoryRegistry reg;
    reg.setString(kHKeyLocalMachine, QStringLiteral("Software\\A"), QStringLiteral("Name"),
                  QStringLiteral("hello"));
    platform::RegKey key = 0;
    // Names compare without regard to case; other roots are other keys.
    EXPECT_EQ(reg.openKey(platform::kHKeyCurrentUser, "SOFTWARE\\A", 0, 0x2003F, &key),
              platform::kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
    ASSERT_EQ(reg.openKey(kHKeyLocalMachine, "SOFTWARE\\a", 0, 0x2003F, &key),
              platform::kErrorSuccess);
    EXPECT_NE(key, 0u);

    std::uint32_t type = 0;
    std::uint32_t size = 3;
    unsigned char small[3] = {};
    EXPECT_EQ(reg.queryValue(key, "NAME", &type, small, &size), platform::kErrorMoreData);
    EXPECT_EQ(size, 6u) << "the size needed, zero included";
    size = 0;
    EXPECT_EQ(reg.queryValue(key, "name", &type, nullptr, &size), platform::kErrorSuccess);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(type, platform::kRegSz);

    EXPECT_EQ(reg.closeKey(key), platform::kErrorSuccess);
    EXPECT_EQ(reg.closeKey(key), platform::kErrorInvalidHandle);
    EXPECT_EQ(reg.queryValue(key, "name", &type, small, &size), platform::kErrorInvalidHandle);
}

} // namespace
