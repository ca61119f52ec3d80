#include "platform/OpenFileLimit.h"

#include <sys/resource.h>

namespace lumicord {

bool RaiseOpenFileLimit() {
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) != 0)
        return false;
    if (files.rlim_cur == files.rlim_max)
        return true;
    files.rlim_cur = files.rlim_max;
    return setrlimit(RLIMIT_NOFILE, &files) == 0;
}

} // namespace lumicord
