// A fresh folder under the test temp directory for one test's database files, removed after.
#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        m_path =
            std::filesystem::path(testing::TempDir()) /
            ("lumicord-records-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};
