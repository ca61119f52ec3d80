#include <gtest/gtest.h>

#include "platform/TextConversion.h"

using namespace lumicord;

TEST(TextConversion, RoundTripsAsciiCjkAndAstral) {
    const std::string utf8 = "Lab AP 设备 \xF0\x9F\x93\xB6";
    const std::u16string utf16 = Utf8ToUtf16(utf8);
    EXPECT_EQ(utf16, u"Lab AP 设备 \U0001F4F6");
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
}

TEST(TextConversion, BadInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xE4\xB8"), u"\uFFFD");                     // cut sequence
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD");                     // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD");                 // encoded surrogate
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, 0xD800)), "\xEF\xBF\xBD"); // lone surrogate
}
