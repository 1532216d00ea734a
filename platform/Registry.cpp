#include "platform/Registry.h"

#include "platform/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {
namespace {

#ifdef Q_OS_WIN

class Win32Registry final : public Registry {
public:
    long openKey(RegKey root, const QByteArray& subKey, std::uint32_t options, std::uint32_t access,
                 RegKey* result) override {
        HKEY key = nullptr;
        const LONG rc = ::RegOpenKeyExA(reinterpret_cast<HKEY>(root), subKey.constData(),
                                        DWORD(options), REGSAM(access), &key);
        *result = rc == ERROR_SUCCESS ? reinterpret_cast<RegKey>(key) : 0;
        return rc;
    }

    long queryValue(RegKey key, const QByteArray& valueName, std::uint32_t* type,
                    unsigned char* data, std::uint32_t* size) override {
        DWORD valueType = 0;
        DWORD valueSize = size ? DWORD(*size) : 0;
        const LONG rc = ::RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.constData(),
                                           nullptr, &valueType, data, size ? &valueSize : nullptr);
        if (type)
            *type = valueType;
        if (size)
            *size = valueSize;
        return rc;
    }

    long closeKey(RegKey key) override { return ::RegCloseKey(reinterpret_cast<HKEY>(key)); }
};

Registry& systemRegistry() {
    static Win32Registry instance;
    return instance;
}

#else

// Built on first use from what is installed at that moment.
Registry& systemRegistry() {
    static const std::unique_ptr<MemoryRegistry> instance = makeDesktopRegistry();
    return *instance;
}

#endif

} // namespace

Registry& registry() {
    Registry* installed = services().registry;
    return installed ? *installed : systemRegistry();
}

// --- MemoryRegistry ---

QString MemoryRegistry::keyId(RegKey root, const QString& keyPath) {
    QString path = keyPath;
    while (path.startsWith(QLatin1Char('\\')))
        path.remove(0, 1);
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return QString::number(root, 16) + QLatin1Char(':') + path.toLower();
}

void MemoryRegistry::addKey(RegKey root, const QString& keyPath) {
    const QString id = keyId(root, keyPath);
    if (!m_keys.contains(id))
        m_keys.insert(id, Key{});
}

void MemoryRegistry::setValue(RegKey root, const QString& keyPath, const QString& valueName,
                              Value value) {
    addKey(root, keyPath);
    m_keys[keyId(root, keyPath)].values.insert(valueName.toLower(), std::move(value));
}

void MemoryRegistry::setString(RegKey root, const QString& keyPath, const QString& valueName,
                               const QString& text, bool terminatingZero) {
    QByteArray bytes = text.toLocal8Bit();
    if (terminatingZero)
        bytes.append('\0');
    setValue(root, keyPath, valueName, {kRegSz, bytes});
}

void MemoryRegistry::setDword(RegKey root, const QString& keyPath, const QString& valueName,
                              std::uint32_t number) {
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(number, bytes.data());
    setValue(root, keyPath, valueName, {kRegDword, bytes});
}

void MemoryRegistry::setGrantedAccess(RegKey root, const QString& keyPath, std::uint32_t access) {
    addKey(root, keyPath);
    m_keys[keyId(root, keyPath)].grantedAccess = access;
}

long MemoryRegistry::openKey(RegKey root, const QByteArray& subKey, std::uint32_t options,
                             std::uint32_t access, RegKey* result) {
    m_requestedAccess.append(access);
    m_requestedOptions.append(options);
    if (result)
        *result = 0;
    const auto key = m_keys.constFind(keyId(root, QString::fromLocal8Bit(subKey)));
    if (key == m_keys.cend())
        return kErrorFileNotFound;
    if ((access & ~key->grantedAccess) != 0)
        return kErrorAccessDenied;
    const RegKey handle = m_nextHandle;
    m_nextHandle += 4;
    m_handles.insert(handle, key.key());
    if (result)
        *result = handle;
    return kErrorSuccess;
}

long MemoryRegistry::queryValue(RegKey key, const QByteArray& valueName, std::uint32_t* type,
                                unsigned char* data, std::uint32_t* size) {
    const auto handle = m_handles.constFind(key);
    if (handle == m_handles.cend())
        return kErrorInvalidHandle;
    const Key& openKey = m_keys[*handle];
    const auto value = openKey.values.constFind(QString::fromLocal8Bit(valueName).toLower());
    if (value == openKey.values.cend())
        return kErrorFileNotFound;
    if (type)
        *type = value->type;
    const auto needed = std::uint32_t(value->data.size());
    if (!size)
        return data ? kErrorInvalidHandle : kErrorSuccess;
    if (data && *size < needed) {
        *size = needed;
        return kErrorMoreData;
    }
    if (data && needed > 0)
        std::memcpy(data, value->data.constData(), needed);
    *size = needed;
    return kErrorSuccess;
}

long MemoryRegistry::closeKey(RegKey key) {
    return m_handles.remove(key) > 0 ? kErrorSuccess : kErrorInvalidHandle;
}

// --- the desktop's system information tool ---

QStringList desktopSysInfoTools() {
    return {
        QStringLiteral("hardinfo2"),   // System Information and Benchmark
        QStringLiteral("hardinfo"),    // its predecessor
        QStringLiteral("kinfocenter"), // KDE Info Center
        QStringLiteral("cpu-x"),       // CPU-X
        QStringLiteral("i-nex"),       // I-Nex
        QStringLiteral("lshw-gtk"),    // hardware lister
        QStringLiteral("xfce4-about"), // Xfce's About, whose System page lists the machine
    };
}

std::unique_ptr<MemoryRegistry> makeDesktopRegistry(const QStringList& searchPaths) {
    auto registry = std::make_unique<MemoryRegistry>();
    QString tool;
    for (const QString& name : desktopSysInfoTools()) {
        tool = QStandardPaths::findExecutable(name, searchPaths);
        if (!tool.isEmpty())
            break;
    }
#ifdef Q_OS_MACOS
    if (tool.isEmpty()) {
        const QString app = QStringLiteral("/System/Applications/Utilities/System "
                                           "Information.app/Contents/MacOS/System Information");
        if (QFileInfo(app).isExecutable())
            tool = app;
    }
#endif
    if (tool.isEmpty())
        return registry;
    tool = QDir::toNativeSeparators(QFileInfo(tool).absoluteFilePath());
    const QString folder = QDir::toNativeSeparators(QFileInfo(tool).absolutePath());
    registry->setString(kHKeyLocalMachine, QString::fromLatin1(kSysInfoPathKey),
                        QString::fromLatin1(kSysInfoPathValue), tool);
    registry->setString(kHKeyLocalMachine, QString::fromLatin1(kSysInfoFolderKey),
                        QString::fromLatin1(kSysInfoFolderValue), folder);
    return registry;
}

} // namespace platform
