// Numeric identifier of the calling thread, as the system shows it (ps -L, /proc).
#pragma once

namespace lumicord {

unsigned CurrentThreadId();

} // namespace lumicord
