#include "platform/ThreadId.h"

#include <unistd.h>

namespace lumicord {

unsigned CurrentThreadId() {
    return static_cast<unsigned>(::gettid());
}

} // namespace lumicord
