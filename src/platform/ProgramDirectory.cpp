#include "platform/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

namespace lumicord {

std::string DirectoryOfPath(const std::string& executablePath) {
    const auto slash = executablePath.rfind('/');
    if (slash == std::string::npos)
        return "/";
    return executablePath.substr(0, slash + 1);
}

const std::string& ProgramDirectory() {
    static const std::string directory = [] {
        std::error_code error;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
        if (error)
            return std::filesystem::current_path(error).string() + "/";
        return DirectoryOfPath(exe.string());
    }();
    return directory;
}

} // namespace lumicord
