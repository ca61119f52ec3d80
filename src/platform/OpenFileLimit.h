// The process's limit on open descriptors.
#pragma once

namespace lumicord {

// Raises the soft limit to the hard limit; false when it could not be read or set.
bool RaiseOpenFileLimit();

} // namespace lumicord
