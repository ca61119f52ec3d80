#include "platform/SystemMessage.h"

#include <cstdio>
#include <mutex>

namespace lumicord {
namespace {
std::mutex g_handlerMutex;
SystemMessageHandler g_handler;
} // namespace

SystemMessageHandler SetSystemMessageHandler(SystemMessageHandler handler) {
    std::lock_guard lock(g_handlerMutex);
    std::swap(g_handler, handler);
    return handler;
}

void ShowSystemMessage(const std::string& text) {
    SystemMessageHandler handler;
    {
        std::lock_guard lock(g_handlerMutex);
        handler = g_handler;
    }
    if (handler)
        handler(text);
    else
        std::fprintf(stderr, "%s\n", text.c_str());
}

} // namespace lumicord
