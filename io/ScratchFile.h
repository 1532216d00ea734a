#pragma once

// The scratch file that holds a message's character codes while it is being
// encrypted. It lives in the user's cache folder and is deleted at the end of
// every encryption; the help window's repair deletes one that a run cut short
// left behind.
//
// The codes are the plain message, so the folder is trusted only when it is a
// real folder (not a link), owned by the user and writable by nobody else; the
// scratch and lock files are made inside it through a descriptor of that
// checked folder, never by following a link and never reusing a file that
// someone else made. A lock held for the length of one encryption keeps two
// running copies of the program out of each other's codes; the system drops
// it when its holder ends, however that happens.

#include "base/Failure.h"
#include "base/Progress.h"

#include <QString>
#include <functional>
#include <memory>

class QIODevice;

namespace io {

class ScratchFile {
public:
    static inline const char kFileName[] = "TempFile.enc";
    static inline const char kLockSuffix[] = ".lock";

    // <cache folder>/tessera2/TempFile.enc. The cache folder follows the XDG
    // rules: $XDG_CACHE_HOME when it is an absolute path, else $HOME/.cache.
    // Empty, with the reason in problem, when this user has no usable one.
    static QString defaultPath(base::Failure* problem = nullptr);

    // The repair: deletes a scratch file left at path when it is a regular
    // file of this user's in a trusted folder; never a link, never what a link
    // points to. False when there was nothing of the kind to delete.
    static bool removeLeftover(const QString& path);

    explicit ScratchFile(QString path);
    // Deletes the scratch file and the lock, if this object made them.
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Makes the folder when it is missing (owner only) and checks it; false
    // with a sentence naming the folder and what is wrong with it.
    bool openFolder(base::Failure* problem);

    struct LockWait {
        int timeoutMs = 10000;
        std::function<void()> waiting;            // called once, when the lock is busy
        const base::CancelToken* cancel = nullptr; // ends the wait at once
    };
    enum class Lock { Taken, Busy, Cancelled, Failed };
    // Takes the lock, waiting for another encryption for up to timeoutMs.
    Lock lock(const LockWait& wait, base::Failure* problem);

    // Creates the scratch file afresh (a stale one is removed first) for
    // writing and reading back; false with the cause.
    bool create(base::Failure* error);
    // The open scratch file; valid after create().
    QIODevice& device();

private:
    struct Handles;
    QString m_path;
    std::unique_ptr<Handles> m_handles;
};

} // namespace io
