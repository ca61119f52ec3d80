#include <filesystem>
#include <gtest/gtest.h>

#include "platform/ProgramDirectory.h"

using lumicord::DirectoryOfPath;

TEST(ProgramDirectory, EndsInSlashAndHoldsTheExecutable) {
    const std::string& dir = lumicord::ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(dir + "test_platform"));
}

TEST(ProgramDirectory, DirectoryOfPathKeepsSpacesAndNonAscii) {
    struct Case {
        const char* path;
        const char* dir;
    };
    const Case cases[] = {
        {"/opt/Lumicord/lumicord", "/opt/Lumicord/"},
        {"/home/user/My Tools/设备 工具/lumicord", "/home/user/My Tools/设备 工具/"},
        {"/lumicord", "/"},
        {"lumicord", "/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DirectoryOfPath(c.path), c.dir) << c.path;
}
