#include <gtest/gtest.h>

#include <filesystem>

#include "ContentFiles.h"
#include "TempFolder.h"
#include "content/CJsonFile.h"
#include "content/JsonConfig.h"

using namespace lumicord;

namespace {

// A copy of the sample with `change` applied to its document.
template <typename Change>
std::string Variant(const TempFolder& folder, const std::string& name, Change change) {
    CJsonFile file;
    EXPECT_TRUE(file.Load(ContentData("two-radios.json")));
    change(file.Root());
    const std::string path = folder.Path() + name;
    EXPECT_TRUE(file.Save(path));
    return path;
}

Json::Value Loaded(const std::string& path) {
    CJsonFile file;
    EXPECT_TRUE(file.Load(path));
    return file.Root();
}

} // namespace

TEST(JsonSummary, ReadsEveryTable) {
    std::string error;
    config_value_stu s{};
    ASSERT_TRUE(ReadJsonSummary(error, s, ContentData("two-radios.json")));
    EXPECT_EQ(FieldText(s.loid), "loid-1");
    EXPECT_EQ(FieldText(s.loidPassword), "lpw-1");
    EXPECT_EQ(FieldText(s.ploamPassword), "ploam1");
    EXPECT_EQ(FieldText(s.loginPassword), "admin1");
    EXPECT_EQ(FieldText(s.ssid24g), "Lab-24");
    EXPECT_EQ(FieldText(s.wlanPsk24g), "two-key-01");
    EXPECT_EQ(FieldText(s.ssid5g), "Lab-5G");
    EXPECT_EQ(FieldText(s.wlanPsk5g), "five-key-01");
    EXPECT_EQ(s.has5g, 1);
    ASSERT_EQ(s.wanCount, 3);
    EXPECT_EQ(FieldText(s.wanName[2]), "3_VOIP_R_VID_300");
    EXPECT_EQ(FieldText(s.vid[0]), "100");
    EXPECT_EQ(FieldText(s.vid[1]), ""); // no ulVlanIdMark member
    EXPECT_EQ(FieldText(s.channelMode[0]), "2");
    EXPECT_EQ(FieldText(s.channelMode[1]), ""); // addressing type 1
    EXPECT_EQ(FieldText(s.pppUser[2]), "voip");
    EXPECT_EQ(FieldText(s.pppPassword[2]), "voip-pw");
}

TEST(JsonSummary, MissingWanTableFourSsidsAndBadFiles) {
    TempFolder folder;
    std::string error;
    config_value_stu s{};
    const std::string noWan = Variant(folder, "nowan.json", [](Json::Value& root) {
        root.removeMember("WAN_CONNECTION_ATTR_TAB");
    });
    ASSERT_TRUE(ReadJsonSummary(error, s, noWan));
    EXPECT_EQ(s.wanCount, 0);
    const std::string four = Variant(
        folder, "four.json", [](Json::Value& root) { root["WLAN_SSID_ATTR_CFG_TAB"].resize(4); });
    ASSERT_TRUE(ReadJsonSummary(error, s, four));
    EXPECT_EQ(s.has5g, 0);
    EXPECT_EQ(FieldText(s.ssid5g), "");

    for (const std::string& bad :
         {folder.Write("empty.json", ""), folder.Write("broken.json", "{\"a\": [1, 2"),
          folder.Path() + "missing.json"}) {
        EXPECT_FALSE(ReadJsonSummary(error, s, bad));
        EXPECT_EQ(error, "Failed to load the JSON file.");
    }
}

// Each required table missing gives its own message, from the summary and from the rewrite,
// and the rewrite leaves the file as it was.
TEST(JsonConfig, MissingKeyMessages) {
    TempFolder folder;
    for (const char* key : {"REMOTEMGT_LOID_REG_ATTR_TAB", "REMOTEMGT_PASSWORD_REG_ATTR_TAB",
                            "SYSMNG_ACCOUNT_ATTR_TAB", "WLAN_SSID_ATTR_CFG_TAB"}) {
        const std::string path =
            Variant(folder, "missing.json", [&](Json::Value& root) { root.removeMember(key); });
        const std::string before = ReadBytes(path);
        const std::string expected = std::string("The key ") + key + " does not exist.";
        std::string error;
        config_value_stu s{};
        EXPECT_FALSE(ReadJsonSummary(error, s, path));
        EXPECT_EQ(error, expected);
        error.clear();
        EXPECT_FALSE(RewriteJson(error, FilledRow(3), SheetColumns{}, path));
        EXPECT_EQ(error, expected);
        EXPECT_EQ(ReadBytes(path), before);
    }
    std::string error;
    config_value_stu s{};
    EXPECT_FALSE(ReadJsonSummary(error, s, folder.Write("array.json", "[1, 2]")));
    EXPECT_EQ(error, "The key REMOTEMGT_LOID_REG_ATTR_TAB does not exist.");
}

TEST(JsonRewrite, AssignsRowValuesKeepsCommentsAndLeavesFieldsWithoutColumns) {
    TempFolder folder;
    std::string error;
    config_value_stu summary{};
    ASSERT_TRUE(ReadJsonSummary(error, summary, ContentData("two-radios.json")));
    const std::string path = folder.Path() + "dev.json";
    std::filesystem::copy_file(ContentData("two-radios.json"), path);
    config_value_stu row = FilledRow(2);
    SetField(row.vid[0], "12abc");
    ASSERT_TRUE(RewriteJson(error, row, ColumnsOfRow(summary, true, row), path));

    const std::string text = ReadBytes(path);
    EXPECT_NE(text.find("// Lab gateway configuration"), std::string::npos);
    EXPECT_NE(text.find("// the super user"), std::string::npos);
    const Json::Value root = Loaded(path);
    EXPECT_EQ(root["REMOTEMGT_LOID_REG_ATTR_TAB"][0]["aucLoidName"], "L9");
    EXPECT_EQ(root["REMOTEMGT_LOID_REG_ATTR_TAB"][0]["aucLoidPasswd"], "LP9");
    EXPECT_EQ(root["REMOTEMGT_PASSWORD_REG_ATTR_TAB"][0]["aucPasswd"], "P9");
    EXPECT_EQ(root["SYSMNG_ACCOUNT_ATTR_TAB"][0]["aucUserAccountPassword"], "G9");
    EXPECT_EQ(root["SYSMNG_ACCOUNT_ATTR_TAB"][0]["aucUserAccountName"], "admin");
    const Json::Value& ssids = root["WLAN_SSID_ATTR_CFG_TAB"];
    EXPECT_EQ(ssids[0]["aucSSIDName"], "S24");
    EXPECT_EQ(ssids[0]["aucPreSharedKey"], "K24-1234");
    EXPECT_EQ(ssids[8]["aucSSIDName"], "S5");
    EXPECT_EQ(ssids[8]["aucPreSharedKey"], "K5-12345");
    EXPECT_EQ(ssids[1]["aucSSIDName"], "Lab-24-b");
    const Json::Value& wan = root["WAN_CONNECTION_ATTR_TAB"];
    EXPECT_EQ(wan[0]["ulVlanIdMark"], 12); // an integer, read the C way
    EXPECT_EQ(wan[0]["aucUsername"], "u1");
    EXPECT_EQ(wan[0]["aucPassword"], "p1");
    EXPECT_EQ(wan[0]["ucAddressingType"], 3);
    EXPECT_FALSE(wan[1].isMember("ulVlanIdMark")); // never given one
    EXPECT_EQ(wan[1]["aucUsername"], "");          // not PPPoE: no column, source value
    // The third entry is beyond the row's two groups: untouched.
    EXPECT_EQ(wan[2]["aucWanName"], "3_VOIP_R_VID_300");
    EXPECT_EQ(wan[2]["ulVlanIdMark"], 300);
    EXPECT_EQ(wan[2]["aucUsername"], "voip");

    // Without wireless columns the SSIDs and keys keep the source's values.
    std::filesystem::copy_file(ContentData("two-radios.json"), path,
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(RewriteJson(error, row, ColumnsOfRow(summary, false, row), path));
    const Json::Value kept = Loaded(path);
    EXPECT_EQ(kept["WLAN_SSID_ATTR_CFG_TAB"][0]["aucSSIDName"], "Lab-24");
    EXPECT_EQ(kept["WLAN_SSID_ATTR_CFG_TAB"][8]["aucPreSharedKey"], "five-key-01");
}

TEST(JsonRewrite, FourSsidsAndMissingWanTableStayAsTheyAre) {
    TempFolder folder;
    const std::string path = Variant(folder, "v.json", [](Json::Value& root) {
        root["WLAN_SSID_ATTR_CFG_TAB"].resize(4);
        root.removeMember("WAN_CONNECTION_ATTR_TAB");
    });
    std::string error;
    config_value_stu summary{};
    ASSERT_TRUE(ReadJsonSummary(error, summary, path));
    const config_value_stu row = FilledRow(0);
    ASSERT_TRUE(RewriteJson(error, row, ColumnsOfRow(summary, true, row), path));
    const Json::Value root = Loaded(path);
    EXPECT_EQ(root["WLAN_SSID_ATTR_CFG_TAB"].size(), 4u);
    EXPECT_EQ(root["WLAN_SSID_ATTR_CFG_TAB"][0]["aucSSIDName"], "S24");
    EXPECT_FALSE(root.isMember("WAN_CONNECTION_ATTR_TAB"));
}

TEST(JsonDeviceFile, CopiesWithoutASheetAndKeepsTheCopyOnFailure) {
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() + "ModifyJson");
    DeviceContent content;
    content.sourcePath = ContentData("two-radios.json");
    std::string note;
    ASSERT_TRUE(MakeDeviceJson(content, FilledRow(1), "02:00:00:00:00:01",
                               folder.Path() + "ModifyJson/", note));
    EXPECT_EQ(content.deviceConfigPath, folder.Path() + "ModifyJson/020000000001.json");
    EXPECT_EQ(ReadBytes(content.deviceConfigPath), ReadBytes(content.sourcePath));

    content.sheetPath = "sheet.xls";
    content.sourcePath = Variant(folder, "nosys.json", [](Json::Value& root) {
        root.removeMember("SYSMNG_ACCOUNT_ATTR_TAB");
    });
    EXPECT_FALSE(MakeDeviceJson(content, FilledRow(1), "02:00:00:00:00:02",
                                folder.Path() + "ModifyJson/", note));
    EXPECT_EQ(note, "The key SYSMNG_ACCOUNT_ATTR_TAB does not exist.");
    EXPECT_EQ(ReadBytes(content.deviceConfigPath), ReadBytes(content.sourcePath));
}
