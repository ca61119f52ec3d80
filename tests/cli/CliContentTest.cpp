// lumicord-cli sheet and configs as a process, on the program directory the build lays out.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "ShellRun.h"
#include "TempFolder.h"
#include "content/XlsBook.h"
#include "content/XmlConfig.h"

using namespace lumicord;

namespace {

// Each run holds a single-instance lock of its own, so tests running side by side do not
// refuse each other; neither command relies on what the store holds.
ShellRun RunTool(const std::string& args) {
    static const TempFolder lockFolder;
    const std::string command =
        "XDG_RUNTIME_DIR=" + lockFolder.Path() + " " + std::string(LUMICORD_CLI_PATH) + " " + args;
    return RunShell(command);
}

std::string Source(const char* name) {
    return std::string(LUMICORD_CONTENT_DATA) + "/" + name;
}

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

const std::string kMacs = "02:00:00:00:00:01 02:00:00:00:00:02";

} // namespace

// The user sorts the sheet and edits one device's LOID: each device's file carries its own row.
TEST(CliContent, SheetThenConfigsFollowTheRowsByMac) {
    TempFolder folder;
    const std::string sheet = folder.Path() + "devices.xls";
    ShellRun run =
        RunTool("sheet --config " + Source("one-radio.xml") + " --out " + sheet + " " + kMacs);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("wrote " + sheet), std::string::npos);

    XlsBook book;
    ASSERT_TRUE(book.Load(sheet));
    XlsSheet& cells = *book.GetSheet(0);
    ASSERT_EQ(cells.ReadStr(0, 2), u"loid"); // mac, WanName1, loid, ...
    cells.WriteStr(1, 0, u"02:00:00:00:00:02");
    cells.WriteStr(2, 0, u"02:00:00:00:00:01");
    cells.WriteStr(1, 2, u"loid-of-2");
    ASSERT_TRUE(book.Save(sheet));

    std::filesystem::create_directories(folder.Path() + "out");
    run = RunTool("configs --config " + Source("one-radio.xml") + " --sheet " + sheet + " --out " +
                  folder.Path() + "out " + kMacs);
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string first = Read(folder.Path() + "out/020000000001.xml");
    const std::string second = Read(folder.Path() + "out/020000000002.xml");
    EXPECT_NE(second.find("<Value Name=\"LOID\" Value=\"loid-of-2\"/>\r\n"), std::string::npos);
    // The summary takes the LOID from LOID_OLD, which this source lacks: an empty cell.
    EXPECT_NE(first.find("<Value Name=\"LOID\" Value=\"\"/>\r\n"), std::string::npos);
    EXPECT_NE(run.output.find(folder.Path() + "out/020000000002.xml"), std::string::npos);
    // No wireless columns: the SSID lines are the source's.
    EXPECT_NE(first.find("<Value Name=\"ssid\" Value=\"Shop\"/>"), std::string::npos);
}

TEST(CliContent, InvalidFieldWritesNothingAndNoSheetGivesCopies) {
    TempFolder folder;
    const std::string sheet = folder.Path() + "devices.xls";
    ASSERT_EQ(
        RunTool("sheet --config " + Source("two-radios.json") + " --out " + sheet + " " + kMacs)
            .status,
        0);
    XlsBook book;
    ASSERT_TRUE(book.Load(sheet));
    ASSERT_EQ(book.GetSheet(0)->ReadStr(0, 2), u"vid1");
    book.GetSheet(0)->WriteStr(2, 2, u"5000");
    ASSERT_TRUE(book.Save(sheet));

    std::filesystem::create_directories(folder.Path() + "out");
    ShellRun run = RunTool("configs --config " + Source("two-radios.json") + " --sheet " + sheet +
                           " --out " + folder.Path() + "out " + kMacs);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "The MAC:02:00:00:00:00:02 vid1 value:5000 is invalid. Please check "
                          "that the following rules are met:VLAN ID must be an integer ranging "
                          "from 1 to 4094!\n");
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path() + "out"));

    run = RunTool("configs --config " + Source("two-radios.json") + " --out " + folder.Path() +
                  "out " + kMacs);
    ASSERT_EQ(run.status, 0) << run.output;
    for (const char* name : {"out/020000000001.json", "out/020000000002.json"})
        EXPECT_EQ(Read(folder.Path() + name), Read(Source("two-radios.json")));
}
