// Start-up and shutdown calls of the system services the program brings up in a fixed order.
// On Linux there is nothing to start for the sockets layer, COM or the graphics library; the
// calls keep their place in the order and their contracts, and each stop is harmless without
// its start.
#pragma once

#include <cstdint>

namespace lumicord {

// Version word as the sockets layer reports it: low byte major, high byte minor.
constexpr std::uint16_t MakeSocketsVersion(std::uint8_t major, std::uint8_t minor) {
    return static_cast<std::uint16_t>(major | (minor << 8));
}

// Starts the sockets layer for `requested`; returns false on failure, else sets `granted`.
bool StartSocketsLayer(std::uint16_t requested, std::uint16_t& granted);
void StopSocketsLayer();

void InitialiseCom();
void UninitialiseCom();

// Token 0 means "not started".
std::uintptr_t StartGraphics();
void StopGraphics(std::uintptr_t token);

} // namespace lumicord
