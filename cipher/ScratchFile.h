#pragma once

// The scratch file that holds a message's character codes while it is being
// encrypted. It lives in the user's cache folder, readable by its owner alone,
// and is deleted at the end of every encryption; the help window's repair
// deletes one that an interrupted run left behind.

#include <QLockFile>
#include <QString>
#include <memory>

namespace cipher {

class ScratchFile {
public:
    static inline const char kFileName[] = "TempFile.enc";

    // <cache folder>/tessera2/TempFile.enc
    static QString defaultPath();

    // Deletes the scratch file; false when there was none or it could not be deleted.
    static bool remove(const QString& path = defaultPath());
};

// Holds the scratch file for one encryption, so that two running copies of the
// program never write into each other's codes. A lock left by a process that
// died is taken over.
class ScratchLock {
public:
    explicit ScratchLock(const QString& scratchPath);
    ~ScratchLock();
    bool tryLock();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace cipher
