#pragma once

// Names the calling thread as the system shows it (top, /proc), where the
// system keeps such names: at most 15 characters.

#if defined(__linux__)
#include <pthread.h>
#endif

namespace base {

inline void nameThisThread(const char* name) {
#if defined(__linux__)
    pthread_setname_np(pthread_self(), name);
#else
    (void)name;
#endif
}

} // namespace base
