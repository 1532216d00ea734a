// Preloaded into tessera-cli by the fault tests: a file system without
// unnamed temporary files (O_TMPFILE), as network shares and FAT are.

#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>

namespace {

using OpenAt = int (*)(int, const char*, int, ...);

mode_t modeArgument(int flags, va_list args) {
    return (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, mode_t) : 0;
}

int openWithout(int folder, const char* path, int flags, mode_t mode) {
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    static const auto real = reinterpret_cast<OpenAt>(dlsym(RTLD_NEXT, "openat"));
    return real(folder, path, flags, mode);
}

} // namespace

extern "C" int openat(int folder, const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openWithout(folder, path, flags, mode);
}

// The same call under its large-file name: one function, two names.
extern "C" int openat64(int folder, const char* path, int flags, ...)
    __attribute__((alias("openat")));
