// The two failures that must reach the user before any window exists (capture device
// enumeration, database open) go through this callback. The desktop program installs a
// message box; without a handler the text goes to standard error.
#pragma once

#include <functional>
#include <string>

namespace lumicord {

using SystemMessageHandler = std::function<void(const std::string& text)>;

// Replaces the handler; returns the previous one. An empty handler restores standard error.
SystemMessageHandler SetSystemMessageHandler(SystemMessageHandler handler);

// Shows `text` (UTF-8) through the installed handler. Callable from any thread.
void ShowSystemMessage(const std::string& text);

} // namespace lumicord
