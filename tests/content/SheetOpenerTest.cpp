#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "TempFolder.h"
#include "content/SheetOpener.h"

using namespace lumicord;
using namespace std::chrono_literals;

TEST(SheetOpener, DesktopExecArguments) {
    const struct {
        const char* exec;
        std::vector<std::string> args;
    } cases[] = {
        {"libreoffice --calc %U", {"libreoffice", "--calc", "/s/a b.xls"}},
        {"\"/opt/My Office/calc\" --view %f", {"/opt/My Office/calc", "--view", "/s/a b.xls"}},
        {"gnumeric", {"gnumeric", "/s/a b.xls"}},
        {"app %i %c 100%% %F", {"app", "100%", "/s/a b.xls"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DesktopExecArguments(c.exec, "/s/a b.xls"), c.args) << c.exec;
}

TEST(SheetOpener, OpenDeviceSheetNotes) {
    std::string note;
    EXPECT_TRUE(OpenDeviceSheet(
        "s.xls", [](const std::string&, std::string&) { return true; }, note));
    EXPECT_FALSE(OpenDeviceSheet(
        "s.xls",
        [](const std::string&, std::string& own) { return own = "Open excel fail!", false; },
        note));
    EXPECT_EQ(note, "Open excel fail!\nUnable to open excel file!");
    EXPECT_FALSE(OpenDeviceSheet(
        "s.xls", [](const std::string&, std::string&) { return false; }, note));
    EXPECT_EQ(note, "Unable to open excel file!");
}

// A launcher that hands the file to a running instance and exits at once: the wait lasts
// until the instance's lock file beside the sheet is gone.
TEST(SheetOpener, WaitsForTheLockFileOfARunningInstance) {
    TempFolder folder;
    const std::string bin = folder.Path() + "bin/", data = folder.Path() + "data/";
    const std::string sheet = folder.Path() + "sheet.xls";
    const auto script = [](const std::string& path, const std::string& body) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path) << "#!/bin/sh\n" << body;
        chmod(path.c_str(), 0755);
    };
    script(bin + "xdg-mime", "echo calc-test.desktop\n");
    script(bin + "calc-test", "lock=\"$(dirname \"$1\")/.~lock.$(basename \"$1\")#\"\n"
                              "touch \"$lock\"\n"
                              "(sleep 0.4; rm -f \"$lock\") &\n");
    std::filesystem::create_directories(data + "applications");
    std::ofstream(data + "applications/calc-test.desktop")
        << "[Desktop Entry]\nType=Application\nName=Calc\nExec=" << bin << "calc-test %U\n";

    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (bin.substr(0, bin.size() - 1) + ":" + oldPath).c_str(), 1);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    const auto start = std::chrono::steady_clock::now();
    std::string note;
    const bool opened = OpenWithDesktopApplication(sheet, note);
    const auto waited = std::chrono::steady_clock::now() - start;
    setenv("PATH", oldPath.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(opened) << note;
    EXPECT_GE(waited, 350ms);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + ".~lock.sheet.xls#"));

    // No application registered for the type.
    script(bin + "xdg-mime", "exit 0\n");
    setenv("PATH", (bin.substr(0, bin.size() - 1) + ":" + oldPath).c_str(), 1);
    EXPECT_FALSE(OpenWithDesktopApplication(sheet, note));
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_EQ(note, "Open excel fail!");
}

TEST(SheetOpener, LockFileWait) {
    TempFolder folder;
    const std::string lock = folder.Path() + ".~lock.s.xls#";
    // Absent and not appearing within the window: returns after the window.
    auto start = std::chrono::steady_clock::now();
    WaitForLockFileGone(lock, 100ms);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 90ms);
    // Created late and removed later still: the wait covers both.
    start = std::chrono::steady_clock::now();
    std::thread user([&] {
        std::this_thread::sleep_for(50ms);
        folder.Write(".~lock.s.xls#", "x");
        std::this_thread::sleep_for(300ms);
        std::filesystem::remove(lock);
    });
    WaitForLockFileGone(lock, 5s);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 340ms);
    EXPECT_FALSE(std::filesystem::exists(lock));
    user.join();
}
