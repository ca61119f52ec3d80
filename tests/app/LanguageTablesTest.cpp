#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "app/LanguageTables.h"

using namespace lumicord;

namespace {

class LanguageTablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.Path().empty());
        m_folder.Write("Languages/Language.ini", "[LCID]\n2052=Chinese_Simplified\n1031=German\n"
                                                 "1041=Empty\n1028=Chinese_Traditional\n");
        m_folder.Write("Languages/Chinese_Simplified.lng", "[ProgramOutStr]\n"
                                                           "CaNcEl = 取消\n"
                                                           "two lines=第一行\\n第二行\n"
                                                           "windows lines=一\\r\\n二\n"
                                                           "note=[~NullInfoChrys~]\n"
                                                           "min=[~Null~]\n");
        m_folder.Write("Languages/Empty.lng", "");
        // Windows language files are UTF-16 with a BOM.
        std::string utf16 = "\xFF\xFE";
        for (char16_t c : std::u16string(u"[ProgramOutStr]\r\nok=確定\r\n")) {
            utf16 += static_cast<char>(c & 0xFF);
            utf16 += static_cast<char>(c >> 8);
        }
        m_folder.Write("Languages/Chinese_Traditional.lng", utf16);
    }

    CLanguageTables Load(unsigned localeId) const {
        CLanguageTables tables;
        tables.Initialise(m_folder.Path(), localeId);
        return tables;
    }

    TempFolder m_folder;
};

} // namespace

TEST_F(LanguageTablesTest, TranslatesWhateverTheCaseAndAppliesTheEscapes) {
    const CLanguageTables zh = Load(2052);
    EXPECT_EQ(zh.LanguageName(), "Chinese_Simplified");
    EXPECT_EQ(zh.LanguageFilePath(), m_folder.Path() + "Languages/Chinese_Simplified.lng");
    struct Case {
        std::u16string_view text, expected;
    } const cases[] = {
        {u"Cancel", u"取消"},
        {u"CANCEL", u"取消"},
        {u"Two Lines", u"第一行\n第二行"},
        {u"Windows lines", u"一\r\n二"},
        {u"Note", u""},                   // written as the empty marker
        {u"Min", u" "},                   // written as the one-space marker
        {u"Missing key", u"Missing key"}, // as passed, not lower-cased
        {u"Not\\nfound", u"Not\nfound"},  // escapes apply to untranslated texts too
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zh.TranslateText(c.text), c.expected);
    EXPECT_EQ(zh.TranslateText(static_cast<const char16_t*>(nullptr)), u"");
    EXPECT_EQ(Load(1028).TranslateText(u"OK"), u"確定");
}

TEST_F(LanguageTablesTest, EnglishWhenThereIsNoLanguageToUse) {
    struct Case {
        unsigned localeId;
        const char* name;
    } const cases[] = {
        {1049, "English"}, // no entry for the locale
        {1031, "German"},  // entry, but no file
        {1041, "Empty"},   // an empty file
    };
    for (const auto& c : cases) {
        const CLanguageTables tables = Load(c.localeId);
        EXPECT_EQ(tables.LanguageName(), c.name);
        EXPECT_EQ(tables.LanguageFilePath(),
                  m_folder.Path() + "Languages/" + c.name + ".lng"); // the path is kept
        EXPECT_EQ(tables.TranslateText(u"Cancel"), u"Cancel");
        EXPECT_EQ(tables.TranslateText(u"a\\r\\nb"), u"a\r\nb");
    }
    CLanguageTables noMap;
    noMap.Initialise("/nonexistent/", 2052);
    EXPECT_EQ(noMap.LanguageName(), "English");
    EXPECT_EQ(noMap.TranslateText(u"Cancel"), u"Cancel");
}

TEST_F(LanguageTablesTest, LookupsFromManyThreadsAgree) {
    const CLanguageTables zh = Load(2052);
    std::vector<std::thread> threads;
    std::vector<int> wrong(8, 0);
    for (std::size_t t = 0; t < wrong.size(); ++t)
        threads.emplace_back([&zh, &wrong, t] {
            for (int i = 0; i < 2000; ++i)
                wrong[t] += (zh.TranslateText(u"Cancel") != u"取消") +
                            (zh.TranslateText(u"Elsewhere") != u"Elsewhere");
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(wrong, std::vector<int>(8, 0));
}

TEST(ShippedLanguages, ChineseSimplifiedTranslatesEveryProgramText) {
    CLanguageTables zh;
    zh.Initialise(LUMICORD_RESOURCES_DIR, 2052);
    ASSERT_EQ(zh.LanguageName(), "Chinese_Simplified");
    EXPECT_EQ(zh.TranslateText(u"Cancel"), u"取消");
    const char16_t* texts[] = {u"Wait operate",
                               u"Operating",
                               u"Operate success",
                               u"Operate fail",
                               u"Transmit finish",
                               u"Transmit fail",
                               u"Device respond timeout",
                               u"Lockcode mismatch",
                               u"Failed to open database, unable to get data.",
                               u"Confirm Exit",
                               u"Are you sure you want to exit Lumicord?",
                               u"Note",
                               u"Are you sure close program?",
                               u"Min",
                               u"Close",
                               u"Show Utility",
                               u"Exit",
                               u"OK",
                               u"Cancel",
                               u"Lumicord"};
    for (const char16_t* text : texts) {
        const std::u16string translated = zh.TranslateText(text);
        EXPECT_FALSE(translated.empty());
        EXPECT_TRUE(translated != text || std::u16string_view(text) == u"Lumicord")
            << std::string(text, text + std::char_traits<char16_t>::length(text));
    }
    // Every locale of the map that has no file of its own still gives English.
    CLanguageTables de;
    de.Initialise(LUMICORD_RESOURCES_DIR, 1031);
    EXPECT_EQ(de.TranslateText(u"Cancel"), u"Cancel");
}
