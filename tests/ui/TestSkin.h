// Skin paths into the committed skin folder, for tests that draw real windows.
#pragma once

#include <string>

#include "app/SkinPaths.h"

namespace lumicord::test {

inline CSkinPaths CommittedSkinPaths() {
    return BuildSkinPaths(std::string(LUMICORD_RESOURCES_DIR) + "/");
}

} // namespace lumicord::test
