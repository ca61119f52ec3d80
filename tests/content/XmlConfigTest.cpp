#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "ContentFiles.h"
#include "TempFolder.h"
#include "content/XmlConfig.h"

using namespace lumicord;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The rewrite of `source` for `row`, checked to end every line in CR LF, as LF lines.
std::vector<std::string> Rewrite(const std::string& source, const config_value_stu& row,
                                 bool wireless) {
    config_value_stu summary{};
    EXPECT_TRUE(ReadXmlSummary(summary, source));
    TempFolder folder;
    const std::string out = folder.Path() + "out.xml";
    EXPECT_TRUE(
        RewriteXml(row, summary.has5g != 0, ColumnsOfRow(summary, wireless, row), source, out));
    std::vector<std::string> lines = Lines(ReadBytes(out));
    for (std::string& line : lines) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << line;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
    }
    return lines;
}

} // namespace

TEST(XmlSummary, ReadsAccessSettingsWanTableAndRadios) {
    config_value_stu s{};
    ASSERT_TRUE(ReadXmlSummary(s, ContentData("two-radios.xml")));
    EXPECT_EQ(FieldText(s.loid), "loid-old"); // LOID_OLD, not LOID
    EXPECT_EQ(FieldText(s.loidPassword), "lpw-old");
    EXPECT_EQ(FieldText(s.ploamPassword), "ploam01");
    EXPECT_EQ(FieldText(s.loginPassword), "Admin&42"); // entity decoded
    EXPECT_EQ(s.has5g, 1);
    ASSERT_EQ(s.wanCount, 3);
    const char* names[] = {"1_INTERNET_R_VID_100", "2_TR069_R_VID_", "3_VOIP_R_VID_300"};
    const char* vids[] = {"100", "0", "300"};
    const char* users[] = {"user-a", "", "voip<x>"};
    const char* passwords[] = {"pass-a", "", "v&p"};
    const char* modes[] = {"2", "1", "2"};
    for (int e = 0; e < 3; ++e) {
        EXPECT_EQ(FieldText(s.wanName[e]), names[e]);
        EXPECT_EQ(FieldText(s.vid[e]), vids[e]);
        EXPECT_EQ(FieldText(s.pppUser[e]), users[e]);
        EXPECT_EQ(FieldText(s.pppPassword[e]), passwords[e]);
        EXPECT_EQ(FieldText(s.channelMode[e]), modes[e]);
    }
    EXPECT_EQ(FieldText(s.ssid24g), ""); // not taken from an XML file

    ASSERT_TRUE(ReadXmlSummary(s, ContentData("one-radio.xml")));
    EXPECT_EQ(s.has5g, 0);
    EXPECT_EQ(s.wanCount, 1);
    EXPECT_FALSE(ReadXmlSummary(s, ContentData("missing.xml")));
}

TEST(XmlSummary, StoresTenWanEntriesAndCutsLongValues) {
    TempFolder folder;
    std::string text = "<Value Name=\"SUSER_PASSWORD\" Value=\"" + std::string(100, 'x') + "\"/>\n";
    for (int e = 0; e < 12; ++e)
        text += "<E t=\"ATM_VC_TBL\">\n<Value Name=\"WanName\" Value=\"w" + std::to_string(e) +
                "\"/>\n<Value Name=\"ChannelMode\" Value=\"2\"/>\n";
    config_value_stu s{};
    ASSERT_TRUE(ReadXmlSummary(s, folder.Write("many.xml", text)));
    EXPECT_EQ(s.wanCount, 10);
    EXPECT_EQ(FieldText(s.wanName[9]), "w9");
    EXPECT_EQ(FieldText(s.loginPassword), std::string(31, 'x'));
}

TEST(XmlRewrite, TwoRadios) {
    const std::vector<std::string> out = Rewrite(ContentData("two-radios.xml"), FilledRow(2), true);
    const std::vector<std::string> source = Lines(ReadBytes(ContentData("two-radios.xml")));
    ASSERT_EQ(out.size(), source.size());
    // Expected output by source line number (1-based); every other line is copied unchanged.
    const std::vector<std::pair<int, std::string>> replaced = {
        {5, R"(  <Value Name="SUSER_PASSWORD" Value="G9"/>)"},
        {6, R"(  <Value Name="LOID" Value="L9"/>)"}, // indentation and comment dropped
        {7, R"(  <Value Name="LOID_PASSWD" Value="LP9"/>)"},
        {8, R"(  <Value Name="LOID_OLD" Value="L9"/>)"},
        {9, R"(  <Value Name="LOID_PASSWD_OLD" Value="LP9"/>)"},
        {10, R"(  <Value Name="GPON_PLOAM_PASSWD" Value="P9"/>)"},
        {13, R"(  <Value Name="SSID" Value="S5"/>)"}, // the first SSID only: line 19 stays
        {14, R"(  <Value Name="WLAN_WPA_PSK" Value="K5-12345"/>)"},
        {15, R"(  <Value Name="WSC_PSK" Value="K5-12345"/>)"},
        {16, R"(  <Value Name="WLAN1_SSID" Value="S24"/>)"},
        {17, R"(  <Value Name="WLAN1_WPA_PSK" Value="K24-1234"/>)"},
        {18, R"(  <Value Name="WLAN1_WSC_PSK" Value="K24-1234"/>)"},
        {23, R"(  <Value Name="ssid" Value="S5"/>)"},
        {24, R"(  <Value Name="wscPsk" Value="K5-12345"/>)"},
        {25, R"(  <Value Name="wpaPSK" Value="K5-12345"/>)"},
        {34, R"(  <Value Name="ssid" Value="S24"/>)"},
        {35, R"(  <Value Name="wscPsk" Value="K24-1234"/>)"},
        {36, R"(  <Value Name="wpaPSK" Value="K24-1234"/>)"},
        {46, R"(  <Value Name="vid" Value="101"/>)"},
        {47, R"(  <Value Name="pppUser" Value="u1"/>)"},
        {48, R"(  <Value Name="pppPasswd" Value="p1"/>)"},
        // The second entry has neither a vid nor PPPoE columns: its lines stay. The third
        // entry lies beyond the row's two groups and stays as a whole.
    };
    std::vector<std::string> expected = source;
    for (const auto& [number, line] : replaced)
        expected[static_cast<std::size_t>(number - 1)] = line;
    EXPECT_EQ(out, expected);
}

TEST(XmlRewrite, OneRadioCounters) {
    const std::vector<std::string> out = Rewrite(ContentData("one-radio.xml"), FilledRow(1), true);
    std::vector<std::string> expected = Lines(ReadBytes(ContentData("one-radio.xml")));
    ASSERT_EQ(out.size(), expected.size());
    expected[3] = R"(  <Value Name="SUSER_PASSWORD" Value="G9"/>)";
    expected[4] = R"(  <Value Name="LOID" Value="L9"/>)";
    expected[5] = R"(  <Value Name="LOID_PASSWD" Value="LP9"/>)";
    expected[6] = R"(  <Value Name="GPON_PLOAM_PASSWD" Value="P9"/>)";
    expected[9] = R"(  <Value Name="WLAN_WPA_PSK" Value="K24-1234"/>)"; // the first key only
    expected[14] = R"(  <Value Name="ssid" Value="S24"/>)";
    expected[15] = R"(  <Value Name="wscPsk" Value="K24-1234"/>)";
    expected[16] = R"(  <Value Name="wpaPSK" Value="K24-1234"/>)";
    EXPECT_EQ(out, expected); // the guest entry and the vid of a VLAN-less WAN stay
}

// Without wireless columns every SSID and key keeps the source's value.
TEST(XmlRewrite, FieldsWithoutColumnsKeepTheSourceValue) {
    const std::vector<std::string> source = Lines(ReadBytes(ContentData("two-radios.xml")));
    const std::vector<std::string> out =
        Rewrite(ContentData("two-radios.xml"), FilledRow(2), false);
    ASSERT_EQ(out.size(), source.size());
    for (const int number : {13, 14, 15, 16, 17, 18, 23, 24, 25, 34, 35, 36})
        EXPECT_EQ(out[static_cast<std::size_t>(number - 1)],
                  source[static_cast<std::size_t>(number - 1)]);
    EXPECT_EQ(out[4], R"(  <Value Name="SUSER_PASSWORD" Value="G9"/>)");
}

TEST(XmlRewrite, ValuesAreEscapedAndUnchangedValuesGoBackAsTheyCame) {
    config_value_stu summary{};
    ASSERT_TRUE(ReadXmlSummary(summary, ContentData("two-radios.xml")));
    config_value_stu row = summary; // what the sheet holds when nobody edits it
    row.wanCount = 3;
    SetField(row.pppUser[0], "a&b<c>\"d");
    const std::vector<std::string> out = Rewrite(ContentData("two-radios.xml"), row, false);
    const std::vector<std::string> source = Lines(ReadBytes(ContentData("two-radios.xml")));
    EXPECT_EQ(out[46], R"(  <Value Name="pppUser" Value="a&amp;b&lt;c&gt;&quot;d"/>)");
    EXPECT_EQ(out[4], source[4]); // Admin&amp;42
    EXPECT_EQ(out[60], R"(  <Value Name="pppUser" Value="voip&lt;x&gt;"/>)");
    EXPECT_EQ(out[61], R"(  <Value Name="pppPasswd" Value="v&amp;p"/>)"); // v&#38;p, same value
}

TEST(XmlRewrite, CrLfSourceReadsLikeLfAndOutputEndsInCrLf) {
    TempFolder folder;
    const std::string lf = "<a>\n<Value Name=\"LOID\" Value=\"x\"/>\n<b>";
    const std::string crlf = "<a>\r\n<Value Name=\"LOID\" Value=\"x\"/>\r\n<b>";
    const std::string expected = "<a>\r\n  <Value Name=\"LOID\" Value=\"L9\"/>\r\n<b>\r\n";
    for (const std::string& text : {lf, crlf}) {
        const std::string source = folder.Write("s.xml", text);
        ASSERT_TRUE(RewriteXml(FilledRow(0), false, SheetColumns{}, source, folder.Path() + "o"));
        EXPECT_EQ(ReadBytes(folder.Path() + "o"), expected);
    }
}

TEST(XmlDeviceFile, IdenticalCopiesWithoutASheetAndAFailureNote) {
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() + "ModifyXml");
    DeviceContent content;
    content.sourcePath = ContentData("two-radios.xml");
    std::string note;
    for (const std::string mac : {"02:00:00:00:00:01", "0A:BC:00:00:00:02"}) {
        ASSERT_TRUE(
            MakeDeviceXml(content, config_value_stu{}, mac, folder.Path() + "ModifyXml/", note));
        EXPECT_EQ(content.deviceConfigPath,
                  folder.Path() + "ModifyXml/" + DeviceFileName(mac, ".xml"));
        EXPECT_EQ(ReadBytes(content.deviceConfigPath), ReadBytes(content.sourcePath));
    }
    EXPECT_EQ(DeviceFileName("0A:BC:00:00:00:02", ".xml"), "0ABC00000002.xml");

    content.sheetPath = "sheet.xls";
    content.sourcePath = folder.Path() + "gone.xml";
    EXPECT_FALSE(MakeDeviceXml(content, FilledRow(0), "02:00:00:00:00:01",
                               folder.Path() + "ModifyXml/", note));
    EXPECT_EQ(note, "Modify New Xml file fail!");
}
