#include <gtest/gtest.h>

#include "TempFolder.h"
#include "app/SettingValues.h"
#include "app/SettingsFile.h"
#include "app/SkinPaths.h"
#include "platform/IniFile.h"

using namespace lumicord;

namespace {

CSettings FromText(std::string_view ini) {
    return ReadSettings(CIniFile::Parse(ini));
}

} // namespace

TEST(SettingValues, IntegersReadLikeAtoi) {
    struct Case {
        std::u16string_view text;
        int value;
    } const cases[] = {
        {u"700", 700},
        {u"  -15px", -15},
        {u"+8", 8},
        {u"abc", 0},
        {u"", 0},
        {u"- 5", 0},
        {u"\t\n42", 42},
        {u"99999999999", INT_MAX},
        {u"-99999999999", INT_MIN},
        {u"１２", 0}, // full-width digits are not digits
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseProfileInteger(c.text), c.value);
}

TEST(SettingValues, ColoursNeedThreePartsInRange) {
    constexpr ColorRef kUnchanged = 0x123456;
    struct Case {
        std::u16string_view text;
        ColorRef expected; // kUnchanged: the parse fails
    } const cases[] = {
        {u"255,255,255", MakeColorRef(255, 255, 255)},
        {u"237,112,32", MakeColorRef(237, 112, 32)},
        {u"0,0,255", 0xFF0000},
        {u"1,2,3,", MakeColorRef(1, 2, 3)}, // an empty last part does not count
        {u",2,3", MakeColorRef(0, 2, 3)},   // an empty first part does
        {u"1,,3", MakeColorRef(1, 0, 3)},
        {u"\"1\",'2',\"3\"", MakeColorRef(1, 2, 3)},
        {u"1,2,\"\"", MakeColorRef(1, 2, 0)}, // quoted empty last part is a part
        {u" 10, 20 ,30x", MakeColorRef(10, 20, 30)},
        {u"255,255", kUnchanged},
        {u"256,0,0", kUnchanged},
        {u"-1,0,0", kUnchanged},
        {u"1,2,3,,", kUnchanged},
        {u"1,2,3,4", kUnchanged},
        {u"", kUnchanged},
        {u"\"1,2\",3", kUnchanged},                  // quoted commas do not split
        {u"'1,2',3,4", MakeColorRef(1, 3, 4)},       // ... and "1,2" reads as 1
        {u"\"1\\\",2\",3,4", MakeColorRef(1, 3, 4)}, // an escaped quote does not close
        {u"'7,8\",9,10", kUnchanged},                // only the same kind of quote closes
    };
    for (const auto& c : cases) {
        ColorRef color = kUnchanged;
        EXPECT_EQ(ParseColor(c.text, color), c.expected != kUnchanged)
            << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(color, c.expected) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(SettingsFile, NoFileGivesEveryDefault) {
    const CSettings s = FromText("");
    EXPECT_EQ(s.childBkColor, MakeColorRef(255, 255, 255));
    EXPECT_EQ(s.fontName, u"Microsoft YaHei");
    EXPECT_EQ(s.lineColor, MakeColorRef(215, 215, 215));
    EXPECT_EQ(s.gridTextColor, MakeColorRef(0, 0, 0));
    EXPECT_EQ(s.gridTitleTextColor, MakeColorRef(237, 112, 32));
    EXPECT_EQ(s.gridTitleBkColor, MakeColorRef(186, 199, 231));
    EXPECT_EQ(s.gridTitleLogFont.height, 15);
    EXPECT_EQ(s.gridTitleLogFont.weight, 700);
    EXPECT_EQ(s.gridTitleLogFont.face, u"Microsoft YaHei");
    EXPECT_EQ(s.gridBodyLogFont.height, 15);
    EXPECT_EQ(s.gridBodyLogFont.weight, 0);
    EXPECT_EQ(s.gridBodyLogFont.face, u"Microsoft YaHei");
    EXPECT_EQ(s.gridBodyRowHeight, 48);
}

TEST(SettingsFile, OnlyChildBkColorSetGivesBlueAndEverythingElseDefault) {
    const CSettings s = FromText("[Color]\nChildBkColor=0,0,255\n");
    EXPECT_EQ(s.childBkColor, 0xFF0000u);
    EXPECT_EQ(s.lineColor, MakeColorRef(215, 215, 215));
    EXPECT_EQ(s.gridTitleBkColor, MakeColorRef(186, 199, 231));
    EXPECT_EQ(s.gridTitleLogFont.weight, 700);
    EXPECT_EQ(s.fontName, u"Microsoft YaHei");
}

TEST(SettingsFile, BadValuesGiveBlackAndZero) {
    const CSettings two =
        FromText("[Color]\nChildBkColor=255,255\n[Font]\nGridTitleFontWeight=abc");
    EXPECT_EQ(two.childBkColor, 0u);
    EXPECT_EQ(two.gridTitleLogFont.weight, 0);
    EXPECT_EQ(two.gridTitleLogFont.height, 15);
    EXPECT_EQ(FromText("[color]\nchildbkcolor=256,0,0\n").childBkColor, 0u);
    EXPECT_EQ(FromText("[Color]\nLineColor=\"1,2\",3\n").lineColor, 0u);
    // Quotes around the whole value are the file's, not the colour's.
    EXPECT_EQ(FromText("[Color]\nLineColor=\"1,2,3\"\n").lineColor, MakeColorRef(1, 2, 3));
}

TEST(SettingsFile, EmptyFontNameIsEmptyAndLongOnesAreCut) {
    EXPECT_EQ(FromText("[Font]\nFontName=\n").gridBodyLogFont.face, u"");
    EXPECT_EQ(FromText("[Font]\nOther=1\n").gridBodyLogFont.face, u"Microsoft YaHei");
    const std::string longName(40, 'F');
    const CSettings s = FromText("[Font]\nFontName=" + longName + "\n");
    EXPECT_EQ(s.fontName, std::u16string(40, u'F'));
    EXPECT_EQ(s.gridTitleLogFont.face, std::u16string(31, u'F'));
    EXPECT_EQ(s.gridBodyLogFont.face, std::u16string(31, u'F'));
    // Values stop at 127 characters, as Windows reads them into a 128-character buffer.
    EXPECT_EQ(FromText("[Font]\nFontName=" + std::string(200, 'a')).fontName.size(), 127u);
}

TEST(SettingsFile, ReadsFromTheProgramDirectory) {
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write("Setting.ini", "[Font]\nGridFontHeight=20\nFontName=WenQuanYi Micro Hei\n");
    const CSettings s = ReadSettings(folder.Path());
    EXPECT_EQ(s.gridBodyLogFont.height, 20);
    EXPECT_EQ(s.gridTitleLogFont.face, u"WenQuanYi Micro Hei");
    EXPECT_EQ(ReadSettingValue(folder.Path(), u"font", u"gridfontheight", u"15"), u"20");
    EXPECT_EQ(ReadSettingValue(folder.Path(), u"Font", u"GridFontWeight", u"0"), u"0");
}

TEST(SkinPaths, EveryPathIsInTheSkinFolder) {
    const CSkinPaths p = BuildSkinPaths("/opt/my tools/设备/");
    EXPECT_EQ(p.mainBkPng, "/opt/my tools/设备/Skin/main_bk.png");
    EXPECT_EQ(p.btnCloseNormal2, "/opt/my tools/设备/Skin/btn_close_normal2.png");
    EXPECT_EQ(p.partSelect, "/opt/my tools/设备/Skin/part_select.bmp");
    EXPECT_EQ(p.btnTemplate, "/opt/my tools/设备/Skin/btn_template.png");
}
