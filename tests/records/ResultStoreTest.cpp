#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "StoreDevices.h"
#include "TempFolder.h"
#include "platform/ProgramDirectory.h"
#include "platform/SystemMessage.h"
#include "records/CADODatabase.h"
#include "records/CADORecordset.h"
#include "records/CSqlManagement.h"

using namespace lumicord;

namespace {

const std::string kMacA = "AA:BB:CC:00:00:01";
const std::string kMacB = "AA:BB:CC:00:00:12";
const std::string kMacC = "11:22:33:44:55:66";

class ResultStore : public testing::Test {
protected:
    // The texts of `field` in every row, read over a second connection to the store's file.
    std::vector<std::u16string> ColumnTexts(const char* field) {
        CADODatabase database;
        EXPECT_TRUE(database.Connect("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + m_path));
        CADORecordset rows(database);
        std::vector<std::u16string> texts;
        EXPECT_TRUE(rows.OpenQuery("select * from ap_info order by mac"));
        for (int i = 0; i < rows.CountRows(); ++i, rows.NextRow()) {
            std::u16string text;
            rows.ReadText(field, text);
            texts.push_back(text);
        }
        return texts;
    }

    TempFolder m_folder;
    std::string m_path = m_folder.File("data.mdb");
    CSqlManagement m_store{m_path};
};

TEST_F(ResultStore, EmptyStoreListsNothing) {
    std::list<ap_info_stu> rows;
    int count = 5;
    int success = 0;
    int failed = 0;
    EXPECT_TRUE(m_store.ListDevices(rows, count, success, failed, true, SortByMac, u""));
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(count, 0);
    EXPECT_EQ(success + failed, 0);
    EXPECT_EQ(m_store.GetDeviceResult(kMacA), ResultNotStarted);
}

TEST_F(ResultStore, SecondAddResetsStatusesAndKeepsOneRow) {
    ASSERT_TRUE(m_store.AddDevice(MakeDevice(kMacA, "Lab", "Lab-5G")));
    EXPECT_TRUE(m_store.SetParaStatus(kMacA, OperateSuccess));
    EXPECT_TRUE(m_store.SetLogoStatus(kMacA, OperateFail));
    EXPECT_TRUE(m_store.SetAntiTheftStatus(kMacA, LockcodeMismatch));
    EXPECT_EQ(m_store.GetDeviceResult(kMacA), ResultFailed);
    ASSERT_TRUE(m_store.AddDevice(MakeDevice(kMacA, "Renamed")));

    const auto rows = AllRows(m_store);
    ASSERT_EQ(rows.size(), 1u);
    const ap_info_stu& row = rows.front();
    EXPECT_STREQ(row.mac, kMacA.c_str()); // trimmed although the column is 18 wide
    EXPECT_STREQ(row.date, ("2026-12-11 09:30:00" + std::string(14, ' ')).c_str());
    EXPECT_EQ(row.para_status + row.logo_status + row.antitheft_status, 0);
    EXPECT_STREQ(row.ssid2, ("Renamed" + std::string(26, ' ')).c_str()); // padded to 33
    EXPECT_STREQ(row.ssid5, "");                                         // empty stays empty
    EXPECT_EQ(m_store.GetDeviceResult(kMacA), ResultNotStarted);
    EXPECT_EQ(ColumnTexts("ap_para_status_str"),
              std::vector<std::u16string>{u"Wait operate" + std::u16string(21, u' ')});
}

TEST_F(ResultStore, WritesForAnUnknownMacAddNothing) {
    ASSERT_TRUE(m_store.AddDevice(MakeDevice(kMacA)));
    const std::string unknown[] = {kMacB, "", "AA:BB:CC:00:00:0", kMacA + " ", "x' or '1'='1"};
    for (const std::string& mac : unknown) {
        EXPECT_FALSE(m_store.SetParaStatus(mac, OperateSuccess)) << mac;
        EXPECT_FALSE(m_store.SetLogoStatus(mac, OperateSuccess)) << mac;
        EXPECT_FALSE(m_store.SetAntiTheftStatus(mac, OperateSuccess)) << mac;
        EXPECT_FALSE(m_store.SetResult(mac, ResultSuccess)) << mac;
        EXPECT_EQ(m_store.GetDeviceResult(mac), ResultNotStarted) << mac;
    }
    const auto rows = AllRows(m_store);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().para_status, 0);
}

TEST(CombineStatuses, SuccessOfOneKindComesFirst) {
    const struct {
        int para, logo, antiTheft;
        DeviceResult result;
    } cases[] = {
        {2, 0, 0, ResultSuccess},    {0, 2, 0, ResultSuccess},    {2, 2, 0, ResultSuccess},
        {2, 3, 0, ResultFailed},     {3, 5, 2, ResultSuccess},    {1, 0, 0, ResultInProgress},
        {0, 0, 0, ResultNotStarted}, {9, 0, 0, ResultNotStarted}, {0, 0, 6, ResultFailed},
        {4, 5, 0, ResultFailed},     {0, 4, 0, ResultInProgress}, {1, 2, 0, ResultInProgress},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CombineStatuses(c.para, c.logo, c.antiTheft), c.result)
            << c.para << "," << c.logo << "," << c.antiTheft;
}

TEST_F(ResultStore, ListCountsSuccessesAndFailures) {
    for (const std::string& mac : {kMacA, kMacB, kMacC})
        ASSERT_TRUE(m_store.AddDevice(MakeDevice(mac)));
    m_store.SetParaStatus(kMacA, OperateSuccess);
    m_store.SetLogoStatus(kMacB, TransmitFail);
    std::list<ap_info_stu> rows;
    int count = 0;
    int success = 0;
    int failed = 0;
    ASSERT_TRUE(m_store.ListDevices(rows, count, success, failed, true, SortByMac, u""));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(success, 1);
    EXPECT_EQ(failed, 1);
}

TEST_F(ResultStore, SortsByMacAndByResultBothWays) {
    for (const std::string& mac : {kMacB, kMacC, kMacA})
        ASSERT_TRUE(m_store.AddDevice(MakeDevice(mac)));
    ASSERT_TRUE(m_store.SetResult(kMacA, ResultInProgress));
    ASSERT_TRUE(m_store.SetResult(kMacB, ResultFailed));
    ASSERT_TRUE(m_store.SetResult(kMacC, ResultNotStarted));
    const struct {
        bool ascending;
        int key;
        std::vector<std::string> macs;
    } cases[] = {
        {true, SortByMac, {kMacC, kMacA, kMacB}},
        {false, SortByMac, {kMacB, kMacA, kMacC}},
        {true, SortByResult, {kMacB, kMacA, kMacC}},
        {false, SortByResult, {kMacC, kMacA, kMacB}},
    };
    for (const auto& c : cases) {
        std::list<ap_info_stu> rows;
        int count = 0;
        int success = 0;
        int failed = 0;
        ASSERT_TRUE(m_store.ListDevices(rows, count, success, failed, c.ascending, c.key, u""));
        EXPECT_EQ(Macs(rows), c.macs) << c.ascending << " " << c.key;
    }
}

TEST_F(ResultStore, SetResultsWritesEveryDeviceWithARow) {
    for (const std::string& mac : {kMacB, kMacC, kMacA})
        ASSERT_TRUE(m_store.AddDevice(MakeDevice(mac)));
    EXPECT_EQ(m_store.SetResults({{kMacA, ResultInProgress},
                                  {"02:00:00:00:0F:0F", ResultSuccess},
                                  {kMacB, ResultFailed},
                                  {kMacC, ResultNotStarted}}),
              3);
    std::list<ap_info_stu> rows;
    int count = 0;
    int success = 0;
    int failed = 0;
    ASSERT_TRUE(m_store.ListDevices(rows, count, success, failed, true, SortByResult, u""));
    EXPECT_EQ(Macs(rows), (std::vector<std::string>{kMacB, kMacA, kMacC}));
    EXPECT_EQ(count, 3); // the MAC without a row got none
    // The transaction is over: a single write afterwards commits on its own.
    ASSERT_TRUE(m_store.SetResult(kMacC, ResultSuccess));
    rows.clear();
    ASSERT_TRUE(m_store.ListDevices(rows, count, success, failed, true, SortByResult, u""));
    EXPECT_EQ(Macs(rows), (std::vector<std::string>{kMacC, kMacB, kMacA}));
}

TEST_F(ResultStore, FilterIsASubstringOfTheMac) {
    for (const std::string& mac : {kMacA, kMacB, kMacC})
        ASSERT_TRUE(m_store.AddDevice(MakeDevice(mac)));
    const struct {
        std::u16string filter;
        std::vector<std::string> macs;
    } cases[] = {
        {u"00:0", {kMacA, kMacB}},
        {u"cc:00", {kMacA, kMacB}}, // as case-blind as the MAC comparison of the original engine
        {u"55:66", {kMacC}},
        {u"12", {kMacB}},
        {u"'", {}},
        {u"' or ''='", {}},
        {u"%", {}}, // wildcards in the filter match themselves
        {u"_", {}},
        {u"", {kMacC, kMacA, kMacB}},
    };
    for (const auto& c : cases) {
        std::list<ap_info_stu> rows;
        int count = 0;
        int success = 0;
        int failed = 0;
        EXPECT_TRUE(m_store.ListDevices(rows, count, success, failed, true, SortByMac, c.filter));
        EXPECT_EQ(Macs(rows), c.macs);
        EXPECT_EQ(count, static_cast<int>(c.macs.size()));
    }
}

TEST_F(ResultStore, ResetStatusesAndDeleteAll) {
    for (const std::string& mac : {kMacA, kMacB})
        ASSERT_TRUE(m_store.AddDevice(MakeDevice(mac)));
    m_store.SetParaStatus(kMacA, OperateSuccess);
    m_store.SetLogoStatus(kMacB, TransmitFinish);
    m_store.SetAntiTheftStatus(kMacB, LockcodeMismatch);
    m_store.SetResult(kMacA, ResultSuccess);
    EXPECT_EQ(ColumnTexts("result"), (std::vector<std::u16string>{u"0   ", u""}));
    EXPECT_EQ(ColumnTexts("ap_antitheft_status_str")[1],
              u"Lockcode mismatch" + std::u16string(16, u' '));

    ASSERT_TRUE(m_store.ResetStatuses());
    for (const auto& row : AllRows(m_store))
        EXPECT_EQ(row.para_status + row.logo_status + row.antitheft_status, 0) << row.mac;
    const std::vector<std::u16string> empty(2);
    for (const char* field :
         {"result", "ap_para_status_str", "ap_logo_status_str", "ap_antitheft_status_str"})
        EXPECT_EQ(ColumnTexts(field), empty) << field;

    ASSERT_TRUE(m_store.DeleteAll());
    EXPECT_TRUE(AllRows(m_store).empty());
    ASSERT_TRUE(m_store.AddDevice(MakeDevice(kMacA))); // usable again after emptying
    EXPECT_EQ(AllRows(m_store).size(), 1u);
}

TEST_F(ResultStore, WirelessValuesOfOneDeviceOrTheFirst) {
    ASSERT_TRUE(m_store.AddDevice(MakeDevice(kMacA, "Office", "Office-5G")));
    ASSERT_TRUE(m_store.AddDevice(MakeDevice(kMacB, "Lab")));
    ap_info_stu row;
    ASSERT_TRUE(m_store.GetDeviceWireless(row, u"AA:BB:CC:00:00:12"));
    EXPECT_STREQ(row.mac, kMacB.c_str());
    EXPECT_STREQ(row.ssid2, ("Lab" + std::string(30, ' ')).c_str());
    EXPECT_STREQ(row.date, "");
    ASSERT_TRUE(m_store.GetDeviceWireless(row, u""));
    EXPECT_STREQ(row.mac, kMacA.c_str());
    EXPECT_STREQ(row.ssid5, ("Office-5G" + std::string(24, ' ')).c_str());
    ASSERT_TRUE(m_store.GetDeviceWireless(row, u"00:00:00:00:00:00"));
    EXPECT_STREQ(row.mac, "");

    // Fields that fill their whole width without a NUL are read to their width and kept.
    ap_discover_stu full = MakeDevice(kMacC, std::string(40, 's'));
    std::memset(full.wpakey2, 'k', sizeof full.wpakey2);
    ASSERT_TRUE(m_store.AddDevice(full));
    ASSERT_TRUE(m_store.GetDeviceWireless(row, u"11:22:33:44:55:66"));
    EXPECT_EQ(std::string(row.ssid2), std::string(33, 's'));
    EXPECT_EQ(std::string(row.wpakey2), std::string(65, 'k'));
}

TEST(ResultStoreFile, IsRecreatedAtStartAndDeletedAtTheEnd) {
    TempFolder folder;
    const std::string path = folder.File("data.mdb");
    {
        std::FILE* junk = std::fopen(path.c_str(), "w");
        ASSERT_NE(junk, nullptr);
        std::fputs("not a database", junk);
        std::fclose(junk);
        CSqlManagement store(path);
        EXPECT_TRUE(store.AddDevice(MakeDevice(kMacA)));
        EXPECT_EQ(AllRows(store).size(), 1u);
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(ResultStoreFile, OpenFailureIsShownAndEveryOperationDoesNothing) {
    std::vector<std::string> messages;
    const SystemMessageHandler previous =
        SetSystemMessageHandler([&messages](const std::string& text) { messages.push_back(text); });
    TempFolder folder;
    CSqlManagement store(folder.File("missing/data.mdb"));
    SetSystemMessageHandler(previous);
    EXPECT_EQ(messages, std::vector<std::string>{"Failed to open database, unable to get data."});

    EXPECT_FALSE(store.AddDevice(MakeDevice(kMacA)));
    EXPECT_FALSE(store.SetParaStatus(kMacA, OperateSuccess));
    EXPECT_FALSE(store.SetResult(kMacA, ResultSuccess));
    EXPECT_EQ(store.GetDeviceResult(kMacA), ResultNotStarted);
    std::list<ap_info_stu> rows;
    int count = 7;
    int success = 0;
    int failed = 0;
    EXPECT_FALSE(store.ListDevices(rows, count, success, failed, true, SortByMac, u""));
    EXPECT_EQ(count + success + failed, 0);
    ap_info_stu row;
    EXPECT_FALSE(store.GetDeviceWireless(row, u""));
    EXPECT_FALSE(store.DeleteAll());
    EXPECT_FALSE(store.ResetStatuses());
}

// Other test programs in the same folder use the same file, so only the object is checked here.
TEST(ResultStoreInstance, LivesInTheProgramDirectoryUntilDestroyed) {
    CSqlManagement& store = CSqlManagement::Instance();
    EXPECT_EQ(&store, &CSqlManagement::Instance());
    EXPECT_EQ(store.DatabasePath(), ProgramDirectory() + "data.mdb");
    EXPECT_TRUE(store.AddDevice(MakeDevice(kMacA)));
    CSqlManagement::DestroyInstance();
    CSqlManagement::DestroyInstance();                        // a second call does nothing
    EXPECT_TRUE(AllRows(CSqlManagement::Instance()).empty()); // a new store starts empty
    CSqlManagement::DestroyInstance();
}

} // namespace
