#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "ContentFiles.h"
#include "TempFolder.h"
#include "content/DeviceSheet.h"
#include "content/XlsBook.h"
#include "records/CSqlManagement.h"
#include "records/StoreDevices.h"

using namespace lumicord;

namespace {

constexpr LocalTime kNow{2026, 12, 11, 9, 30, 5, 0};
const std::string kMac1 = "02:00:00:00:00:01", kMac2 = "02:00:00:00:00:02";

// A program directory with the template and the sheet folder, and a store with two devices.
class DeviceSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_folder.Path() + "ModifyExcel");
        std::filesystem::create_directories(m_folder.Path() + "ExcelTemplate");
        XlsBook templateBook;
        templateBook.AddSheet(u"Sheet1");
        ASSERT_TRUE(templateBook.Save(m_folder.Path() + "ExcelTemplate/Template.xls"));
        m_content.macs = {kMac1, kMac2};
        config_value_stu& s = m_content.summary;
        s.wanCount = 2;
        SetField(s.wanName[0], "1_INTERNET_R_VID_100");
        SetField(s.vid[0], "100");
        SetField(s.channelMode[0], "2");
        SetField(s.pppUser[0], "user-a");
        SetField(s.pppPassword[0], "pass-a");
        SetField(s.wanName[1], "2_TR069_R_VID_");
        SetField(s.vid[1], "0");
        SetField(s.channelMode[1], "1");
        SetField(s.loid, "loid-1");
        SetField(s.loidPassword, "lpw-1");
        SetField(s.ploamPassword, "ploam1");
        SetField(s.loginPassword, "admin1");
        s.has5g = 1;
    }

    void AddDevice(const std::string& mac, const std::string& ssid2, const std::string& ssid5) {
        ap_discover_stu device = MakeDevice(mac, ssid2, ssid5);
        std::strcpy(device.wpakey2, ("key2-" + mac.substr(15)).c_str());
        std::strcpy(device.wpakey5, ("key5-" + mac.substr(15)).c_str());
        ASSERT_TRUE(m_store.AddDevice(device));
    }

    std::vector<std::u16string> SheetRow(std::uint32_t row) {
        XlsBook book;
        EXPECT_TRUE(book.Load(m_content.sheetPath));
        std::vector<std::u16string> cells;
        for (std::uint32_t c = 0; c < 20; ++c)
            if (auto text = book.GetSheet(0)->ReadStr(row, c))
                cells.push_back(*text);
        return cells;
    }

    // Changes cells of the generated sheet as the user would.
    void
    EditSheet(const std::vector<std::tuple<std::uint32_t, std::uint32_t, std::u16string>>& edits) {
        XlsBook book;
        ASSERT_TRUE(book.Load(m_content.sheetPath));
        for (const auto& [row, column, text] : edits)
            book.GetSheet(0)->WriteStr(row, column, text);
        ASSERT_TRUE(book.Save(m_content.sheetPath));
    }

    TempFolder m_folder;
    CSqlManagement m_store{m_folder.Path() + "data.mdb"};
    DeviceContent m_content;
    std::string m_note;
};

} // namespace

TEST_F(DeviceSheetTest, LayoutWithWirelessColumnsAndReadBack) {
    AddDevice(kMac1, "Lab-24", "Lab-5G");
    AddDevice(kMac2, "Shop-24", "");
    ASSERT_TRUE(WriteDeviceSheet(m_content, m_store, m_folder.Path(), kNow, m_note));
    EXPECT_EQ(m_content.sheetPath,
              m_folder.Path() + "ModifyExcel/ExcelFiels2026-12-11-09-30-05.xls");
    EXPECT_TRUE(m_content.wirelessColumns);
    const std::vector<std::u16string> header = {u"mac(*This column cannot be modified*)",
                                                u"WanName1(*This column cannot be modified*)",
                                                u"vid1",
                                                u"pppUser1",
                                                u"pppPassword1",
                                                u"WanName2(*This column cannot be modified*)",
                                                u"ssid_5g",
                                                u"wlanPsk_5g",
                                                u"ssid_2.4g",
                                                u"wlanPsk_2.4g",
                                                u"loid",
                                                u"loidPassword",
                                                u"ploamPassword",
                                                u"loginPassword"};
    EXPECT_EQ(SheetRow(0), header);
    const std::vector<std::u16string> first = {u"02:00:00:00:00:01",
                                               u"1_INTERNET_R_VID_100",
                                               u"100",
                                               u"user-a",
                                               u"pass-a",
                                               u"2_TR069_R_VID_",
                                               u"Lab-5G",
                                               u"key5-01",
                                               u"Lab-24",
                                               u"key2-01",
                                               u"loid-1",
                                               u"lpw-1",
                                               u"ploam1",
                                               u"admin1"};
    EXPECT_EQ(SheetRow(1), first);

    EditSheet({{2, 2, u"200"}, {2, 3, u"\u00FCser"}, {2, 8, u"Edited"}});
    ASSERT_TRUE(ReadDeviceSheet(m_content));
    ASSERT_EQ(m_content.rows.size(), 2u);
    const config_value_stu& row = m_content.rows[1];
    EXPECT_EQ(row.wanCount, 2);
    EXPECT_EQ(FieldText(row.mac), kMac2);
    EXPECT_EQ(FieldText(row.wanName[1]), "2_TR069_R_VID_");
    EXPECT_EQ(FieldText(row.vid[0]), "200");
    EXPECT_EQ(FieldText(row.pppUser[0]), "\xC3\xBCser");
    EXPECT_EQ(FieldText(row.vid[1]), ""); // no column, not read
    EXPECT_EQ(FieldText(row.ssid5g), ""); // the device reported none
    EXPECT_EQ(FieldText(row.ssid24g), "Edited");
    EXPECT_EQ(FieldText(row.wlanPsk24g), "key2-02");
    EXPECT_EQ(FieldText(row.loginPassword), "admin1");
    EXPECT_TRUE(SheetHasWirelessColumns(m_content.sheetPath));
}

TEST_F(DeviceSheetTest, FirstDeviceWithoutSsidsTurnsTheWirelessColumnsOff) {
    AddDevice(kMac1, "", "");
    AddDevice(kMac2, "Shop-24", "Shop-5G");
    m_content.summary.wanCount = 0;
    ASSERT_TRUE(WriteDeviceSheet(m_content, m_store, m_folder.Path(), kNow, m_note));
    EXPECT_FALSE(m_content.wirelessColumns);
    EXPECT_EQ(SheetRow(0),
              (std::vector<std::u16string>{u"mac(*This column cannot be modified*)", u"loid",
                                           u"loidPassword", u"ploamPassword", u"loginPassword"}));
    EXPECT_FALSE(SheetHasWirelessColumns(m_content.sheetPath));
}

TEST_F(DeviceSheetTest, HeaderScan) {
    AddDevice(kMac1, "Lab-24", "");
    m_content.summary.wanCount = 10;
    for (int e = 0; e < 10; ++e) {
        SetField(m_content.summary.wanName[e], "w" + std::to_string(e));
        SetField(m_content.summary.vid[e], std::to_string(100 + e));
    }
    ASSERT_TRUE(WriteDeviceSheet(m_content, m_store, m_folder.Path(), kNow, m_note));
    m_content.macs.push_back("02:00:00:00:00:03"); // a device without a row in the sheet
    ASSERT_TRUE(ReadDeviceSheet(m_content));
    ASSERT_EQ(m_content.rows.size(), 3u);
    EXPECT_EQ(m_content.rows[0].wanCount, 10);
    EXPECT_EQ(FieldText(m_content.rows[0].vid[9]), "109");
    EXPECT_EQ(FieldText(m_content.rows[1].loid), "loid-1");
    EXPECT_EQ(FieldText(m_content.rows[2].mac), ""); // read as empty cells
    EXPECT_EQ(FieldText(m_content.rows[2].loid), "");

    // Without the vid1 header no group matches: the columns after mac are taken for the
    // wireless and access fields.
    EditSheet({{0, 2, u""}});
    ASSERT_TRUE(ReadDeviceSheet(m_content));
    EXPECT_EQ(m_content.rows[0].wanCount, 0);
    EXPECT_EQ(FieldText(m_content.rows[0].ssid5g), "w0");

    EditSheet({{0, 0, u"device"}});
    EXPECT_FALSE(ReadDeviceSheet(m_content));
    m_content.sheetPath = m_folder.Path() + "missing.xls";
    EXPECT_FALSE(ReadDeviceSheet(m_content));
}

TEST_F(DeviceSheetTest, MissingTemplate) {
    std::filesystem::remove(m_folder.Path() + "ExcelTemplate/Template.xls");
    EXPECT_FALSE(WriteDeviceSheet(m_content, m_store, m_folder.Path(), kNow, m_note));
    EXPECT_EQ(m_note, "Failed to load the excel file!");
    EXPECT_FALSE(m_content.sheetPath.empty());
}

TEST(RowsForDevices, MatchedByMacOnlyWhenTheMacColumnHoldsExactlyTheDevices) {
    const auto row = [](const char* mac, const char* loid) {
        config_value_stu r{};
        SetField(r.mac, mac);
        SetField(r.loid, loid);
        return r;
    };
    const std::vector<std::string> macs = {"02:00:00:00:00:01", "02:00:00:00:00:02",
                                           "02:00:00:00:00:03"};
    const struct {
        const char* what;
        std::vector<config_value_stu> rows;
        std::vector<std::string> loids; // per device
    } cases[] = {
        {"sorted by the user",
         {row("02:00:00:00:00:03", "c"), row(" 02:00:00:00:00:01", "a"),
          row("02:00:00:00:00:02", "b")},
         {"a", "b", "c"}},
        {"two swapped",
         {row("02:00:00:00:00:02", "b"), row("02:00:00:00:00:01", "a"),
          row("02:00:00:00:00:03", "c")},
         {"a", "b", "c"}},
        {"a MAC twice",
         {row("02:00:00:00:00:03", "x"), row("02:00:00:00:00:03", "y"),
          row("02:00:00:00:00:01", "z")},
         {"x", "y", "z"}},
        {"an edited MAC",
         {row("02:00:00:00:00:03", "x"), row("02:00:00:00:00:09", "y"),
          row("02:00:00:00:00:01", "z")},
         {"x", "y", "z"}},
        {"fewer rows", {row("02:00:00:00:00:02", "x")}, {"x", "", ""}},
    };
    for (const auto& c : cases) {
        const std::vector<config_value_stu> out = RowsForDevices(c.rows, macs);
        ASSERT_EQ(out.size(), macs.size()) << c.what;
        for (std::size_t i = 0; i < macs.size(); ++i)
            EXPECT_EQ(FieldText(out[i].loid), c.loids[i]) << c.what << " device " << i;
    }
}
