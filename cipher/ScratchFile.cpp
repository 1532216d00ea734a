#include "cipher/ScratchFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace cipher {

QString ScratchFile::defaultPath() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return base + QLatin1String("/tessera2/") + QLatin1String(kFileName);
}

bool ScratchFile::remove(const QString& path) {
    return QFile::remove(path);
}

ScratchLock::ScratchLock(const QString& scratchPath)
    : m_lock(std::make_unique<QLockFile>(scratchPath + QLatin1String(".lock"))) {
    m_lock->setStaleLockTime(0); // only a dead owner makes a lock stale
}

ScratchLock::~ScratchLock() = default;

bool ScratchLock::tryLock() { return m_lock->tryLock(0); }

} // namespace cipher
