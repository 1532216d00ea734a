#include "platform/Services.h"

namespace platform {
namespace {

// Of constant initialisation, so that it is in place before any library's
// initialisation installs into it (as the web engine's does).
constinit Services g_services;

} // namespace

const Services& services() {
    return g_services;
}

Services installServices(const Services& services) {
    Services previous = g_services;
    g_services = services;
    return previous;
}

} // namespace platform
