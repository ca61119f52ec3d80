#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

#include "TempFolder.h"
#include "platform/IniFile.h"

using namespace lumicord;

namespace {

std::u16string Get(std::string_view bytes, std::u16string_view section, std::u16string_view key,
                   std::size_t limit = 127) {
    return CIniFile::Parse(bytes).GetString(section, key, u"<default>", limit);
}

// UTF-16 little-endian with BOM (big-endian when `big`), from a BMP-only text.
std::string Utf16File(std::u16string_view text, bool big = false) {
    std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text) {
        const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
        bytes += big ? hi : lo;
        bytes += big ? lo : hi;
    }
    return bytes;
}

} // namespace

TEST(IniFile, NamesMatchWithoutCaseAndBlanksAroundNamesAndValuesGo) {
    const std::string file = "  [ Color ]  \r\n"
                             "\tChildBkColor =  0,0,255 \t\r\n"
                             "Empty=\n"
                             "[ÜBER]\nSchlüssel=wert\n";
    struct Case {
        std::u16string_view section, key, expected;
    } const cases[] = {
        {u"color", u"childbkcolor", u"0,0,255"},
        {u"COLOR", u" CHILDBKCOLOR ", u"0,0,255"},
        {u"Color", u"Empty", u""}, // present but empty: not the default
        {u"Color", u"Missing", u"<default>"},
        {u"Font", u"ChildBkColor", u"<default>"},
        {u"über", u"SCHLÜSSEL", u"wert"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Get(file, c.section, c.key), c.expected)
            << std::string(c.key.begin(), c.key.end());
}

TEST(IniFile, FirstSectionAndFirstKeyOfANameWin) {
    const std::string file = "k=before any section\n[A]\nk=1\nk=2\n; k=comment\n[a]\nk=3\nj=4\n";
    EXPECT_EQ(Get(file, u"A", u"k"), u"1");
    EXPECT_EQ(Get(file, u"A", u"j"), u"<default>"); // a repeated section is not searched
    EXPECT_EQ(Get(file, u"A", u"; k"), u"<default>");
}

TEST(IniFile, OnePairOfMatchingQuotesIsStripped) {
    const std::string file = "[S]\na=\"x, y\"\nb='z'\nc=\"\"\"\"\nd=\"open\ne='mixed\"\nf=\"\n"
                             "g= \"inner\" text\n";
    struct Case {
        std::u16string_view key, expected;
    } const cases[] = {
        {u"a", u"x, y"},     {u"b", u"z"},  {u"c", u"\"\""},           {u"d", u"\"open"},
        {u"e", u"'mixed\""}, {u"f", u"\""}, {u"g", u"\"inner\" text"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Get(file, u"S", c.key), c.expected);
}

TEST(IniFile, ValuesAndDefaultsAreCutToTheLimit) {
    const std::string file = "[S]\nlong=" + std::string(200, 'v') + "\nemoji=ab\xF0\x9F\x98\x80\n";
    EXPECT_EQ(Get(file, u"S", u"long"), std::u16string(127, u'v'));
    EXPECT_EQ(Get(file, u"S", u"long", 1022), std::u16string(200, u'v'));
    // A cut in the middle of a surrogate pair drops the dangling half.
    EXPECT_EQ(Get(file, u"S", u"emoji", 3), u"ab");
    const CIniFile empty;
    EXPECT_EQ(empty.GetString(u"S", u"k", u"0123456789", 4), u"0123");
    EXPECT_EQ(empty.GetString(u"S", u"k", u"dflt  \t", 127), u"dflt"); // trailing blanks go
}

TEST(IniFile, Utf16WithBomIsUnicodeAndOtherFilesAreUtf8) {
    const std::u16string text = u"[ProgramOutStr]\r\ncancel=取消\r\n";
    EXPECT_EQ(Get(Utf16File(text), u"programoutstr", u"Cancel"), u"取消");
    EXPECT_EQ(Get(Utf16File(text, true), u"programoutstr", u"Cancel"), u"取消");
    EXPECT_EQ(Get("\xEF\xBB\xBF[ProgramOutStr]\ncancel=取消\n", u"ProgramOutStr", u"cancel"),
              u"取消");
    EXPECT_EQ(Get("[ProgramOutStr]\ncancel=取消\n", u"ProgramOutStr", u"cancel"), u"取消");
    // Cut off in the middle of a code unit: the odd byte goes, the rest still reads.
    std::string truncated = Utf16File(u"[S]\nk=ok\n");
    truncated += '\x41';
    EXPECT_EQ(Get(truncated, u"S", u"k"), u"ok");
}

TEST(IniFile, JunkNeverBreaksTheReader) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 131 + 7) % 256);
    const std::string cases[] = {
        "",
        "\xFF\xFE",
        "\xFE\xFF\x00",
        "\xEF\xBB\xBF",
        binary,
        "[S]\nk=" + std::string(100000, 'x'),
        "[" + std::string(100000, '[') + "\n=\n[S]\nk=after\n",
        std::string("[S]\nk=a\0b\n", 10),
    };
    for (const std::string& bytes : cases) {
        const CIniFile file = CIniFile::Parse(bytes);
        (void)file.GetString(u"S", u"k", u"d", 1022);
    }
    EXPECT_EQ(Get(cases[5], u"S", u"k", 1022), std::u16string(1022, u'x'));
    EXPECT_EQ(Get(cases[6], u"S", u"k"), u"after");
    EXPECT_EQ(Get(cases[7], u"S", u"k"), u"a"); // a NUL ends the value
}

TEST(IniFile, MissingOrUnreadableFilesGiveTheDefault) {
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const std::string good = folder.Write("Setting.ini", "[Color]\nLineColor=1,2,3\n");
    EXPECT_EQ(ReadProfileString(good, u"color", u"linecolor", u"d", 127), u"1,2,3");
    EXPECT_EQ(ReadProfileString(folder.Path() + "none.ini", u"Color", u"LineColor", u"d", 127),
              u"d");
    EXPECT_EQ(ReadProfileString(folder.Path(), u"Color", u"LineColor", u"d", 127), u"d");
    const std::string fifo = folder.Path() + "fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadProfileString(fifo, u"Color", u"LineColor", u"d", 127), u"d"); // no hang
    EXPECT_TRUE(CIniFile::Load(fifo).Empty());
}
