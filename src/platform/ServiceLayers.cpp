#include "platform/ServiceLayers.h"

#include <atomic>

namespace lumicord {
namespace {
std::atomic<int> g_socketsStarts{0};
std::atomic<int> g_comStarts{0};
std::atomic<std::uintptr_t> g_graphicsToken{0};
} // namespace

bool StartSocketsLayer(std::uint16_t requested, std::uint16_t& granted) {
    // POSIX sockets need no start-up; grant what was asked, as a 1.1 layer would.
    granted = requested;
    ++g_socketsStarts;
    return true;
}

void StopSocketsLayer() {
    int starts = g_socketsStarts.load();
    while (starts > 0 && !g_socketsStarts.compare_exchange_weak(starts, starts - 1)) {
    }
}

void InitialiseCom() {
    ++g_comStarts;
}

void UninitialiseCom() {
    int starts = g_comStarts.load();
    while (starts > 0 && !g_comStarts.compare_exchange_weak(starts, starts - 1)) {
    }
}

std::uintptr_t StartGraphics() {
    static std::atomic<std::uintptr_t> next{1};
    const auto token = next++;
    g_graphicsToken = token;
    return token;
}

void StopGraphics(std::uintptr_t token) {
    auto expected = token;
    if (token != 0)
        g_graphicsToken.compare_exchange_strong(expected, 0);
}

} // namespace lumicord
