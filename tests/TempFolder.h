// A fresh folder under the temp directory for one test, removed with everything in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "lumicord-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            m_path = pattern + "/";
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending in '/'; empty when it could not be made.
    const std::string& Path() const { return m_path; }

    // Writes `bytes` to `relative` (parent folders made as needed); returns the full path.
    std::string Write(const std::string& relative, std::string_view bytes) const {
        const std::filesystem::path full = m_path + relative;
        std::filesystem::create_directories(full.parent_path());
        std::ofstream(full, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return full.string();
    }

private:
    std::string m_path;
};
