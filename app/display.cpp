#include "app/display.h"

#include <cstdlib>

namespace haberes {

namespace {
bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}
} // namespace

bool displayConfigured()
{
#if defined(__linux__) || (defined(__unix__) && !defined(__APPLE__))
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
#else
    // Windows and macOS always have their own display.
    return true;
#endif
}

} // namespace haberes
