// Tells, before Qt is started, whether there is a display to show windows on.
#pragma once

#include <string>

namespace lumicord {

// Empty when a display is reachable (X11, Wayland or an explicit QT_QPA_PLATFORM); otherwise
// one line saying why the program cannot show its window.
std::string MissingDisplayReason();

} // namespace lumicord
