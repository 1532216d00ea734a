#pragma once

// Read access to the system registry in the shape of the Win32 calls
// RegOpenKeyExA, RegQueryValueExA and RegCloseKey: byte strings for key and
// value names, numeric handles and Win32 error codes.
//
// On Windows the system registry is the real one. Elsewhere the program sees a
// small registry of its own that holds just the two keys naming the system
// information tool, filled from the desktop's own tool when one is installed.
// Tests install an in-memory registry.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace platform {

// A registry key handle (HKEY). Root keys are the predefined handles.
using RegKey = std::uintptr_t;
inline constexpr RegKey kHKeyClassesRoot = 0x80000000u;
inline constexpr RegKey kHKeyCurrentUser = 0x80000001u;
inline constexpr RegKey kHKeyLocalMachine = 0x80000002u;
inline constexpr RegKey kHKeyUsers = 0x80000003u;

// Value types, as numbers of the registry's own.
enum : std::uint32_t { kRegNone = 0, kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4 };

// Access rights.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyNotify = 0x0010;
inline constexpr std::uint32_t kKeyCreateLink = 0x0020;
inline constexpr std::uint32_t kReadControl = 0x00020000;
inline constexpr std::uint32_t kKeyRead =
    kReadControl | kKeyQueryValue | kKeyEnumerateSubKeys | kKeyNotify;

// Win32 error codes the registry calls return.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;

class Registry {
public:
    virtual ~Registry() = default;

    // RegOpenKeyExA: opens subKey under root with the access asked for and
    // stores the new handle in *result (0 on failure).
    virtual long openKey(RegKey root, const QByteArray& subKey, std::uint32_t options,
                         std::uint32_t access, RegKey* result) = 0;

    // RegQueryValueExA: *size holds the buffer's size on entry and the number of
    // bytes of the value on return; data may be null to ask for the size only.
    // A buffer too small gives kErrorMoreData. A string value's size counts its
    // terminating zero when it was stored with one.
    virtual long queryValue(RegKey key, const QByteArray& valueName, std::uint32_t* type,
                            unsigned char* data, std::uint32_t* size) = 0;

    // RegCloseKey.
    virtual long closeKey(RegKey key) = 0;
};

// The registry of the services in force (platform/Services.h): the system's
// unless one was installed.
Registry& registry();

// A registry held in memory. Key paths compare without regard to case, as in
// the Windows registry; value names too.
class MemoryRegistry : public Registry {
public:
    struct Value {
        std::uint32_t type = kRegNone;
        QByteArray data; // exactly the bytes stored, terminating zero included or not
    };

    // Creates the key (and stores the value). A key grants every access unless
    // restricted with setGrantedAccess.
    void addKey(RegKey root, const QString& keyPath);
    void setValue(RegKey root, const QString& keyPath, const QString& valueName, Value value);
    // A string value in the local code page, stored with its terminating zero
    // unless told otherwise.
    void setString(RegKey root, const QString& keyPath, const QString& valueName,
                   const QString& text, bool terminatingZero = true);
    // A 32-bit value, stored little-endian as on Windows.
    void setDword(RegKey root, const QString& keyPath, const QString& valueName,
                  std::uint32_t number);
    // Opening the key with any right beyond these fails with kErrorAccessDenied.
    void setGrantedAccess(RegKey root, const QString& keyPath, std::uint32_t access);

    // Handles opened and not yet closed.
    int openHandleCount() const { return int(m_handles.size()); }
    // Every openKey call so far: the access asked for, the options given.
    QList<std::uint32_t> requestedAccess() const { return m_requestedAccess; }
    QList<std::uint32_t> requestedOptions() const { return m_requestedOptions; }

    long openKey(RegKey root, const QByteArray& subKey, std::uint32_t options, std::uint32_t access,
                 RegKey* result) override;
    long queryValue(RegKey key, const QByteArray& valueName, std::uint32_t* type,
                    unsigned char* data, std::uint32_t* size) override;
    long closeKey(RegKey key) override;

private:
    struct Key {
        std::uint32_t grantedAccess = 0xFFFFFFFFu;
        QHash<QString, Value> values; // by lower-case name
    };
    static QString keyId(RegKey root, const QString& keyPath);

    QHash<QString, Key> m_keys;       // by keyId
    QHash<RegKey, QString> m_handles; // open handle -> keyId
    RegKey m_nextHandle = 0x1000;
    QList<std::uint32_t> m_requestedAccess;
    QList<std::uint32_t> m_requestedOptions;
};

// The keys under HKEY_LOCAL_MACHINE that name the system information tool: its
// full path, and the folder it lives in.
inline constexpr char kSysInfoPathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kSysInfoPathValue[] = "PATH";
inline constexpr char kSysInfoFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kSysInfoFolderValue[] = "MSINFO";

// System information tools of the free desktops, most specific first. The first
// one found on the search path stands in for the Windows tool.
QStringList desktopSysInfoTools();

// The registry a desktop without a Windows registry presents: when one of the
// tools is found in searchPaths (the PATH when empty), both keys name it: the
// PATH value holds its full path, the MSINFO value its folder; otherwise the
// registry is empty. On macOS the System Information application counts too.
std::unique_ptr<MemoryRegistry> makeDesktopRegistry(const QStringList& searchPaths = {});

} // namespace platform
