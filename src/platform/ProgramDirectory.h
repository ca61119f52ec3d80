// Folder of the running executable; every file of the program is found relative to it.
#pragma once

#include <string>

namespace lumicord {

// Absolute directory of /proc/self/exe, always ending in '/'. Computed once and cached.
const std::string& ProgramDirectory();

// Directory part of `executablePath` up to and including its last '/'; "/" when there is none.
std::string DirectoryOfPath(const std::string& executablePath);

} // namespace lumicord
