#include "ui/DisplayCheck.h"

#include <cstdlib>
#include <string_view>
#include <sys/stat.h>

namespace lumicord {
namespace {
bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}
// A local X display ":N" (or ":N.S") is reachable when its socket exists.
bool LocalXDisplayReachable(std::string_view display) {
    if (display.empty() || display.front() != ':')
        return true; // remote or unusual form: let Qt try
    display.remove_prefix(1);
    const auto dot = display.find('.');
    const std::string number(display.substr(0, dot));
    struct stat info {};
    return ::stat(("/tmp/.X11-unix/X" + number).c_str(), &info) == 0;
}
} // namespace

std::string MissingDisplayReason() {
    if (IsSet("QT_QPA_PLATFORM") || IsSet("WAYLAND_DISPLAY"))
        return {};
    if (IsSet("DISPLAY")) {
        const std::string display = std::getenv("DISPLAY");
        if (LocalXDisplayReachable(display))
            return {};
        return "lumicord: cannot reach the X display " + display +
               "; start it from a desktop session, or run it under Xvfb.";
    }
    return "lumicord: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a "
           "desktop session, or run it under Xvfb.";
}

} // namespace lumicord
