#pragma once

// Puts a test's fakes in force for as long as it lives: the services in force
// when it was made, with the members the test replaces; the services that were
// in force come back when it goes. Guards nest: each brings back what was
// there before it.
//
//   ServicesGuard guard(&platform::Services::printer, &printer);
//   guard.set(&platform::Services::registry, &memoryRegistry);

#include "platform/Services.h"

#include <type_traits>

namespace testsupport {

class ServicesGuard {
public:
    ServicesGuard() : m_previous(platform::services()) {}
    template <class T>
    ServicesGuard(T platform::Services::*member, std::type_identity_t<T> fake) : ServicesGuard() {
        set(member, fake);
    }
    ~ServicesGuard() { platform::installServices(m_previous); }

    ServicesGuard(const ServicesGuard&) = delete;
    ServicesGuard& operator=(const ServicesGuard&) = delete;

    // Replaces one member of the services in force; an empty value brings
    // back the system's own.
    template <class T> void set(T platform::Services::*member, std::type_identity_t<T> fake) {
        platform::Services changed = platform::services();
        changed.*member = fake;
        platform::installServices(changed);
    }

private:
    platform::Services m_previous;
};

} // namespace testsupport
